#include "TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Removes everything below the open folder fd, then closes it. Links are
// removed, never followed; folders are made writable first so that a test
// that took permissions away does not leave its tree behind.
void RemoveContents(int fd) {
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return;
    }
    while (const dirent* d = readdir(dir)) {
        if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0)
            continue;
        struct stat st;
        if (fstatat(fd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            fchmodat(fd, d->d_name, 0700, 0);
            const int child = openat(fd, d->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (child >= 0)
                RemoveContents(child);
            unlinkat(fd, d->d_name, AT_REMOVEDIR);
        } else {
            unlinkat(fd, d->d_name, 0);
        }
    }
    closedir(dir);
}

}  // namespace

TempTree::TempTree() {
    QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/norvane-test-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr)
        m_root = pattern;
}

TempTree::~TempTree() {
    if (m_root.isEmpty())
        return;
    chmod(m_root.constData(), 0700);
    const int fd = open(m_root.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0)
        RemoveContents(fd);
    rmdir(m_root.constData());
}

QString TempTree::path() const {
    return QFile::decodeName(m_root);
}

QString TempTree::filePath(const QString& relative) const {
    return QFile::decodeName(filePathBytes(QFile::encodeName(relative)));
}

QByteArray TempTree::filePathBytes(const QByteArray& relative) const {
    return relative.isEmpty() ? m_root : m_root + '/' + relative;
}

bool TempTree::makeParents(const QByteArray& full) const {
    for (qsizetype slash = full.indexOf('/', m_root.size() + 1); slash > 0;
         slash = full.indexOf('/', slash + 1)) {
        const QByteArray folder = full.left(slash);
        if (mkdir(folder.constData(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

bool TempTree::addFolder(const QString& relative) {
    return addFolderBytes(QFile::encodeName(relative));
}

bool TempTree::addFolderBytes(const QByteArray& relative) {
    const QByteArray full = filePathBytes(relative);
    if (!isValid() || !makeParents(full))
        return false;
    return mkdir(full.constData(), 0755) == 0 || errno == EEXIST;
}

bool TempTree::addFile(const QString& relative, qint64 size) {
    return addFileBytes(QFile::encodeName(relative), size);
}

bool TempTree::addFileBytes(const QByteArray& relative, qint64 size) {
    const QByteArray full = filePathBytes(relative);
    if (!isValid() || !makeParents(full))
        return false;
    const int fd = open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool sized = ftruncate(fd, static_cast<off_t>(size)) == 0;
    return close(fd) == 0 && sized;
}

bool TempTree::addSymlink(const QString& relative, const QString& target) {
    const QByteArray full = filePathBytes(QFile::encodeName(relative));
    if (!isValid() || !makeParents(full))
        return false;
    return symlink(QFile::encodeName(target).constData(), full.constData()) == 0;
}

bool TempTree::exists(const QByteArray& relative) const {
    struct stat st;
    return isValid() && lstat(filePathBytes(relative).constData(), &st) == 0;
}

QList<QByteArray> TempTree::entryNames(const QByteArray& relative) const {
    QList<QByteArray> names;
    DIR* dir = opendir(filePathBytes(relative).constData());
    if (dir == nullptr)
        return names;
    while (const dirent* d = readdir(dir)) {
        if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
            names.append(QByteArray(d->d_name));
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
