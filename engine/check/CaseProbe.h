#pragma once

#include <QByteArray>
#include <QVector>

#include "engine/FileExistence.h"
#include "engine/FileSystemRules.h"

// Whether the file system of an open folder ignores letter case, found by
// asking it, without writing: a name of the folder's listing, with the case
// of its letters turned, is looked up. Where the file system ignores case,
// the lookup finds the entry; where it keeps case, the lookup finds nothing
// while the name itself is still there. Unknown when no name of the listing
// can tell (no letter in any name, names vanishing meanwhile).
// Subfolders are asked first: a FUSE file system may keep the other
// spelling of a looked-up name for a moment after its file is renamed, and
// folders are never renamed.
LetterCase ProbeLetterCase(int folder, const QVector<QByteArray>& names,
                           const QVector<EntryKind>& kinds);
