#pragma once

#include <dirent.h>
#include <QByteArray>
#include <QString>
#include <QStringView>

// Joins a folder and a name with one "/": "/" and "a.mp3" give "/a.mp3".
QString JoinPath(const QString& folder, QStringView name);
QByteArray JoinPath(const QByteArray& folder, const QByteArray& name);

// Identifies a folder on disk, so that a walk can tell a folder it is already in.
struct FolderId {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FolderId&, const FolderId&) = default;
};

// One entry of a folder as the listing gives it. The name points into the
// listing and holds until the next call of next().
struct FolderEntry {
    const char* name = nullptr;
    qsizetype length = 0;
    bool isFolder = false;
};

// The entries of one folder, read with POSIX calls: names that are not valid
// UTF-8 are listed too, and folders are told apart without a stat per entry.
// A link counts as what it points to; a dangling link is a file.
class FolderListing {
public:
    // Opens the folder at path (the exact bytes on disk). A folder that is
    // missing or cannot be read lists no entries.
    explicit FolderListing(const QByteArray& path);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    // The open folder's descriptor, for calls on its entries; -1 when not open.
    int descriptor() const { return m_dir != nullptr ? dirfd(m_dir) : -1; }
    // The opened folder's identity (that of the link's target when reached through a link).
    FolderId id() const { return m_id; }

    // The next entry other than "." and ".."; false at the end, also when the
    // folder vanishes while it is read.
    bool next(FolderEntry& entry);

private:
    DIR* m_dir = nullptr;
    FolderId m_id;
};
