#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/LegacyEncoding.h"

// File names are bytes on disk and text on screen.

// The text of a name's bytes, exactly as QFile::decodeName gives it (with
// replacement characters for bytes that are not UTF-8), faster for the names
// a library is made of.
QString DecodeFileName(const QByteArray& bytes);

// How names are compared: exactly, as the bytes on disk, or ignoring their
// letter case, as a file system that ignores case compares them.
enum class NameCase { Exact, Ignored };

// The form of a name (its bytes) under which two names are the same name
// exactly when their forms are equal; a key for tables of names. Exact: the
// bytes themselves. Ignored: for UTF-8, the composed form of the locale's
// lower case of the text, in UTF-8; other bytes are their own key. Every test
// of whether two file names are the same goes through it.
QByteArray FileNameKey(const QByteArray& name, NameCase nameCase);

// A name as the scan lists it: well-formed UTF-8 is read as such, any other
// bytes in the legacy encoding, one character a byte, so that the text never
// holds a replacement character for a byte it could not read.
struct ListedName {
    QString text;
    bool notUtf8 = false;  // read in the legacy encoding
    // Whether the text, encoded, gives back exactly the bytes: not so for a
    // name read in the legacy encoding, nor for one whose leading byte order
    // mark the decoding dropped.
    bool givesBackBytes = true;
};
ListedName DecodeListedName(const QByteArray& bytes, LegacyEncoding legacy);

// Whether two names, as bytes, may be one name on a file system that ignores
// case: both UTF-8, with the same text ignoring case and canonical
// equivalence (see NameComparison.h). Bytes that are not UTF-8 are only ever
// the same as themselves.
bool SameNameIgnoringCase(const QByteArray& a, const QByteArray& b);

// The text of bytes that are well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF; a leading byte order mark is a
// character like any other. False for any other bytes.
bool DecodeWellFormedUtf8(QByteArrayView bytes, QString& text);

// The UTF-8 form of a text, from which DecodeWellFormedUtf8 gives it back;
// nothing for a text with an unpaired surrogate, which has none.
std::optional<QByteArray> Utf8Form(const QString& name);
