#include "engine/check/CheckedFolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/check/CaseProbe.h"

namespace {

bool CanRenameIn(int fd) {
    return ::faccessat(fd, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace

int CheckedFolders::folderAt(const QByteArray& path) {
    const auto known = m_byPath.constFind(path);
    if (known != m_byPath.constEnd())
        return *known;
    const int index = addFolder(path);
    m_byPath.insert(path, index);
    return index;
}

int CheckedFolders::addFolder(const QByteArray& path) {
    CheckedFolder folder;
    folder.path = path;
    const int index = static_cast<int>(m_folders.size());
    if (path.contains('\0')) {
        m_folders.append(std::move(folder));
        return index;
    }
    FolderListing listing(path);
    // A folder that cannot be read may still be searched, name by name.
    const int pathFd =
        listing.isOpen() ? -1 : ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const int fd = listing.isOpen() ? listing.descriptor() : pathFd;
    // The listing knows its folder's identity already.
    struct stat st {};
    if (listing.isOpen() && listing.id() != FolderId()) {
        folder.exists = true;
        folder.id = listing.id();
    } else if (fd >= 0 && ::fstat(fd, &st) == 0) {
        folder.exists = true;
        folder.id = {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
    }
    // The same folder reached by another path (a link, a second input
    // folder) is the same folder.
    const auto same = m_byId.constFind({folder.id.device, folder.id.inode});
    if (!folder.exists || same != m_byId.constEnd()) {
        if (pathFd >= 0)
            ::close(pathFd);
        if (folder.exists)
            return *same;
        m_folders.append(std::move(folder));
        return index;
    }
    m_byId.insert({folder.id.device, folder.id.inode}, index);
    folder.rules = m_rules.of(fd, folder.id.device);
    folder.writable = CanRenameIn(fd);
    folder.letterCase = folder.rules.letterCase;

    QVector<QByteArray> names;
    QVector<EntryKind> kinds;
    if (listing.isOpen()) {
        folder.listed = true;
        FolderEntry entry;
        while (listing.next(entry)) {
            names.append(QByteArray(entry.name, entry.length));
            kinds.append(entry.isFolder ? EntryKind::Folder : EntryKind::File);
        }
        if (folder.rules.folderCaseFolding && FolderFoldsCase(fd)) {
            folder.letterCase = LetterCase::Ignores;
        } else if (folder.rules.askLetterCase) {
            // Where the type does not settle it, the file system itself tells.
            const LetterCase probed = ProbeLetterCase(fd, names, kinds);
            if (probed != LetterCase::Unknown)
                folder.letterCase = probed;
        }
    }
    if (pathFd >= 0)
        ::close(pathFd);

    folder.entries.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        // Where case is ignored, two listed names the same to us but not to
        // the file system keep the first one.
        if (folder.entries.contains(FileNameKey(names.at(i), folder.nameCase())))
            continue;
        insert(folder, names.at(i), appendEntry(index, {names.at(i), kinds.at(i), -1}));
    }
    m_folders.append(std::move(folder));
    return index;
}

int CheckedFolders::subfolder(int from, const QByteArray& relative, QByteArray* missing) {
    const QPair<int, QByteArray> key{from, relative};
    auto known = m_subfolders.constFind(key);
    if (known == m_subfolders.constEnd()) {
        SubfolderAnswer answer;
        int at = m_folders.at(from).exists ? from : -1;
        qsizetype start = 0;
        while (at >= 0 && start <= relative.size()) {
            qsizetype end = relative.indexOf('/', start);
            if (end < 0)
                end = relative.size();
            at = childFolder(at, relative.mid(start, end - start));
            if (at < 0)
                answer.missing = relative.left(end);
            start = end + 1;
        }
        answer.folder = at;
        known = m_subfolders.insert(key, answer);
    }
    if (missing)
        *missing = known->missing;
    return known->folder;
}

int CheckedFolders::childFolder(int parent, const QByteArray& name) {
    if (name.isEmpty() || name == ".")
        return parent;
    QByteArray path;
    if (name == "..") {
        path = JoinPath(m_folders.at(parent).path, name);
    } else if (m_folders.at(parent).listed) {
        // By the spelling the listing holds: a file system that ignores case
        // finds "live" as "Live", and may give each spelling its own inode
        // number (exFAT through FUSE), so only the listed one names the folder.
        const int entry = find(parent, name);
        if (entry < 0 || m_entries.at(entry).kind != EntryKind::Folder)
            return -1;
        path = JoinPath(m_folders.at(parent).path, m_entries.at(entry).spelling);
    } else {
        path = JoinPath(m_folders.at(parent).path, name);
    }
    const int child = folderAt(path);
    return m_folders.at(child).exists ? child : -1;
}

int CheckedFolders::find(int folderIndex, const QByteArray& name) {
    CheckedFolder& folder = m_folders[folderIndex];
    if (!folder.exists)
        return -1;
    const QByteArray key = FileNameKey(name, folder.nameCase());
    const auto it = folder.entries.constFind(key);
    if (it != folder.entries.constEnd())
        return *it;
    if (folder.listed)
        return -1;
    // A folder that cannot be listed is asked name by name.
    const EntryKind kind = EntryKindAt(AT_FDCWD, JoinPath(folder.path, name));
    int index = -1;
    if (kind != EntryKind::None) {
        index = appendEntry(folderIndex, {name, kind, -1});
    }
    folder.entries.insert(key, index);
    return index;
}

int CheckedFolders::findIgnoringCase(int folderIndex, const QByteArray& name) {
    const CheckedFolder& folder = m_folders.at(folderIndex);
    if (folder.letterCase != LetterCase::Unknown)
        return -1;
    return folder.ignoringCase.value(FileNameKey(name, NameCase::Ignored), -1);
}

bool CheckedFolders::holdsExactly(int folderIndex, const QByteArray& name) {
    if (!m_folders.at(folderIndex).listed)
        return true;  // a folder that cannot be listed may hold it
    const int index = find(folderIndex, name);
    return index >= 0 && m_entries.at(index).spelling == name;
}

void CheckedFolders::move(int index, int from, const QByteArray& oldName, int to,
                          const QByteArray& newName, int row) {
    remove(m_folders[from], oldName, index);
    CheckedEntry& moved = m_entries[index];
    moved.spelling = newName;
    moved.movedInBy = row;
    insert(m_folders[to], newName, index);
}

int CheckedFolders::appendEntry(int folder, CheckedEntry entry) {
    if (folder != m_tailOwner) {
        m_tailOwner = folder;
        m_tailStart = m_entries.size();
    }
    m_entries.append(std::move(entry));
    return static_cast<int>(m_entries.size() - 1);
}

void CheckedFolders::letGo(int index) {
    CheckedFolder& folder = m_folders[index];
    if (index == m_tailOwner) {
        // The last entries are all the folder's: their places serve the next.
        m_entries.resize(m_tailStart);
        m_tailOwner = -1;
    } else {
        for (const int entry : std::as_const(folder.entries)) {
            if (entry >= 0)
                m_entries[entry].spelling = QByteArray();
        }
    }
    folder.entries = {};
    folder.ignoringCase = {};
    folder.letGo = true;
}

void CheckedFolders::insert(CheckedFolder& folder, const QByteArray& name, int index) {
    folder.entries.insert(FileNameKey(name, folder.nameCase()), index);
    if (folder.letterCase == LetterCase::Unknown)
        folder.ignoringCase.insert(FileNameKey(name, NameCase::Ignored), index);
}

void CheckedFolders::remove(CheckedFolder& folder, const QByteArray& name, int index) {
    const QByteArray key = FileNameKey(name, folder.nameCase());
    // In a folder that is asked name by name, a name left is known to be free.
    if (folder.listed)
        folder.entries.remove(key);
    else
        folder.entries.insert(key, -1);
    if (folder.letterCase == LetterCase::Unknown) {
        const QByteArray loose = FileNameKey(name, NameCase::Ignored);
        if (folder.ignoringCase.value(loose, -1) == index)
            folder.ignoringCase.remove(loose);
    }
}
