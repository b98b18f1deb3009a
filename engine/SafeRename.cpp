#include "engine/SafeRename.h"

#include <QFile>
#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <memory>

#include "engine/FileNameText.h"
#include "engine/FolderListing.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace {

constexpr char kSeparator = '/';
constexpr int kTemporaryNameTries = 100;

bool IsUsablePath(const QByteArray& path) {
    return !path.isEmpty() && !path.contains('\0') && path.size() < PATH_MAX;
}

// The folder part and the last component of a path; the folder of "/a" is "/",
// that of a bare name ".".
QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf(kSeparator);
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArray(1, kSeparator);
    return path.left(slash);
}

QByteArray NameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

// Paths below are relative to the folder descriptor `dir` (absolute ones, and
// all of them with AT_FDCWD, work as plain paths).

int RenameNoReplaceCall(int dir, const QByteArray& oldPath, const QByteArray& newPath) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    const int result =
        ::renameat2(dir, oldPath.constData(), dir, newPath.constData(), RENAME_NOREPLACE);
#elif defined(SYS_renameat2)
    const int result = static_cast<int>(::syscall(SYS_renameat2, dir, oldPath.constData(), dir,
                                                  newPath.constData(), RENAME_NOREPLACE));
#else
    errno = ENOSYS;
    const int result = -1;
#endif
    return result == 0 ? 0 : errno;
}

// Whether the folder listing holds an entry spelled exactly as name. Inode
// numbers cannot tell this: exFAT through FUSE gives each spelling its own.
// A folder that cannot be listed counts as holding it, so nothing is risked.
bool ListingHolds(int dir, const QByteArray& folder, const QByteArray& name) {
    const int fd = ::openat(dir, folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    std::unique_ptr<DIR, int (*)(DIR*)> listing(::fdopendir(fd), &::closedir);
    if (!listing) {
        ::close(fd);
        return true;
    }
    while (const dirent* entry = ::readdir(listing.get())) {
        if (name == entry->d_name)
            return true;
    }
    return false;
}

// Where the file system ignores case, a spelling of the new name that names
// no entry of its own stands for the reservation once that is made (the
// kernel may still take such a spelling for a file renamed away a moment
// ago): renaming it would rename the reservation onto itself.
bool OldNameIsOnlyASpellingOfNew(int dir, const QByteArray& oldPath, const QByteArray& newPath) {
    return FolderOf(oldPath) == FolderOf(newPath) &&
           SameNameIgnoringCase(NameOf(oldPath), NameOf(newPath)) &&
           !ListingHolds(dir, FolderOf(oldPath), NameOf(oldPath));
}

// Creates the new name exclusively, as an empty file of our own, and tells
// what it is on disk, so that it is removed again only while it is still
// ours. mknodat makes the file in one call, with no descriptor to close; on
// a FUSE file system that spares the daemon an open, a flush and a release.
// Where it is refused (a container's filter), an exclusive open does the same.
int ReserveName(int dir, const QByteArray& path, struct stat& reserved, bool& known) {
    if (::mknodat(dir, path.constData(), S_IFREG | 0600, 0) == 0) {
        known = ::fstatat(dir, path.constData(), &reserved, AT_SYMLINK_NOFOLLOW) == 0;
        return 0;
    }
    if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    const int fd =
        ::openat(dir, path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    known = ::fstat(fd, &reserved) == 0;
    ::close(fd);
    return 0;
}

// Renames onto an empty reservation of the new name. A bare rename onto a
// name that is not ours could replace somebody's file.
int RenameOntoReservation(int dir, const QByteArray& oldPath, const QByteArray& newPath) {
    struct stat reserved {};
    bool known = false;
    if (const int error = ReserveName(dir, newPath, reserved, known))
        return error;
    int error = ENOENT;
    if (!OldNameIsOnlyASpellingOfNew(dir, oldPath, newPath)) {
        if (::renameat(dir, oldPath.constData(), dir, newPath.constData()) == 0)
            return 0;
        error = errno;
    }
    // Remove the reservation only while it is still the empty file we made.
    struct stat now {};
    if (known && ::fstatat(dir, newPath.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        now.st_dev == reserved.st_dev && now.st_ino == reserved.st_ino && S_ISREG(now.st_mode) &&
        now.st_size == 0)
        ::unlinkat(dir, newPath.constData(), 0);
    return error;
}

// method is Automatic until the file system refused the flag; then it
// becomes ReserveNewName, and the caller's later renames there skip the call.
int RenameNoReplace(int dir, const QByteArray& oldPath, const QByteArray& newPath,
                    RenameMethod& method) {
    if (method == RenameMethod::Automatic) {
        const int error = RenameNoReplaceCall(dir, oldPath, newPath);
        // EINVAL, ENOSYS and EPERM mean the flag itself was refused (exFAT
        // through FUSE, old kernels, container filters).
        if (error != EINVAL && error != ENOSYS && error != EPERM)
            return error;
        method = RenameMethod::ReserveNewName;
    }
    return RenameOntoReservation(dir, oldPath, newPath);
}

bool DiffersOnlyInCase(const QByteArray& a, const QByteArray& b) {
    return a != b && SameNameIgnoringCase(a, b);
}

QByteArray TemporaryPath(const QByteArray& folder) {
    const quint64 token = QRandomGenerator::global()->generate64();
    return JoinPath(folder, ".norvane-" + QByteArray::number(token, 16) + ".tmp");
}

// A case-only change where the file system ignores case: the new spelling
// already names the file itself, so it moves aside first.
int RenameThroughTemporary(int dir, const QByteArray& oldPath, const QByteArray& newPath,
                           RenameMethod& method) {
    const QByteArray folder = FolderOf(oldPath);
    QByteArray temporary;
    int error = EEXIST;
    for (int i = 0; i < kTemporaryNameTries && error == EEXIST; ++i) {
        temporary = TemporaryPath(folder);
        error = RenameNoReplace(dir, oldPath, temporary, method);
    }
    if (error != 0)
        return error;
    error = RenameNoReplace(dir, temporary, newPath, method);
    if (error != 0)
        RenameNoReplace(dir, temporary, oldPath, method);
    return error;
}

int SafeRenameLearning(int dir, const QByteArray& oldName, const QByteArray& newName,
                       RenameMethod& method) {
    if (!IsUsablePath(oldName) || !IsUsablePath(newName))
        return oldName.size() >= PATH_MAX || newName.size() >= PATH_MAX ? ENAMETOOLONG : EINVAL;
    if (oldName == newName)
        return EEXIST;
    const int error = RenameNoReplace(dir, oldName, newName, method);
    if (error != EEXIST)
        return error;
    const QByteArray newFolder = FolderOf(newName);
    if (newFolder != FolderOf(oldName) || !DiffersOnlyInCase(NameOf(oldName), NameOf(newName)))
        return error;
    if (ListingHolds(dir, newFolder, NameOf(newName)))
        return error;
    return RenameThroughTemporary(dir, oldName, newName, method);
}

}  // namespace

std::optional<QByteArray> EncodeNewName(const QString& newName) {
    return EncodeNewName(NameText(newName));
}

std::optional<QByteArray> EncodeNewName(const NameText& newName) {
    // A text without a UTF-8 form, or one whose leading U+FEFF the decoding of
    // a name drops, has no bytes that give it back.
    const QByteArray* utf8 = newName.utf8();
    if (!utf8 || utf8->isEmpty() || utf8->contains('\0') || utf8->startsWith("\xef\xbb\xbf"))
        return std::nullopt;
    QByteArray encoded = *utf8;
    // The name goes after the folder and a "/", and a doubled "/" is one: the
    // separators it begins with lead nowhere else. Kept, they would make the
    // name an absolute path, which the kernel takes as such even against the
    // folder's descriptor.
    qsizetype start = 0;
    while (start < encoded.size() && encoded.at(start) == kSeparator)
        ++start;
    encoded.remove(0, start);
    start = 0;
    // Every component within the length a name may have, none of them ".."
    // (which would lead out of the folder); the last one a name.
    for (;;) {
        qsizetype end = encoded.indexOf(kSeparator, start);
        const bool last = end < 0;
        if (last)
            end = encoded.size();
        if (end - start > NAME_MAX)
            return std::nullopt;
        const QByteArrayView component(encoded.constData() + start, end - start);
        if (component == "..")
            return std::nullopt;
        if (last) {
            if (component.isEmpty() || component == ".")
                return std::nullopt;
            return encoded;
        }
        start = end + 1;
    }
}

int RenameNoReplaceAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                      RenameMethod method, bool* flagRefused) {
    if (!IsUsablePath(oldName) || !IsUsablePath(newName))
        return oldName.size() >= PATH_MAX || newName.size() >= PATH_MAX ? ENAMETOOLONG : EINVAL;
    // A name is never renamed onto itself: the new name is taken, by the
    // file itself, and the reservation would be renamed onto itself.
    if (oldName == newName)
        return EEXIST;
    const RenameMethod asked = method;
    const int error = RenameNoReplace(folder, oldName, newName, method);
    if (flagRefused != nullptr)
        *flagRefused = method != asked;
    return error;
}

int SafeRenameAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                 RenameMethod method, bool* flagRefused) {
    const RenameMethod asked = method;
    const int error = SafeRenameLearning(folder, oldName, newName, method);
    if (flagRefused != nullptr)
        *flagRefused = method != asked;
    return error;
}

int SafeRename(const QByteArray& oldPath, const QByteArray& newPath, RenameMethod method) {
    return SafeRenameAt(AT_FDCWD, oldPath, newPath, method);
}
