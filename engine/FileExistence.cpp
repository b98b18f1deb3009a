#include "engine/FileExistence.h"

#include <fcntl.h>
#include <sys/stat.h>

bool FileExistsAt(int folder, const QByteArray& name) {
    if (name.isEmpty() || name.contains('\0'))
        return false;
    struct stat entry {};
    if (::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISLNK(entry.st_mode))
        return !S_ISDIR(entry.st_mode);
    struct stat target {};
    if (::fstatat(folder, name.constData(), &target, 0) != 0)
        return true;  // a dangling link: an entry all the same, and a rename must not replace it
    return !S_ISDIR(target.st_mode);
}

bool FileExistsAt(const QByteArray& path) {
    return FileExistsAt(AT_FDCWD, path);
}
