#include "engine/UndoRun.h"

#include <QSet>

#include <cerrno>
#include <cstring>

#include "engine/FileExistence.h"
#include "engine/FileNameText.h"
#include "engine/FolderListing.h"
#include "engine/OpenFolder.h"
#include "engine/ResultModel.h"
#include "engine/RunScope.h"
#include "engine/SafeRename.h"
#include "shared/General/Texts.h"

namespace {

enum class Undo { Done, OriginalTaken, RenamedGone, Failed };

// Whether the folder lists an entry spelled exactly as name.
bool Lists(const QByteArray& folder, const QByteArray& name) {
    FolderListing listing(folder);
    FolderEntry entry;
    while (listing.next(entry)) {
        if (QByteArrayView(entry.name, entry.length) == name)
            return true;
    }
    return false;
}

// One rename as it reached the disk.
struct Rename {
    Rename(const UndoEntry& entry, const ResultRow& renamed)
        : folder(entry.folder()), oldName(UndoEntry::oldName(renamed)), newName(entry.newName()) {}
    QByteArray folder;
    QByteArray oldName;
    QByteArray newName;
};

// Where the file system ignores case, a file renamed by a case-only change
// and renamed again in the same run under another spelling of that name
// (a row listing it so) can have been given its old spelling back already
// by the undo of that later rename: its new name then stands only for the
// old one, which the folder lists.
bool BackUnderItsOldSpelling(const Rename& entry) {
    return entry.oldName != entry.newName && !entry.newName.contains('/') &&
           SameNameIgnoringCase(entry.oldName, entry.newName) &&
           !Lists(entry.folder, entry.newName) && Lists(entry.folder, entry.oldName);
}

// The undo of one rename: the renamed file must still be there, and the old
// name free, unless the two differ only in case and name the same file.
Undo UndoOne(OpenFolder& open, const Rename& entry, int& error) {
    if (entry.newName.isEmpty())
        return Undo::RenamedGone;
    const int dir = open.descriptorFor(entry.folder);
    const QByteArray renamedAt = OpenFolder::at(dir, entry.folder, entry.newName);
    const QByteArray originalAt = OpenFolder::at(dir, entry.folder, entry.oldName);
    if (!FileExistsAt(dir, renamedAt))
        return Undo::RenamedGone;
    const bool caseOnly = SameNameIgnoringCase(JoinPath(entry.folder, entry.oldName),
                                               JoinPath(entry.folder, entry.newName));
    if (caseOnly && BackUnderItsOldSpelling(entry))
        return Undo::Done;
    if (FileExistsAt(dir, originalAt) && !caseOnly)
        return Undo::OriginalTaken;
    error = SafeRenameAt(dir, renamedAt, originalAt);
    if (error == 0)
        return Undo::Done;
    return error == EEXIST ? Undo::OriginalTaken : Undo::Failed;
}

QString StatusOf(Undo undo, int error) {
    switch (undo) {
        case Undo::Done:
            return Text(Texts::kStatusRenameUndone);
        case Undo::OriginalTaken:
            return Text(Texts::kStatusUndoFailed).arg(Text(Texts::kUndoOriginalTaken));
        case Undo::RenamedGone:
            return Text(Texts::kStatusUndoFailed).arg(Text(Texts::kUndoRenamedGone));
        case Undo::Failed:
            break;
    }
    return Text(Texts::kStatusUndoFailed).arg(QString::fromLocal8Bit(std::strerror(error)));
}

// Leaves in the set only the renames that were not undone, when the undo
// ends, also by an error: those undone are never undone twice.
class KeepNotUndone {
public:
    explicit KeepNotUndone(UndoSet& renames)
        : m_renames(renames), m_undone(renames.size(), false) {}
    KeepNotUndone(const KeepNotUndone&) = delete;
    KeepNotUndone& operator=(const KeepNotUndone&) = delete;
    ~KeepNotUndone() {
        try {
            qsizetype kept = 0;
            for (qsizetype k = 0; k < m_renames.size(); ++k) {
                if (!m_undone.at(k))
                    m_renames[kept++] = std::move(m_renames[k]);
            }
            m_renames.resize(kept);
        } catch (...) {
        }
    }
    void undone(qsizetype k) { m_undone[k] = true; }

private:
    UndoSet& m_renames;
    QVector<bool> m_undone;
};

}  // namespace

void UndoRenames(ResultModel& model, UndoSet& renames, WindowServices& services) {
    RunScope run(model, services, static_cast<int>(renames.size()));
    KeepNotUndone keep(renames);
    OpenFolder open;
    // The paths whose file stays where the run put it: an earlier rename
    // that ended at such a path was followed by another rename of the same
    // file, and what holds that path now is not its file.
    QSet<QByteArray> heldPaths;
    for (qsizetype k = renames.size() - 1; k >= 0; --k) {
        run.advance();
        const int renamedRow = renames.at(k).row;
        // The list no longer holding the renamed row, nothing says what the
        // file was called: the entry stays, undone never.
        if (renamedRow < 0 || renamedRow >= model.size() ||
            !renames.at(k).isOf(model.row(renamedRow)))
            continue;
        const Rename rename(renames.at(k), model.row(renamedRow));
        int error = 0;
        const Undo undo = heldPaths.contains(JoinPath(rename.folder, rename.newName))
                              ? Undo::RenamedGone
                              : UndoOne(open, rename, error);
        if (undo == Undo::Done)
            keep.undone(k);
        else
            heldPaths.insert(JoinPath(rename.folder, rename.oldName));
        ResultRow& row = model.mutableRow(renamedRow);
        row.status = StatusOf(undo, error);
        row.outcome = undo == Undo::Done ? RowOutcome::RenameUndone : RowOutcome::UndoFailed;
        run.touched(renamedRow);
    }
}
