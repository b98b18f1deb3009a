#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include "engine/FileExistence.h"
#include "engine/FileNameText.h"
#include "engine/FileSystemRules.h"
#include "engine/FolderListing.h"

// The folders the check before execute looks at, as the execute run will
// find them: each one listed once, with the rules of its file system, and
// changed only in the check's own memory as the rows it walks are renamed.
// Nothing on disk is written; the folders are read with listings and stat.

// One entry of a checked folder.
struct CheckedEntry {
    QByteArray spelling;  // the exact name it has now
    EntryKind kind = EntryKind::None;
    int movedInBy = -1;  // the row whose rename put it here; -1 when it was here before
};

struct CheckedFolder {
    QByteArray path;  // as first reached, to list it and to name it
    bool exists = false;
    bool listed = false;    // its listing was read: an entry not in it is not there
    bool writable = false;  // entries can be renamed in it
    bool letGo = false;     // its entries were let go: it can tell nothing more
    FolderId id;
    FileSystemRules rules;
    // How it compares names: the file system's own way where it could be told.
    LetterCase letterCase = LetterCase::Unknown;
    // Entries by FileNameKey() of their names (exact where the case is not
    // known to be ignored); -1 marks a name known to be free.
    QHash<QByteArray, int> entries;
    // Where the case is not known: entries by their name ignoring case, so
    // that a name that may be taken there is worth a warning.
    QHash<QByteArray, int> ignoringCase;

    NameCase nameCase() const {
        return letterCase == LetterCase::Ignores ? NameCase::Ignored : NameCase::Exact;
    }
};

class CheckedFolders {
public:
    // The folder of a file row, by its path (the row's exact folder bytes).
    int folderAt(const QByteArray& path);
    // The folder that `relative` (a path of one or more components) names
    // below folder `from`, or -1 when there is none: then `missing` holds
    // the components up to the first one that is not a folder.
    int subfolder(int from, const QByteArray& relative, QByteArray* missing);

    CheckedFolder& folder(int index) { return m_folders[index]; }
    CheckedEntry& entry(int index) { return m_entries[index]; }

    // The entry that holds `name` in the folder now, or -1.
    int find(int folder, const QByteArray& name);
    // An entry whose name differs from `name` only in letter case, where the
    // folder's file system may or may not tell them apart; -1 for none.
    int findIgnoringCase(int folder, const QByteArray& name);
    // Whether the folder now holds an entry spelled exactly `name`.
    bool holdsExactly(int folder, const QByteArray& name);
    // Entry `index`, found in `from` by `oldName`, now named `newName` in `to`.
    void move(int index, int from, const QByteArray& oldName, int to, const QByteArray& newName,
              int row);
    // Frees what the folder holds of its entries, names included, once no
    // row will look into it again. The indices of its entries may then be
    // given to the entries of folders read later.
    void letGo(int folder);
    // Whether `path` is known to name folder `index`.
    bool isAt(int index, const QByteArray& path) const { return m_byPath.value(path, -1) == index; }

private:
    // The folder at path, read once (with exists false when there is none).
    int addFolder(const QByteArray& path);
    // The folder `name` (one component) names within folder parent, or -1.
    int childFolder(int parent, const QByteArray& name);
    void insert(CheckedFolder& folder, const QByteArray& name, int index);
    int appendEntry(int folder, CheckedEntry entry);
    void remove(CheckedFolder& folder, const QByteArray& name, int index);

    QVector<CheckedFolder> m_folders;
    QVector<CheckedEntry> m_entries;
    // The folder whose entries are all those from m_tailStart on; -1 for none.
    int m_tailOwner = -1;
    qsizetype m_tailStart = 0;
    QHash<QByteArray, int> m_byPath;
    QHash<QPair<quint64, quint64>, int> m_byId;
    struct SubfolderAnswer {
        int folder = -1;
        QByteArray missing;
    };
    QHash<QPair<int, QByteArray>, SubfolderAnswer> m_subfolders;
    FileSystemRulesCache m_rules;
};
