#pragma once

#include <QByteArrayView>
#include <QString>

// One input of the name computation harness: an options byte (bit 0 "Remove
// Underscores", bit 1 "Extension Lowercase"), ten bytes for the kinds of the
// five existing-name and five new-name slots, then, separated by the byte
// 0xff, the name, the folder path and the eight dividers, each as UTF-8.
// Whatever they are, the computation must not crash, and its proposal never
// holds NUL, never begins with "/" and is never the name itself; the bytes
// the execute run makes of it are a path below the folder.
// Returns what went wrong, or an empty text.
QString CheckNameComputation(QByteArrayView input);
