#pragma once

#include <QString>
#include <stdexcept>

// The failure of a command that cannot start, such as a process run over an
// empty results list. The window's top-level handler shows its text.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
