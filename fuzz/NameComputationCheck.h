#pragma once

#include <QByteArrayView>
#include <QString>

// One input of the name computation harness: an options byte (bit 0 "Remove
// Underscores", bit 1 "Extension Lowercase", bit 2 "Unicode NFC", bits 3-4
// "Pad Track#" off or to 2, 3 or 4 digits, bits 5-6 the capitalisation, bit 7
// "Safe for FAT/exFAT/NTFS"), ten bytes for the kinds of the five
// existing-name and five new-name slots, then, separated by the byte 0xff,
// the name (bytes as a listing gives them, read in the legacy encoding when
// they are not UTF-8), the folder path and the eight dividers as UTF-8, the
// safe replacement, and a byte choosing the legacy encoding.
// Whatever they are, the computation must not crash, and its proposal never
// holds NUL, never begins with "/", is never the name itself unless the
// name's bytes are not UTF-8, holds a replacement character only when an
// input text does, is safe for FAT with that option and in NFC with that
// one; the bytes the execute run makes of it are a path below the folder.
// Returns what went wrong, or an empty text.
QString CheckNameComputation(QByteArrayView input);
