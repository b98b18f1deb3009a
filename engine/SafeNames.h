#pragma once

#include <QString>

// Names that FAT, exFAT and NTFS can hold, so that a library can be copied
// to a car player's stick or a Windows drive: none of the characters
// : * ? " < > | \ nor a control character, and no dot or space at the end.

inline constexpr char kDefaultSafeReplacement[] = "-";

// Whether a character cannot be in a name on those file systems ("/" aside,
// which no Linux name holds either).
bool IsUnsafeNameCharacter(QChar c);

// The replacement text as typed, without the characters it may not hold:
// those above and "/". Empty leaves the characters out of the name.
QString SafeReplacementOf(const QString& typed);
// Whether the replacement holds none of them.
bool IsSafeReplacement(const QString& typed);

// The name with each unsafe character replaced and its trailing dots and
// spaces dropped. A "/" in it, which leads into a subfolder, stays.
QString SafeName(const QString& name, const QString& replacement);
