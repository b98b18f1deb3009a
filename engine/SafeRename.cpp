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

// Creates the new name exclusively, so that nobody else holds it, and renames
// onto that empty reservation. A bare rename onto a name that is not ours
// could replace somebody's file.
int RenameOntoReservation(int dir, const QByteArray& oldPath, const QByteArray& newPath) {
    const int fd = ::openat(dir, newPath.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    struct stat reserved {};
    const bool known = ::fstat(fd, &reserved) == 0;
    ::close(fd);
    if (::renameat(dir, oldPath.constData(), dir, newPath.constData()) == 0)
        return 0;
    const int error = errno;
    // Remove the reservation only while it is still the empty file we made.
    struct stat now {};
    if (known && ::fstatat(dir, newPath.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        now.st_dev == reserved.st_dev && now.st_ino == reserved.st_ino && S_ISREG(now.st_mode) &&
        now.st_size == 0)
        ::unlinkat(dir, newPath.constData(), 0);
    return error;
}

int RenameNoReplace(int dir, const QByteArray& oldPath, const QByteArray& newPath,
                    RenameMethod method) {
    if (method == RenameMethod::Automatic) {
        const int error = RenameNoReplaceCall(dir, oldPath, newPath);
        // EINVAL, ENOSYS and EPERM mean the flag itself was refused (exFAT
        // through FUSE, old kernels, container filters).
        if (error != EINVAL && error != ENOSYS && error != EPERM)
            return error;
    }
    return RenameOntoReservation(dir, oldPath, newPath);
}

bool DiffersOnlyInCase(const QByteArray& a, const QByteArray& b) {
    return a != b && SameNameIgnoringCase(a, b);
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

QByteArray TemporaryPath(const QByteArray& folder) {
    const quint64 token = QRandomGenerator::global()->generate64();
    return JoinPath(folder, ".norvane-" + QByteArray::number(token, 16) + ".tmp");
}

// A case-only change where the file system ignores case: the new spelling
// already names the file itself, so it moves aside first.
int RenameThroughTemporary(int dir, const QByteArray& oldPath, const QByteArray& newPath,
                           RenameMethod method) {
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

}  // namespace

std::optional<QByteArray> EncodeNewName(const QString& newName) {
    if (newName.isEmpty() || newName.contains(QChar(0)))
        return std::nullopt;
    std::optional<QByteArray> plain = PlainUtf8(newName);
    QByteArray encoded = plain ? std::move(*plain) : QFile::encodeName(newName);
    if (!plain && QFile::decodeName(encoded) != newName)
        return std::nullopt;
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
                      RenameMethod method) {
    if (!IsUsablePath(oldName) || !IsUsablePath(newName))
        return oldName.size() >= PATH_MAX || newName.size() >= PATH_MAX ? ENAMETOOLONG : EINVAL;
    return RenameNoReplace(folder, oldName, newName, method);
}

int SafeRenameAt(int folder, const QByteArray& oldName, const QByteArray& newName,
                 RenameMethod method) {
    const int error = RenameNoReplaceAt(folder, oldName, newName, method);
    if (error != EEXIST)
        return error;
    const QByteArray newFolder = FolderOf(newName);
    if (newFolder != FolderOf(oldName) || !DiffersOnlyInCase(NameOf(oldName), NameOf(newName)))
        return error;
    if (ListingHolds(folder, newFolder, NameOf(newName)))
        return error;
    return RenameThroughTemporary(folder, oldName, newName, method);
}

int SafeRename(const QByteArray& oldPath, const QByteArray& newPath, RenameMethod method) {
    return SafeRenameAt(AT_FDCWD, oldPath, newPath, method);
}
