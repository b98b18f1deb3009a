#pragma once

#include <QString>
#include <stdexcept>

// A settings value that cannot be read or written. The settings load and save
// catch it: the first one ends the step it occurs in.
class ERegistryException : public std::runtime_error {
public:
    explicit ERegistryException(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    QString message() const { return m_message; }

private:
    QString m_message;
};
