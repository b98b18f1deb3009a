#pragma once

#include <QList>
#include <QStringList>
#include <optional>

#include "ui/Prompter.h"

// Answers the window's dialogs in advance and records what they showed.
class RecordingPrompter : public Prompter {
public:
    struct Input {
        QString caption;
        QString prompt;
        QString initial;
        int maxLength = 0;
    };

    QStringList informations;
    QStringList criticals;
    QList<Input> inputs;
    // Answers for the input dialogs in order; std::nullopt is Cancel.
    QList<std::optional<QString>> inputAnswers;
    QString saveAnswer;
    // The filter the person chooses; -1 leaves the one the dialog opened with.
    int saveFilterAnswer = -1;
    QString saveTitle;
    QString saveFileNameShown;
    QStringList saveFilters;
    int saveFilterIndex = -1;
    int saveCalls = 0;

    void information(QWidget*, const QString& text) override { informations.append(text); }
    void critical(QWidget*, const QString& text) override { criticals.append(text); }
    bool inputText(QWidget*, const QString& caption, const QString& prompt, QString& text,
                   int maxLength) override {
        inputs.append({caption, prompt, text, maxLength});
        if (inputAnswers.isEmpty())
            return false;
        const std::optional<QString> answer = inputAnswers.takeFirst();
        if (!answer)
            return false;
        text = answer->left(maxLength);
        return true;
    }
    QString saveFileName(QWidget*, const QString& title, const QString& fileName,
                         const QStringList& filters, int& filterIndex) override {
        ++saveCalls;
        saveTitle = title;
        saveFileNameShown = fileName;
        saveFilters = filters;
        saveFilterIndex = filterIndex;
        if (saveFilterAnswer >= 0)
            filterIndex = saveFilterAnswer;
        return saveAnswer;
    }
};
