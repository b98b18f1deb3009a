#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// The letter case the Artist, Album and Trackname values get in a new name.
// The value is also the position in the window's choice and in the settings.
enum class Capitalisation : quint8 {
    AsWritten,  // the default: as the existing name has them
    TitleCase,  // every word's first letter upper case, the others lower case
    LowerCase,
    UpperCase,
    Count  // not a choice: how many there are
};

inline constexpr int kCapitalisationCount = static_cast<int>(Capitalisation::Count);

// The track number lengths "Pad Track#" offers.
inline constexpr int kPadTrackMinDigits = 2;
inline constexpr int kPadTrackMaxDigits = 4;

// A decimal track number ("7", "+7") with leading zeros before its digits up
// to `digits` of them ("07", "+07"); any other text, hexadecimal numbers
// ("$1F", "0x1F") among them, and a number that is long enough, as it is.
QString PaddedTrackNumber(QStringView field, int digits);

// The text in the letter case asked for, by the locale. A word, for Title
// Case, is a run of letters, digits and marks; an apostrophe within it
// ("don't") does not start a new one.
QString Capitalised(QStringView text, Capitalisation capitalisation, const QLocale& locale);
