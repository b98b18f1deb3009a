#include "engine/FolderListing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <cstring>

QString JoinPath(const QString& folder, QStringView name) {
    QString path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (!folder.endsWith(u'/'))
        path += u'/';
    path += name;
    return path;
}

QByteArray JoinPath(const QByteArray& folder, const QByteArray& name) {
    QByteArray path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (!folder.endsWith('/'))
        path += '/';
    path += name;
    return path;
}

FolderListing::FolderListing(const QByteArray& path) {
    m_dir = opendir(path.constData());
    if (m_dir == nullptr)
        return;
    struct stat st;
    if (fstat(dirfd(m_dir), &st) == 0)
        m_id = {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

FolderListing::~FolderListing() {
    if (m_dir != nullptr)
        closedir(m_dir);
}

bool FolderListing::next(FolderEntry& entry) {
    if (m_dir == nullptr)
        return false;
    for (;;) {
        const dirent* d = readdir(m_dir);
        if (d == nullptr)
            return false;
        const char* name = d->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        entry.name = name;
        entry.length = static_cast<qsizetype>(std::strlen(name));
        if (d->d_type == DT_DIR) {
            entry.isFolder = true;
        } else if (d->d_type == DT_UNKNOWN || d->d_type == DT_LNK) {
            // Only these need a look at the entry itself; a link that leads
            // nowhere fails the stat and stays a file.
            struct stat st;
            entry.isFolder = fstatat(dirfd(m_dir), name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        } else {
            entry.isFolder = false;
        }
        return true;
    }
}
