#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A temporary folder tree with real files for tests. Paths given to it are
// relative to its root and use "/". The byte variants take names that are not
// valid UTF-8, which QDir cannot see; the tree is removed with POSIX calls
// for that reason, with everything in it, when the object goes.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    bool isValid() const { return !m_root.isEmpty(); }
    QString path() const;
    QByteArray pathBytes() const { return m_root; }
    // The full path of an entry of the tree; an empty relative path is the root.
    QString filePath(const QString& relative) const;
    QByteArray filePathBytes(const QByteArray& relative) const;

    // Each creates the folders above the new entry as needed and returns
    // whether it worked. Files hold size bytes (sparse, so large sizes cost
    // no disk space).
    bool addFolder(const QString& relative);
    bool addFolderBytes(const QByteArray& relative);
    bool addFile(const QString& relative, qint64 size = 0);
    bool addFileBytes(const QByteArray& relative, qint64 size = 0);
    // A symbolic link at relative holding target as written (relative to the link's folder
    // or absolute).
    bool addSymlink(const QString& relative, const QString& target);

    // Whether an entry exists at relative, without following a final link.
    bool exists(const QByteArray& relative) const;
    // The names in a folder of the tree, exact bytes, sorted bytewise.
    QList<QByteArray> entryNames(const QByteArray& relative = QByteArray()) const;

private:
    bool makeParents(const QByteArray& full) const;

    QByteArray m_root;
};
