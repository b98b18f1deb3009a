#pragma once

#include <QByteArray>

#include "engine/SafeRename.h"

// The execute run's tests and renames for names within one folder, given as
// an open descriptor of that folder (or AT_FDCWD, and then the names are
// paths). The rules are those of FileExistsAt(path) and SafeRename(); opened
// once for all the files of a folder, the folder spares the kernel a walk of
// the whole path for every test and rename.

// Whether a file exists at name: an entry that is not a folder, links
// followed; a dangling link counts as a file.
bool FileExistsAt(int folder, const QByteArray& name);

// Steps 1 and 2 of SafeRename() alone: the no-replace rename, or the rename
// onto a reservation of the new name where the file system lacks it. Returns
// 0 or the errno; EEXIST when an entry holds the new name.
int RenameNoReplaceAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                      RenameMethod method = RenameMethod::Automatic);

// SafeRename() for names within the folder.
int SafeRenameAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                 RenameMethod method = RenameMethod::Automatic);
