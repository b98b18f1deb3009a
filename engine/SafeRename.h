#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/NameText.h"

// The bytes on disk of a New Filename, as a path below the row's folder, or
// nothing when the name cannot be a file's name: empty, holding a NUL
// character, not encodable, a component longer than the file system allows,
// a ".." component anywhere (it would lead out of the folder), or a last
// component that is empty or ".". A "/" in the name points into a subfolder
// and is kept; the "/" characters it begins with are left
// out, as the folder, a "/" and the name make one path ("/a.mp3" is "a.mp3").
std::optional<QByteArray> EncodeNewName(const QString& newName);
std::optional<QByteArray> EncodeNewName(const NameText& newName);

// How the rename reaches the disk. Automatic is what the program uses; the
// other forces the path taken where the file system lacks a no-replace rename.
enum class RenameMethod { Automatic, ReserveNewName };

// Renames the entry at oldPath to newPath and never replaces an existing
// entry, whatever the file system:
// 1. renameat2 with RENAME_NOREPLACE;
// 2. where the file system refuses that flag, the new name is reserved by
//    creating it exclusively, and the file is renamed onto that reservation of
//    our own (which is removed again when the rename fails);
// 3. when the new name is taken and differs from the old one only in letter
//    case, and the folder listing holds no entry spelled exactly as the new
//    name, the file system ignores case and the taken name is the file itself:
//    the rename goes through a unique temporary name in the same folder, and
//    the old name is put back when the second step fails.
// Returns 0 on success, else the errno that describes the failure; on failure
// the file keeps its old name.
int SafeRename(const QByteArray& oldPath, const QByteArray& newPath,
               RenameMethod method = RenameMethod::Automatic);

// The rename within a folder given as an open descriptor (or AT_FDCWD, and
// then the names are paths), for the execute run, which opens each folder
// once for all its files.

// flagRefused, when given, is set to whether the file system refused the
// no-replace flag during the call: a run that renames many files there then
// asks for ReserveNewName and spares the refused call every time after.

// Steps 1 and 2 of SafeRename() alone: the no-replace rename, or the rename
// onto a reservation of the new name where the file system lacks it. Returns
// 0 or the errno; EEXIST when an entry holds the new name.
int RenameNoReplaceAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                      RenameMethod method = RenameMethod::Automatic, bool* flagRefused = nullptr);

// SafeRename() for names within the folder.
int SafeRenameAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                 RenameMethod method = RenameMethod::Automatic, bool* flagRefused = nullptr);
