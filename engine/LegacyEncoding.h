#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <optional>

// The single-byte encodings in which a name that is not valid UTF-8 can be
// read: what old Windows, DOS and Unix machines wrote names in. The value is
// also the position in the window's choice and in the settings.
enum class LegacyEncoding : quint8 {
    Windows1252,  // the default: what such names almost always are
    Iso8859_1,
    Iso8859_2,
    Iso8859_15,
    Windows1250,
    Windows1251,
    Koi8R,
    Cp437,
    Cp850,
    Count  // not an encoding: how many there are
};

inline constexpr int kLegacyEncodingCount = static_cast<int>(LegacyEncoding::Count);

// The encoding's name as the program shows it and as the command line takes
// it ("Windows-1252").
QString LegacyEncodingName(LegacyEncoding encoding);
// The names of all encodings, in the order of their values.
QStringList LegacyEncodingNames();
// The encoding's name with the scripts or languages it is for, in the user's
// language ("Windows-1252 (Western European)"), for the window's choice.
QString LegacyEncodingCaption(LegacyEncoding encoding);

// The encoding a name stands for, whatever its letter case, "-" and "_", by
// its own name or by the other names iconv knows it by ("cp1252", "latin1",
// "ibm437"); nothing for any other text.
std::optional<LegacyEncoding> LegacyEncodingNamed(QStringView name);

// The encoding at a position of the settings; the default outside the range.
LegacyEncoding LegacyEncodingAt(int position);

// The text of bytes in a legacy encoding: every byte becomes one character,
// so that nothing is lost and nothing becomes a replacement character. The
// characters are those glibc's iconv gives; the few bytes an encoding leaves
// undefined (0x81 in Windows-1252) become the control character of the same
// number, as web browsers read them.
QString DecodeLegacy(QByteArrayView bytes, LegacyEncoding encoding);
