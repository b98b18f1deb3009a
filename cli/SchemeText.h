#pragma once

#include <QString>

#include "engine/FilenameScheme.h"

// A filename scheme written the way the window's preview shows it, without
// the extension: "Artist - Album - Track# - Trackname". Up to five field
// names, in English under every locale and in any letter case, with the
// divider texts between them.
// Slots not written hold "[none]"; dividers not written are " - "; the text
// after the last written field is the divider on its right.
// Throws UsageError for text before the first field, more than five fields,
// text after a fifth field, or no field at all; and for a word that is not a
// field but is two edits or fewer from one, ignoring case ("Tracknme",
// "Albun"), naming the field it probably means: such a typo would otherwise
// be taken as divider text and leave that field empty in every name.
FilenameScheme ParseSchemeText(const QString& text);

// A scheme as norvane-cli writes it: the English field names of its active
// slots with the dividers that take names apart between them.
QString SchemeTextOf(const FilenameScheme& scheme);
