#include "engine/FieldCleanup.h"

namespace {

bool IsWordCharacter(char32_t c) {
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

bool IsApostrophe(char32_t c) {
    return c == u'\'' || c == 0x2019;
}

// The code point at position i of text, and how many UTF-16 units it takes.
char32_t CodePointAt(QStringView text, qsizetype i, qsizetype& units) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    units = 1;
    return c.unicode();
}

QString TitleCased(QStringView text, const QLocale& locale) {
    const QString lower = locale.toLower(text.toString());
    QString result;
    result.reserve(lower.size());
    bool inWord = false;
    for (qsizetype i = 0; i < lower.size();) {
        qsizetype units = 1;
        const char32_t c = CodePointAt(lower, i, units);
        const QStringView character = QStringView(lower).mid(i, units);
        if (IsWordCharacter(c)) {
            if (!inWord && QChar::isLetter(c))
                result += locale.toUpper(character.toString());
            else
                result += character;
            inWord = true;
        } else {
            // "don't" is one word, "rock 'n' roll" three.
            inWord = inWord && IsApostrophe(c) && i + units < lower.size();
            result += character;
        }
        i += units;
    }
    return result;
}

}  // namespace

QString PaddedTrackNumber(QStringView field, int digits) {
    const qsizetype signs = !field.isEmpty() && (field[0] == u'+' || field[0] == u'-') ? 1 : 0;
    const QStringView number = field.mid(signs);
    if (number.isEmpty() || number.size() >= digits)
        return field.toString();
    for (const QChar c : number) {
        if (c < u'0' || c > u'9')
            return field.toString();
    }
    QString padded;
    padded.reserve(signs + digits);
    padded += field.left(signs);
    padded += QString(digits - number.size(), u'0');
    padded += number;
    return padded;
}

QString Capitalised(QStringView text, Capitalisation capitalisation, const QLocale& locale) {
    switch (capitalisation) {
        case Capitalisation::TitleCase:
            return TitleCased(text, locale);
        case Capitalisation::LowerCase:
            return locale.toLower(text.toString());
        case Capitalisation::UpperCase:
            return locale.toUpper(text.toString());
        default:
            return text.toString();
    }
}
