#include "engine/RowOutcome.h"

QStringList OutcomeWords() {
    QStringList words;
    for (const RowOutcomeWord& entry : kRowOutcomeWords)
        words.append(QString::fromLatin1(entry.word));
    return words;
}

std::optional<RowOutcome> OutcomeOfWord(QStringView word) {
    for (const RowOutcomeWord& entry : kRowOutcomeWords) {
        if (word == QLatin1String(entry.word))
            return entry.outcome;
    }
    return std::nullopt;
}
