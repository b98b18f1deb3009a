#include "engine/RowOutcome.h"

QStringList OutcomeWords() {
    QStringList words;
    for (const RowOutcomeWord& entry : kRowOutcomeWords)
        words.append(QString::fromLatin1(entry.word));
    return words;
}
