#pragma once

// The value names of the settings key, in one place so that a typo is a
// compile error. Slot keys get the slot's position from 0 appended.
namespace SettingsKeys {

inline constexpr const char* kMainPrefix = "Main";
inline constexpr const char* kRecursive = "Recursive";
inline constexpr const char* kIncludeExtsChecked = "IncludeExtsChecked";
inline constexpr const char* kExtensions = "Extensions";
inline constexpr const char* kRemoveUnderscores = "RemoveUnderscores";
inline constexpr const char* kExtensionLowercase = "ExtensionLowercase";
inline constexpr const char* kInIndex = "InIndex";
inline constexpr const char* kOutIndex = "OutIndex";
inline constexpr const char* kInDivider = "InDivider";
inline constexpr const char* kOutDivider = "OutDivider";

}  // namespace SettingsKeys
