#pragma once

#include <QString>

// The kernel's own file systems (proc, sysfs, devtmpfs, cgroup, debugfs and
// the like) show the state of the machine as files and folders. They hold no
// music, some of their trees never end, and reading some of their files has
// effects: a scan never enters them, so that a folder listed by mistake ("/")
// lists real files only.

// The type name of the pseudo file system that holds the open folder
// descriptor ("proc", "sysfs", ...), or an empty text for a file system that
// holds real files, also when the type cannot be read.
QString PseudoFileSystemOf(int folderDescriptor);
