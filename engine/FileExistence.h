#pragma once

#include <QByteArray>

// Whether a file exists at a path, as the execute run tests it: an entry that
// is not a folder, links followed; a dangling link counts as a file. The path
// is the exact bytes on disk. A path holding a NUL byte names nothing.
bool FileExistsAt(const QByteArray& path);
