#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// File names are bytes on disk and text on screen. These give exactly what
// QFile::decodeName and QFile::encodeName give, faster for the names a
// library is made of; anything out of the ordinary is left to Qt.

// The text of a name's bytes.
QString DecodeFileName(const QByteArray& bytes);

// How names are compared: exactly, as the bytes on disk, or ignoring their
// letter case, as a file system that ignores case compares them.
enum class NameCase { Exact, Ignored };

// The form of a name (its bytes) under which two names are the same name
// exactly when their forms are equal; a key for tables of names. Exact: the
// bytes themselves. Ignored: the locale's lower case of the decoded text, in
// UTF-8. Every test of whether two file names are the same goes through it.
QByteArray FileNameKey(const QByteArray& name, NameCase nameCase);

// Whether two names, as bytes, are the same text ignoring case.
bool SameNameIgnoringCase(const QByteArray& a, const QByteArray& b);

// The UTF-8 form of a name that surely comes back unchanged from it. Nothing
// for the two kinds of text that may not come back: unpaired surrogates, and
// a leading U+FEFF, which decoding drops.
std::optional<QByteArray> PlainUtf8(const QString& name);
