#include "engine/TsvField.h"

#include <cstring>

namespace {

bool NeedsEscape(const QByteArray& bytes) {
    const char* data = bytes.constData();
    const size_t size = static_cast<size_t>(bytes.size());
    return std::memchr(data, '\\', size) || std::memchr(data, '\t', size) ||
           std::memchr(data, '\n', size) || std::memchr(data, '\r', size);
}

}  // namespace

QByteArray TsvField(const QByteArray& bytes) {
    if (!NeedsEscape(bytes))
        return bytes;
    QByteArray escaped;
    escaped.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        switch (c) {
            case '\t':
                escaped.append("\\t");
                break;
            case '\n':
                escaped.append("\\n");
                break;
            case '\r':
                escaped.append("\\r");
                break;
            case '\\':
                escaped.append("\\\\");
                break;
            default:
                escaped.append(c);
        }
    }
    return escaped;
}

std::optional<QByteArray> UnescapeTsvField(const QByteArray& field) {
    if (!field.contains('\\'))
        return field;
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c != '\\') {
            bytes.append(c);
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field.at(i)) {
            case 't':
                bytes.append('\t');
                break;
            case 'n':
                bytes.append('\n');
                break;
            case 'r':
                bytes.append('\r');
                break;
            case '\\':
                bytes.append('\\');
                break;
            default:
                return std::nullopt;
        }
    }
    return bytes;
}
