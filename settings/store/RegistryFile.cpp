#include "settings/store/RegistryFile.h"

#include <QStringDecoder>

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

// Strict UTF-8: a line that does not decode is kept as raw bytes instead.
std::optional<QString> decodeLine(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        return std::nullopt;
    return text;
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

// A hex value whose line ends in "\" goes on in the next line.
bool continuesOnNextLine(const QString& trimmedLine) {
    if (!trimmedLine.endsWith(QLatin1Char('\\')))
        return false;
    const qsizetype equals = trimmedLine.indexOf(QStringLiteral("=hex"), 0, Qt::CaseInsensitive);
    return equals > 0;
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
    QString quoted = RegistryFile::quote(keyName);
    quoted = quoted.mid(1, quoted.size() - 2);
    // A "]" inside the name would end the section line early.
    quoted.replace(QLatin1Char(']'), QStringLiteral("\\x5d"));
    return QLatin1Char('[') + quoted + QLatin1Char(']');
}

}  // namespace

QString RegistryFile::quote(const QString& text) {
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

std::optional<QString> RegistryFile::unquote(const QString& text, qsizetype& pos) {
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

std::optional<RegistryValue> RegistryFile::parseData(const QString& data) {
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

QString RegistryFile::formatValue(const QString& name, const RegistryValue& value) {
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

RegistryFile RegistryFile::parse(const QByteArray& data, const QString& keyName) {
    RegistryFile file;
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);

    for (qsizetype i = 0; i < lines.size(); ++i) {
        Entry entry;
        entry.raw = lines.at(i);
        const std::optional<QString> decoded = decodeLine(entry.raw);
        if (!decoded) {
            file.add(entry);
            continue;
        }
        QString line = decoded->trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const std::optional<QString> section = sectionName(line);
            if (section && section->compare(keyName, Qt::CaseInsensitive) == 0)
                continue;
            file.add(entry);
            continue;
        }
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
            file.add(entry);
            continue;
        }
        while (continuesOnNextLine(line) && i + 1 < lines.size()) {
            const std::optional<QString> next = decodeLine(lines.at(i + 1));
            if (!next)
                break;
            ++i;
            entry.raw += '\n' + lines.at(i);
            line.chop(1);
            line += next->trimmed();
        }

        qsizetype pos = 0;
        std::optional<QString> name;
        if (line.startsWith(QLatin1Char('@'))) {
            name = QString();
            pos = 1;
        } else {
            name = unquote(line, pos);
        }
        const qsizetype equals = name ? line.indexOf(QLatin1Char('='), pos) : -1;
        if (!name || equals < 0 || !line.mid(pos, equals - pos).trimmed().isEmpty()) {
            file.add(entry);
            continue;
        }
        entry.isValue = true;
        entry.name = *name;
        entry.value = parseData(line.mid(equals + 1).trimmed());
        file.add(entry);
    }
    return file;
}

QByteArray RegistryFile::serialize(const QString& keyName) const {
    QByteArray out = formatSection(keyName).toUtf8() + '\n';
    for (const Entry& entry : m_entries) {
        if (!entry.raw.isEmpty() || !entry.value)
            out += entry.raw;
        else
            out += formatValue(entry.name, *entry.value).toUtf8();
        out += '\n';
    }
    return out;
}

const RegistryValue* RegistryFile::find(const QString& name) const {
    const auto it = m_byName.constFind(name.toCaseFolded());
    if (it == m_byName.constEnd())
        return nullptr;
    const Entry& entry = m_entries.at(*it);
    return entry.value ? &*entry.value : nullptr;
}

void RegistryFile::set(const QString& name, const RegistryValue& value) {
    Entry entry;
    entry.isValue = true;
    entry.name = name;
    entry.value = value;
    add(entry);
}

void RegistryFile::add(Entry entry) {
    if (!entry.isValue) {
        m_entries.append(entry);
        return;
    }
    const QString key = entry.name.toCaseFolded();
    const auto it = m_byName.constFind(key);
    if (it != m_byName.constEnd()) {
        m_entries[*it] = entry;
        return;
    }
    m_byName.insert(key, m_entries.size());
    m_entries.append(entry);
}
