#pragma once

#include <QString>

// The value names of the settings key, in one place so that a typo is a
// compile error.
namespace SettingsKeys {

// A window's placement: prefix + word ("MainTop").
inline constexpr const char* kMainPrefix = "Main";
inline constexpr const char* kTop = "Top";
inline constexpr const char* kLeft = "Left";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kState = "State";

inline constexpr const char* kRecursive = "Recursive";
inline constexpr const char* kIncludeExtsChecked = "IncludeExtsChecked";
inline constexpr const char* kExtensions = "Extensions";
inline constexpr const char* kRemoveUnderscores = "RemoveUnderscores";
inline constexpr const char* kExtensionLowercase = "ExtensionLowercase";
// How names that are not UTF-8 are read, and the clean-up options of new names.
inline constexpr const char* kLegacyEncoding = "LegacyEncoding";
inline constexpr const char* kNormalizeNfc = "NormalizeNFC";
inline constexpr const char* kPadTrack = "PadTrack";
inline constexpr const char* kPadTrackDigits = "PadTrackDigits";
inline constexpr const char* kCapitalisation = "Capitalisation";
inline constexpr const char* kSafeNames = "SafeNames";
inline constexpr const char* kSafeReplacement = "SafeReplacement";
// Slot keys: the word with the slot's position from 0 appended ("InIndex0").
inline constexpr const char* kInIndex = "InIndex";
inline constexpr const char* kOutIndex = "OutIndex";
inline constexpr const char* kInDivider = "InDivider";
inline constexpr const char* kOutDivider = "OutDivider";
// The width the user gave a column of the results list, by the column's
// position from 0: "ColumnWidth0" is the Existing Filename's.
inline constexpr const char* kColumnWidth = "ColumnWidth";

inline QString PlacementKey(const QString& prefix, const char* word) {
    return prefix + QLatin1String(word);
}

inline QString SlotKey(const char* word, int position) {
    return QLatin1String(word) + QString::number(position);
}

}  // namespace SettingsKeys

// A stored Top or Left of this value counts as never stored.
inline constexpr int kPositionNotStored = -10000;
