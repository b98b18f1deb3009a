#pragma once

#include <QByteArrayView>
#include <QString>

// One input of the settings file harness: the bytes of a settings file.
// Parsed, serialised and parsed again, every value of the key survives,
// every line kept as it stands is still there, and serialising again gives
// the same bytes; values the program sets on top read back as set and change
// nothing else. Returns what went wrong, or an empty text.
QString CheckSettingsFile(QByteArrayView input);
