#include "engine/ExecuteRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <exception>
#include <vector>

#include "engine/BatchThreads.h"
#include "engine/FileExistence.h"
#include "engine/FileNameText.h"
#include "engine/FileSystemRules.h"
#include "engine/FolderBatches.h"
#include "engine/FolderListing.h"
#include "engine/NoReplaceSupport.h"
#include "engine/OpenFolder.h"
#include "engine/ResultModel.h"
#include "engine/RowSelection.h"
#include "engine/RunScope.h"
#include "engine/SafeRename.h"
#include "engine/WindowServices.h"
#include "shared/General/Texts.h"

namespace {

// The statuses of the four outcomes, looked up once a run and shared by the rows.
class StatusTexts {
public:
    const QString& of(RowOutcome outcome) const {
        switch (outcome) {
            case RowOutcome::Renamed:
                return m_renamed;
            case RowOutcome::FileDoesNotExist:
                return m_doesNotExist;
            case RowOutcome::NewFileExists:
                return m_newFileExists;
            default:
                return m_renameFailed;
        }
    }

private:
    QString m_renamed = Text(Texts::kStatusRenamed);
    QString m_doesNotExist = Text(Texts::kStatusFileDoesNotExist);
    QString m_newFileExists = Text(Texts::kStatusNewFileExists);
    QString m_renameFailed = Text(Texts::kStatusRenameFailed);
};

// What the file systems of a run's folders let a name be. A name that such a
// file system would change or could not open again is never written there.
class NewNameRules {
public:
    // Whether the file system a new name (relative to the folder open as
    // dir) lands on may hold its last component.
    bool allows(int dir, const QByteArray& folder, const QByteArray& newName) {
        if (m_folder.isNull() || folder != m_folder) {
            m_folder = folder;
            m_rules = rulesOf(dir);
        }
        const qsizetype slash = newName.lastIndexOf('/');
        const QByteArray name = newName.mid(slash + 1);
        if (slash <= 0 || dir == AT_FDCWD)
            return NameAllowedBy(m_rules, name);
        const int sub =
            ::openat(dir, newName.left(slash).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (sub < 0)
            return NameAllowedBy(m_rules, name);
        const bool allowed = NameAllowedBy(rulesOf(sub), name);
        ::close(sub);
        return allowed;
    }

private:
    FileSystemRules rulesOf(int fd) {
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0)
            return {};
        return m_cache.of(fd, static_cast<quint64>(st.st_dev));
    }

    QByteArray m_folder;
    FileSystemRules m_rules;
    FileSystemRulesCache m_cache;
};

// The renames of one run: each file system is asked for the no-replace flag
// until it refuses it once.
class Renamer {
public:
    int renameNoReplace(const OpenFolder& open, int dir, const QByteArray& oldAt,
                        const QByteArray& newAt) {
        bool refused = false;
        const int error = RenameNoReplaceAt(dir, oldAt, newAt, methodFor(open), &refused);
        learn(open, refused);
        return error;
    }
    int safeRename(const OpenFolder& open, int dir, const QByteArray& oldAt,
                   const QByteArray& newAt) {
        bool refused = false;
        const int error = SafeRenameAt(dir, oldAt, newAt, methodFor(open), &refused);
        learn(open, refused);
        return error;
    }

private:
    RenameMethod methodFor(const OpenFolder& open) const {
        return open.device() ? m_support.methodFor(*open.device()) : RenameMethod::Automatic;
    }
    void learn(const OpenFolder& open, bool refused) {
        if (refused && open.device())
            m_support.noteRefused(*open.device());
    }

    NoReplaceSupport m_support;
};

// The file at `existing` was renamed: the folder's listing no longer
// answers for it.
RowOutcome RenamedAway(OpenFolder& open, const QByteArray& existing) {
    open.renamed(existing);
    return RowOutcome::Renamed;
}

// The execute decisions, in their order, for one row: no file at either path;
// a file at both that differ not only in case; else the rename. The common
// case asks the disk least: the no-replace rename itself tells that the new
// name is free, so it goes first when the old file exists, and the new name
// is tested only when the rename found it taken (it then changed nothing).
RowOutcome ExecuteRowIn(OpenFolder& open, NewNameRules& rules, Renamer& renamer,
                        const ResultRow& row) {
    const QByteArray folder = row.folderOnDisk();
    const QByteArray existing = row.existingOnDisk();
    // A name that cannot be a file's name names no file, and its rename fails.
    // A name that cannot be on this file system names no file either.
    std::optional<QByteArray> newName = EncodeNewName(row.newName);
    const int dir = open.descriptorFor(folder);
    if (newName && !rules.allows(dir, folder, *newName))
        newName.reset();
    const QByteArray oldAt = OpenFolder::at(dir, folder, existing);
    const QByteArray newAt = newName ? OpenFolder::at(dir, folder, *newName) : QByteArray();
    // The folder's listing tells for all its rows at once that their files
    // are there and are files; the disk is asked where it does not know.
    bool oldExists = open.listsFile(existing) || FileExistsAt(dir, oldAt);
    if (oldExists && newName) {
        const int error = renamer.renameNoReplace(open, dir, oldAt, newAt);
        if (error == 0)
            return RenamedAway(open, existing);
        // The file may have gone since the listing was read.
        if (error == ENOENT)
            oldExists = FileExistsAt(dir, oldAt);
        if (oldExists) {
            // Both names are in the same folder, whose own name (UTF-8 or
            // not) is no part of the question.
            if (FileExistsAt(dir, newAt) && !SameNameIgnoringCase(existing, *newName))
                return RowOutcome::NewFileExists;
            // A taken name may still be the file itself under another case.
            if (error == EEXIST && renamer.safeRename(open, dir, oldAt, newAt) == 0)
                return RenamedAway(open, existing);
            return RowOutcome::RenameFailed;
        }
    }
    const bool newExists = newName && FileExistsAt(dir, newAt);
    if (!oldExists && !newExists)
        return RowOutcome::FileDoesNotExist;
    if (newName && renamer.safeRename(open, dir, oldAt, newAt) == 0)
        return RenamedAway(open, existing);
    return RowOutcome::RenameFailed;
}

// What each thread of a run keeps to itself.
struct RunWorker {
    OpenFolder open;
    NewNameRules rules;
    Renamer renamer;
};

// The rows a run renames: the file rows with a proposal, in list order; the
// others only move the bar. A failure while they are gathered (the
// selection asked for a row) is kept, and thrown once those before it are done.
std::vector<int> RowsToRun(const ResultModel& model, const RowSelection* selection, RunScope& run,
                           std::exception_ptr& failure) {
    std::vector<int> rows;
    try {
        rows.reserve(static_cast<std::size_t>(selection ? selection->count() : model.size()));
        for (int i = 0; i < model.size(); ++i) {
            if (selection && !selection->isSelected(i))
                continue;
            const ResultRow& row = model.row(i);
            if (row.isFolderRow() || !row.hasProposal())
                run.advance();
            else
                rows.push_back(i);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    return rows;
}

void ExecuteRowsIn(ResultModel& model, WindowServices& services, const RowSelection* selection,
                   UndoSet* renamed) {
    const StatusTexts texts;
    if (renamed) {
        renamed->clear();
        // Room for every rename the run may make, taken once.
        qsizetype proposals = 0;
        for (const ResultRow& row : model.rows())
            proposals += row.hasProposal() ? 1 : 0;
        renamed->reserve(selection ? std::min<qsizetype>(selection->count(), proposals)
                                   : proposals);
    }
    RunScope run(model, services, selection ? selection->count() : model.size());
    std::exception_ptr failure;
    const std::vector<int> rows = RowsToRun(model, selection, run, failure);

    // The folders go at the same time, each on one thread in list order; the
    // rows stay as they are until all are done. None: not done.
    FolderBatches batches(model, rows);
    if (batches.count() > 1 && !batches.foldersApartOnDisk(model, rows))
        batches.joinInListOrder();
    std::vector<RowOutcome> outcomes(rows.size(), RowOutcome::None);
    std::atomic<qint64> done{0};
    qint64 counted = 0;
    const auto countDone = [&] {
        for (const qint64 now = done.load(std::memory_order_relaxed); counted < now; ++counted)
            run.advance();
    };
    const int threads = batches.count() > 1 ? BatchThreadCount() : 1;
    std::vector<RunWorker> workers(static_cast<std::size_t>(threads));
    try {
        RunBatches(
            batches.count(), threads,
            [&](int worker, int batch) {
                RunWorker& own = workers[static_cast<std::size_t>(worker)];
                for (const int k : batches.batch(batch)) {
                    // A row counts on the bar as it is begun.
                    done.fetch_add(1, std::memory_order_relaxed);
                    if (worker == 0)
                        countDone();
                    const ResultRow& row = model.row(rows[static_cast<std::size_t>(k)]);
                    outcomes[static_cast<std::size_t>(k)] =
                        ExecuteRowIn(own.open, own.rules, own.renamer, row);
                }
            },
            countDone);
    } catch (...) {
        // A row's failure comes before the rows not gathered.
        failure = std::current_exception();
    }

    for (std::size_t k = 0; k < rows.size(); ++k) {
        const RowOutcome outcome = outcomes[k];
        if (outcome == RowOutcome::None)
            continue;
        const int i = rows[k];
        // What an undo needs, taken before the row changes.
        if (renamed && outcome == RowOutcome::Renamed)
            renamed->append(UndoEntry::of(i, model.row(i)));
        ResultRow& target = model.mutableRow(i);
        target.status = texts.of(outcome);
        target.outcome = outcome;
        run.touched(i);
    }
    countDone();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace

void ExecuteRows(ResultModel& model, WindowServices& services, UndoSet* renamed) {
    ExecuteRowsIn(model, services, nullptr, renamed);
}

void ExecuteRows(ResultModel& model, WindowServices& services, const RowSelection& selection,
                 UndoSet* renamed) {
    ExecuteRowsIn(model, services, &selection, renamed);
}
