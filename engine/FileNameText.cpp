#include "engine/FileNameText.h"

#include <QFile>
#include <QLocale>

#include <cstring>

#include "engine/NameComparison.h"

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xc0) == 0x80;
}

// Whether any of the eight bytes at bytes is beyond ASCII.
bool HasHighBit(const unsigned char* bytes) {
    quint64 word;
    std::memcpy(&word, bytes, sizeof word);
    return (word & 0x8080808080808080ULL) != 0;
}

// Whether any of the four UTF-16 units at units is beyond ASCII.
bool HasNonAscii(const QChar* units) {
    quint64 word;
    std::memcpy(&word, units, sizeof word);
    return (word & 0xff80ff80ff80ff80ULL) != 0;
}

// The bytes of the UTF-8 form of the units: a pair of surrogates takes four,
// two each. A lone surrogate is counted as a pair's half; it has no form.
qsizetype Utf8Size(const QChar* units, qsizetype size) {
    qsizetype bytes = size;
    for (qsizetype i = 0; i < size; ++i) {
        while (size - i >= 4 && !HasNonAscii(units + i))
            i += 4;
        if (i == size)
            break;
        const char16_t c = units[i].unicode();
        if (c >= 0x80)
            bytes += c < 0x800 || QChar::isSurrogate(c) ? 1 : 2;
    }
    return bytes;
}

bool StartsWithByteOrderMark(const QByteArray& bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xef &&
           static_cast<unsigned char>(bytes[1]) == 0xbb &&
           static_cast<unsigned char>(bytes[2]) == 0xbf;
}

}  // namespace

bool DecodeWellFormedUtf8(QByteArrayView bytes, QString& text) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    // Never more UTF-16 units than bytes.
    text = QString(size, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = in[i];
        if (lead < 0x80) {
            // Names are mostly ASCII: eight bytes at a time while they are.
            while (size - i >= 8 && !HasHighBit(in + i)) {
                for (int k = 0; k < 8; ++k)
                    out[k] = in[i + k];
                out += 8;
                i += 8;
            }
            while (i < size && in[i] < 0x80)
                *out++ = in[i++];
            continue;
        }
        char32_t c = 0;
        int length = 0;
        if (lead >= 0xc2 && lead <= 0xdf) {
            c = lead & 0x1f;
            length = 2;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            c = lead & 0x0f;
            length = 3;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            c = lead & 0x07;
            length = 4;
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        for (int k = 1; k < length; ++k) {
            if (!IsContinuation(in[i + k]))
                return false;
            c = (c << 6) | (in[i + k] & 0x3f);
        }
        const bool wellFormed = (length == 3 && c >= 0x800 && (c < 0xd800 || c > 0xdfff)) ||
                                (length == 4 && c >= 0x10000 && c <= 0x10ffff) || length == 2;
        if (!wellFormed)
            return false;
        if (c >= 0x10000) {
            *out++ = QChar::highSurrogate(c);
            *out++ = QChar::lowSurrogate(c);
        } else {
            *out++ = static_cast<char16_t>(c);
        }
        i += length;
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return true;
}

QString DecodeFileName(const QByteArray& bytes) {
    // Decoding drops a leading byte order mark.
    if (StartsWithByteOrderMark(bytes))
        return QFile::decodeName(bytes);
    QString text;
    if (DecodeWellFormedUtf8(bytes, text))
        return text;
    return QFile::decodeName(bytes);
}

ListedName DecodeListedName(const QByteArray& bytes, LegacyEncoding legacy) {
    ListedName name;
    if (DecodeWellFormedUtf8(bytes, name.text)) {
        if (StartsWithByteOrderMark(bytes)) {
            name.text = QFile::decodeName(bytes);
            name.givesBackBytes = false;
        }
        return name;
    }
    name.text = DecodeLegacy(bytes, legacy);
    name.notUtf8 = true;
    name.givesBackBytes = false;
    return name;
}

std::optional<QByteArray> Utf8Form(const QString& name) {
    const QChar* units = name.constData();
    const qsizetype size = name.size();
    // Sized exactly: rows keep their names so for their whole life, and
    // three bytes a character would stay reserved.
    QByteArray utf8(Utf8Size(units, size), Qt::Uninitialized);
    char* out = utf8.data();
    for (qsizetype i = 0; i < size; ++i) {
        // Four ASCII characters at a time while there are.
        while (size - i >= 4 && !HasNonAscii(units + i)) {
            for (int k = 0; k < 4; ++k)
                out[k] = static_cast<char>(units[i + k].unicode());
            out += 4;
            i += 4;
        }
        if (i == size)
            break;
        char32_t c = units[i].unicode();
        if (QChar::isSurrogate(c)) {
            if (!QChar::isHighSurrogate(c) || i + 1 == size || !units[i + 1].isLowSurrogate())
                return std::nullopt;
            c = QChar::surrogateToUcs4(char16_t(c), units[++i].unicode());
        }
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *out++ = static_cast<char>(0xc0 | (c >> 6));
            *out++ = static_cast<char>(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            *out++ = static_cast<char>(0xe0 | (c >> 12));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            *out++ = static_cast<char>(0x80 | (c & 0x3f));
        } else {
            *out++ = static_cast<char>(0xf0 | (c >> 18));
            *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3f));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            *out++ = static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    utf8.truncate(out - utf8.constData());
    return utf8;
}

QByteArray FileNameKey(const QByteArray& name, NameCase nameCase) {
    QString text;
    // Bytes that are not UTF-8 have no letter case or equivalent form that a
    // file system would know of: such a name is only ever itself.
    if (nameCase == NameCase::Exact || !DecodeWellFormedUtf8(name, text))
        return name;
    return NameKeyIgnoringCase(text, QLocale::system()).toUtf8();
}

bool SameNameIgnoringCase(const QByteArray& a, const QByteArray& b) {
    QString textA;
    QString textB;
    // Bytes that are not UTF-8 have no letter case or equivalent form that a
    // file system would know of: such a name is only ever itself.
    if (!DecodeWellFormedUtf8(a, textA) || !DecodeWellFormedUtf8(b, textB))
        return a == b;
    return SameNameTextIgnoringCase(textA, textB, QLocale::system());
}
