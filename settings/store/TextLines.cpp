#include "settings/store/TextLines.h"

QStringList SplitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            line += c;
            continue;
        }
        // CR LF and LF CR are one break each; a lone CR or LF is one too.
        if (i + 1 < text.size()) {
            const QChar next = text.at(i + 1);
            if ((next == QLatin1Char('\r') || next == QLatin1Char('\n')) && next != c)
                ++i;
        }
        lines += line;
        line.clear();
    }
    lines += line;
    return lines;
}

QStringList MemoLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}
