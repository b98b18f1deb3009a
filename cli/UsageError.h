#pragma once

#include <QString>
#include <stdexcept>

// A command line that cannot be run as given: an unknown option, a bad
// scheme, no folder. The program prints the message and ends with status 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
