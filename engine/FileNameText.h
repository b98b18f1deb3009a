#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// File names are bytes on disk and text on screen. These give exactly what
// QFile::decodeName and QFile::encodeName give, faster for the names a
// library is made of; anything out of the ordinary is left to Qt.

// The text of a name's bytes.
QString DecodeFileName(const QByteArray& bytes);

// Whether two names, as bytes, are the same text ignoring case (the locale's
// lower case of their decoded texts).
bool SameNameIgnoringCase(const QByteArray& a, const QByteArray& b);

// The UTF-8 form of a name that surely comes back unchanged from it. Nothing
// for the two kinds of text that may not come back: unpaired surrogates, and
// a leading U+FEFF, which decoding drops.
std::optional<QByteArray> PlainUtf8(const QString& name);
