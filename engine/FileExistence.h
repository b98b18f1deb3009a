#pragma once

#include <QByteArray>

// What an entry of a folder is, as the execute run sees it: links followed,
// a dangling link is a file.
enum class EntryKind { None, File, Folder };

// The kind of the entry `name` within the folder given as an open descriptor
// (or AT_FDCWD, and then the name is a path).
EntryKind EntryKindAt(int folder, const QByteArray& name);

// Whether a file exists at a path, as the execute run tests it: an entry that
// is not a folder, links followed; a dangling link counts as a file. The path
// is the exact bytes on disk. A path holding a NUL byte names nothing.
bool FileExistsAt(const QByteArray& path);

// The same for a name within a folder given as an open descriptor (or
// AT_FDCWD, and then the name is a path). The execute run opens each folder
// once for all its files, which spares the kernel a walk of the whole path
// for every test.
bool FileExistsAt(int folder, const QByteArray& name);
