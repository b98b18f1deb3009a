#include "settings/store/RegistrySyntax.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Reads 1 to maxDigits hex digits that make up the whole text.
std::optional<quint32> parseHex(const QString& text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    quint32 result = 0;
    for (const QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        result = (result << 4) | quint32(digit);
    }
    return result;
}

// The bytes of "01,ff,.." (possibly empty).
std::optional<QByteArray> parseBytes(const QString& text) {
    QByteArray bytes;
    if (text.trimmed().isEmpty())
        return bytes;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString& part : parts) {
        const std::optional<quint32> byte = parseHex(part.trimmed(), 2);
        if (!byte)
            return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

// Undoes the escape at pos (a "\") into out; returns the position after it,
// or nothing when the escape is cut off or malformed.
std::optional<qsizetype> readEscape(const QString& text, qsizetype pos, QString& out) {
    if (pos + 1 >= text.size())
        return std::nullopt;
    const QChar escaped = text.at(pos + 1);
    switch (escaped.unicode()) {
        case 'r':
            out += QLatin1Char('\r');
            return pos + 2;
        case 'n':
            out += QLatin1Char('\n');
            return pos + 2;
        case 't':
            out += QLatin1Char('\t');
            return pos + 2;
        case 'x': {
            const QString digits = text.mid(pos + 2, 2);
            const std::optional<quint32> code = parseHex(digits, 2);
            if (!code || digits.size() != 2)
                return std::nullopt;
            out += QChar(char16_t(*code));
            return pos + 4;
        }
        default:
            // "\\", "\"" and any other escaped character stand for themselves.
            out += escaped;
            return pos + 2;
    }
}

}  // namespace

namespace RegistrySyntax {

// Strict UTF-8: a line that does not decode is kept as raw bytes instead.
std::optional<QString> decodeLine(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        return std::nullopt;
    return text;
}

// The key named by a section line "[...]" (escapes undone); nothing when the
// line is not a well-formed section line.
std::optional<QString> sectionName(const QString& line) {
    QString name;
    qsizetype pos = 1;
    while (pos < line.size()) {
        const QChar c = line.at(pos);
        if (c == QLatin1Char(']'))
            return name;
        if (c == QLatin1Char('\\')) {
            const std::optional<qsizetype> next = readEscape(line, pos, name);
            if (!next)
                return std::nullopt;
            pos = *next;
            continue;
        }
        name += c;
        ++pos;
    }
    return std::nullopt;
}

QString formatSection(const QString& keyName) {
    QString quoted = quote(keyName);
    quoted = quoted.mid(1, quoted.size() - 2);
    // A "]" inside the name would end the section line early.
    quoted.replace(QLatin1Char(']'), QStringLiteral("\\x5d"));
    return QLatin1Char('[') + quoted + QLatin1Char(']');
}

QString quote(const QString& text) {
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                result += QStringLiteral("\\\\");
                break;
            case '"':
                result += QStringLiteral("\\\"");
                break;
            case '\r':
                result += QStringLiteral("\\r");
                break;
            case '\n':
                result += QStringLiteral("\\n");
                break;
            case '\t':
                result += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                    result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
                else
                    result += c;
        }
    }
    result += QLatin1Char('"');
    return result;
}

std::optional<QString> unquote(const QString& text, qsizetype& pos) {
    if (pos >= text.size() || text.at(pos) != QLatin1Char('"'))
        return std::nullopt;
    QString result;
    qsizetype at = pos + 1;
    while (at < text.size()) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('"')) {
            pos = at + 1;
            return result;
        }
        if (c == QLatin1Char('\\')) {
            const std::optional<qsizetype> next = readEscape(text, at, result);
            if (!next)
                return std::nullopt;
            at = *next;
            continue;
        }
        result += c;
        ++at;
    }
    return std::nullopt;
}

std::optional<RegistryValue> parseData(const QString& data) {
    RegistryValue value;
    auto quotedTextOnly = [&](qsizetype pos) -> bool {
        const std::optional<QString> text = unquote(data, pos);
        if (!text || !data.mid(pos).trimmed().isEmpty())
            return false;
        value.form = RegistryValue::Form::Text;
        value.text = *text;
        return true;
    };
    if (data.startsWith(QLatin1Char('"'))) {
        value.kind = RegistryValue::kString;
        if (quotedTextOnly(0))
            return value;
        return std::nullopt;
    }
    if (data.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
        const std::optional<quint32> number = parseHex(data.mid(6).trimmed(), 8);
        if (!number)
            return std::nullopt;
        return RegistryValue::fromDword(*number);
    }
    if (data.startsWith(QStringLiteral("str("), Qt::CaseInsensitive)) {
        const qsizetype close = data.indexOf(QStringLiteral("):"));
        bool ok = false;
        const int kind = close > 4 && close <= 13 ? data.mid(4, close - 4).toInt(&ok, 10) : 0;
        if (!ok || kind < 0)
            return std::nullopt;
        value.kind = kind;
        if (quotedTextOnly(close + 2))
            return value;
        return std::nullopt;
    }
    if (data.startsWith(QStringLiteral("hex"), Qt::CaseInsensitive)) {
        qsizetype start = 0;
        if (data.mid(3, 1) == QLatin1String(":")) {
            value.kind = RegistryValue::kBinary;
            start = 4;
        } else if (data.mid(3, 1) == QLatin1String("(")) {
            const qsizetype close = data.indexOf(QStringLiteral("):"));
            const std::optional<quint32> kind =
                close > 4 ? parseHex(data.mid(4, close - 4), 7) : std::nullopt;
            if (!kind)
                return std::nullopt;
            value.kind = int(*kind);
            start = close + 2;
        } else {
            return std::nullopt;
        }
        const std::optional<QByteArray> bytes = parseBytes(data.mid(start));
        if (!bytes)
            return std::nullopt;
        value.form = RegistryValue::Form::Hex;
        value.bytes = *bytes;
        return value;
    }
    return std::nullopt;
}

QString formatValue(const QString& name, const RegistryValue& value) {
    QString line = name.isEmpty() ? QStringLiteral("@") : quote(name);
    line += QLatin1Char('=');
    switch (value.form) {
        case RegistryValue::Form::Dword:
            line += QStringLiteral("dword:%1").arg(value.number, 8, 16, QLatin1Char('0'));
            break;
        case RegistryValue::Form::Text:
            if (value.kind != RegistryValue::kString)
                line += QStringLiteral("str(%1):").arg(value.kind);
            line += quote(value.text);
            break;
        case RegistryValue::Form::Hex: {
            line += value.kind == RegistryValue::kBinary
                        ? QStringLiteral("hex:")
                        : QStringLiteral("hex(%1):").arg(value.kind, 0, 16);
            QStringList bytes;
            for (const char byte : value.bytes)
                bytes += QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0'));
            line += bytes.join(QLatin1Char(','));
            break;
        }
    }
    return line;
}

bool isHexData(const QString& data) {
    return data.startsWith(QStringLiteral("hex:"), Qt::CaseInsensitive) ||
           data.startsWith(QStringLiteral("hex("), Qt::CaseInsensitive);
}

bool isHexContinuation(const QString& trimmedLine) {
    const QStringView text = trimmedLine.endsWith(QLatin1Char('\\'))
                                 ? QStringView(trimmedLine).chopped(1)
                                 : QStringView(trimmedLine);
    bool digit = false;
    for (const QChar c : text) {
        if (hexDigit(c) >= 0)
            digit = true;
        else if (c != QLatin1Char(',') && c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    }
    return digit;
}

}  // namespace RegistrySyntax
