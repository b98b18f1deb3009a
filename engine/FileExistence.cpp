#include "engine/FileExistence.h"

#include <fcntl.h>
#include <sys/stat.h>

EntryKind EntryKindAt(int folder, const QByteArray& name) {
    if (name.isEmpty() || name.contains('\0'))
        return EntryKind::None;
    struct stat entry {};
    if (::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::None;
    if (!S_ISLNK(entry.st_mode))
        return S_ISDIR(entry.st_mode) ? EntryKind::Folder : EntryKind::File;
    struct stat target {};
    if (::fstatat(folder, name.constData(), &target, 0) != 0)
        return EntryKind::File;  // a dangling link: an entry all the same, and a rename must not
                                 // replace it
    return S_ISDIR(target.st_mode) ? EntryKind::Folder : EntryKind::File;
}

bool FileExistsAt(int folder, const QByteArray& name) {
    return EntryKindAt(folder, name) == EntryKind::File;
}

bool FileExistsAt(const QByteArray& path) {
    return FileExistsAt(AT_FDCWD, path);
}
