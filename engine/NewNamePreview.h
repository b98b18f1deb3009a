#pragma once

#include <QString>

#include "engine/FilenameScheme.h"
#include "engine/NameComputation.h"

// The preview of the new filename scheme as the clean-up options change the
// names it stands for: the words Artist, Album and Trackname in the letter
// case chosen ("ARTIST"), a padded Track# with the digits of track 1 after it
// ("Track# (01)"), the characters FAT cannot hold replaced in the dividers,
// and all of it in the composed form with "Unicode NFC". With the clean-up
// options off it is SchemePreviewText.
QString NewSchemePreviewText(const FilenameScheme& scheme, const QString& firstExtensionLine,
                             const NameOptions& options);
