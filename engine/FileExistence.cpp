#include "engine/FileExistence.h"

#include <sys/stat.h>

bool FileExistsAt(const QByteArray& path) {
    if (path.isEmpty() || path.contains('\0'))
        return false;
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0)
        return false;
    if (!S_ISLNK(entry.st_mode))
        return !S_ISDIR(entry.st_mode);
    struct stat target {};
    if (::stat(path.constData(), &target) != 0)
        return true;  // a dangling link: an entry all the same, and a rename must not replace it
    return !S_ISDIR(target.st_mode);
}
