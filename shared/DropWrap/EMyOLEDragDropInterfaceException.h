#pragma once

#include <QString>
#include <stdexcept>

// Every error of the drag-and-drop wrapper; what() is the UTF-8 message.
class EMyOLEDragDropInterfaceException : public std::runtime_error {
public:
    explicit EMyOLEDragDropInterfaceException(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
