#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box and dialog the window shows goes through one Prompter, so
// that tests can answer them in advance instead of a person.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A plain message with an OK button.
    virtual void information(QWidget* parent, const QString& text);
    // An error message box.
    virtual void critical(QWidget* parent, const QString& text);
    // A one-line input dialog opening with text; false on Cancel. The field
    // takes at most maxLength characters.
    virtual bool inputText(QWidget* parent, const QString& caption, const QString& prompt,
                           QString& text, int maxLength);
    // The save dialog "SaveDialog1": opens with fileName and the filter at
    // filterIndex chosen, asks before a file is overwritten; the chosen path,
    // or empty on Cancel. filterIndex then holds the filter chosen last.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& fileName,
                                 const QStringList& filters, int& filterIndex);
};
