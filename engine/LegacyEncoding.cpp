#include "engine/LegacyEncoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <mutex>

#include "shared/General/Texts.h"

namespace {

struct EncodingEntry {
    LegacyEncoding encoding;
    const char* name;       // shown, and taken on the command line
    const char* iconvName;  // what glibc's iconv calls it
    const char* caption;    // the entry of Texts.h for the window's choice
    // Other names of the encoding, lower case, without "-" and "_".
    std::array<const char*, 3> aliases;
};

constexpr EncodingEntry kEncodings[] = {
    {LegacyEncoding::Windows1252,
     "Windows-1252",
     "WINDOWS-1252",
     Texts::kEncodingWindows1252,
     {"cp1252", "ms1252", nullptr}},
    {LegacyEncoding::Iso8859_1,
     "ISO-8859-1",
     "ISO-8859-1",
     Texts::kEncodingIso8859_1,
     {"latin1", "l1", "iso88591"}},
    {LegacyEncoding::Iso8859_2,
     "ISO-8859-2",
     "ISO-8859-2",
     Texts::kEncodingIso8859_2,
     {"latin2", "l2", "iso88592"}},
    {LegacyEncoding::Iso8859_15,
     "ISO-8859-15",
     "ISO-8859-15",
     Texts::kEncodingIso8859_15,
     {"latin9", "l9", "iso885915"}},
    {LegacyEncoding::Windows1250,
     "Windows-1250",
     "WINDOWS-1250",
     Texts::kEncodingWindows1250,
     {"cp1250", "ms1250", nullptr}},
    {LegacyEncoding::Windows1251,
     "Windows-1251",
     "WINDOWS-1251",
     Texts::kEncodingWindows1251,
     {"cp1251", "ms1251", nullptr}},
    {LegacyEncoding::Koi8R, "KOI8-R", "KOI8-R", Texts::kEncodingKoi8R, {"koi8", nullptr, nullptr}},
    {LegacyEncoding::Cp437, "CP437", "CP437", Texts::kEncodingCp437, {"ibm437", "437", nullptr}},
    {LegacyEncoding::Cp850, "CP850", "CP850", Texts::kEncodingCp850, {"ibm850", "850", nullptr}},
};

static_assert(std::size(kEncodings) == static_cast<std::size_t>(LegacyEncoding::Count),
              "every legacy encoding has its line");

constexpr bool InOrder() {
    for (std::size_t i = 0; i < std::size(kEncodings); ++i) {
        if (static_cast<std::size_t>(kEncodings[i].encoding) != i)
            return false;
    }
    return true;
}
static_assert(InOrder(), "kEncodings lists the encodings in the order of their values");

const EncodingEntry& EntryOf(LegacyEncoding encoding) {
    const auto i = static_cast<std::size_t>(encoding);
    return kEncodings[i < std::size(kEncodings) ? i : 0];
}

// What each of the 256 bytes reads as. The encodings are single-byte ones, so
// a byte means the same wherever it stands and the table is the whole
// decoding; iconv is asked once a byte, the first time the encoding is used.
using ByteTable = std::array<char16_t, 256>;

ByteTable BuildTable(const char* iconvName) {
    ByteTable table;
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<char16_t>(b);
    iconv_t cd = iconv_open("UTF-16LE", iconvName);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return table;
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[8];
        char* inAt = &in;
        size_t inLeft = 1;
        char* outAt = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const size_t done = iconv(cd, &inAt, &inLeft, &outAt, &outLeft);
        // One byte gives one character of the Basic Multilingual Plane; a
        // byte the encoding leaves undefined keeps its own number.
        if (done != static_cast<size_t>(-1) && inLeft == 0 && sizeof out - outLeft == 2)
            table[b] = static_cast<char16_t>(out[0] | (out[1] << 8));
    }
    iconv_close(cd);
    return table;
}

const ByteTable& TableOf(LegacyEncoding encoding) {
    static std::array<ByteTable, kLegacyEncodingCount> tables;
    static std::array<std::once_flag, kLegacyEncodingCount> built;
    const EncodingEntry& entry = EntryOf(encoding);
    const auto i = static_cast<std::size_t>(entry.encoding);
    std::call_once(built[i], [&] { tables[i] = BuildTable(entry.iconvName); });
    return tables[i];
}

// A name as the look-up compares it: lower case, without "-", "_" and blanks.
QString Simplified(QStringView name) {
    QString simple;
    simple.reserve(name.size());
    for (const QChar c : name) {
        if (c != u'-' && c != u'_' && c != u' ')
            simple += c.toLower();
    }
    return simple;
}

}  // namespace

QString LegacyEncodingName(LegacyEncoding encoding) {
    return QLatin1String(EntryOf(encoding).name);
}

QStringList LegacyEncodingNames() {
    QStringList names;
    for (const EncodingEntry& entry : kEncodings)
        names.append(QLatin1String(entry.name));
    return names;
}

QString LegacyEncodingCaption(LegacyEncoding encoding) {
    return Text(EntryOf(encoding).caption);
}

std::optional<LegacyEncoding> LegacyEncodingNamed(QStringView name) {
    const QString simple = Simplified(name);
    if (simple.isEmpty())
        return std::nullopt;
    for (const EncodingEntry& entry : kEncodings) {
        if (simple == Simplified(QString::fromLatin1(entry.name)))
            return entry.encoding;
        for (const char* alias : entry.aliases) {
            if (alias != nullptr && simple == QLatin1String(alias))
                return entry.encoding;
        }
    }
    return std::nullopt;
}

LegacyEncoding LegacyEncodingAt(int position) {
    if (position < 0 || position >= kLegacyEncodingCount)
        return LegacyEncoding::Windows1252;
    return static_cast<LegacyEncoding>(position);
}

QString DecodeLegacy(QByteArrayView bytes, LegacyEncoding encoding) {
    const ByteTable& table = TableOf(encoding);
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = table[static_cast<unsigned char>(byte)];
    return text;
}
