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
// text after a fifth field, or no field at all.
FilenameScheme ParseSchemeText(const QString& text);
