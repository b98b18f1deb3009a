#include "engine/ExecuteRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/FileExistence.h"
#include "engine/FileNameText.h"
#include "engine/FileSystemRules.h"
#include "engine/FolderListing.h"
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

// The folder of the rows being executed, opened once for all its files: each
// test and rename then names the file within it, and the kernel does not walk
// the whole path again for every call. The rows of a folder follow each other.
// A folder that cannot be opened is addressed by path, as before.
class OpenFolder {
public:
    OpenFolder() = default;
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    ~OpenFolder() { close(); }

    // The descriptor to use for the files of folder, or AT_FDCWD when the
    // folder could not be opened and full paths are needed.
    int descriptorFor(const QByteArray& folder) {
        if (!m_path.isNull() && folder == m_path)
            return m_fd;
        close();
        if (!folder.contains('\0'))
            m_fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        m_rules = RulesOf(m_fd);
        if (m_fd < 0)
            m_fd = AT_FDCWD;
        m_path = folder;
        return m_fd;
    }

    // Whether the file system a new name (relative to the open folder) lands
    // on may hold its last component. A name that such a file system would
    // change or could not open again is never written there.
    bool allows(const QByteArray& newName) {
        const qsizetype slash = newName.lastIndexOf('/');
        const QByteArray name = newName.mid(slash + 1);
        if (slash <= 0 || m_fd == AT_FDCWD)
            return NameAllowedBy(m_rules, name);
        const int sub =
            ::openat(m_fd, newName.left(slash).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (sub < 0)
            return NameAllowedBy(m_rules, name);
        const bool allowed = NameAllowedBy(RulesOf(sub), name);
        ::close(sub);
        return allowed;
    }

private:
    FileSystemRules RulesOf(int fd) {
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0)
            return {};
        return m_cache.of(fd, static_cast<quint64>(st.st_dev));
    }

    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = AT_FDCWD;
        m_path = QByteArray();
    }

    QByteArray m_path;
    int m_fd = AT_FDCWD;
    FileSystemRules m_rules;
    FileSystemRulesCache m_cache;
};

// The execute decisions, in their order, for one row: no file at either path;
// a file at both that differ not only in case; else the rename. The common
// case asks the disk least: the no-replace rename itself tells that the new
// name is free, so it goes first when the old file exists, and the new name
// is tested only when the rename found it taken (it then changed nothing).
RowOutcome ExecuteRowIn(OpenFolder& open, const ResultRow& row) {
    const QByteArray folder = row.folderOnDisk();
    const QByteArray existing = row.existingOnDisk();
    // A name that cannot be a file's name, or not on this file system, names
    // no file, and its rename fails.
    std::optional<QByteArray> newName = EncodeNewName(row.newName);
    const int dir = open.descriptorFor(folder);
    if (newName && !open.allows(*newName))
        newName.reset();
    const QByteArray oldAt = dir == AT_FDCWD ? JoinPath(folder, existing) : existing;
    const QByteArray newAt =
        !newName ? QByteArray() : (dir == AT_FDCWD ? JoinPath(folder, *newName) : *newName);

    const bool oldExists = FileExistsAt(dir, oldAt);
    if (oldExists && newName) {
        const int error = RenameNoReplaceAt(dir, oldAt, newAt);
        if (error == 0)
            return RowOutcome::Renamed;
        if (FileExistsAt(dir, newAt) &&
            !SameNameIgnoringCase(JoinPath(folder, existing), JoinPath(folder, *newName)))
            return RowOutcome::NewFileExists;
        // A taken name may still be the file itself under another case.
        if (error == EEXIST && SafeRenameAt(dir, oldAt, newAt) == 0)
            return RowOutcome::Renamed;
        return RowOutcome::RenameFailed;
    }
    const bool newExists = newName && FileExistsAt(dir, newAt);
    if (!oldExists && !newExists)
        return RowOutcome::FileDoesNotExist;
    if (newName && SafeRenameAt(dir, oldAt, newAt) == 0)
        return RowOutcome::Renamed;
    return RowOutcome::RenameFailed;
}

void ExecuteRowsIn(ResultModel& model, WindowServices& services, const RowSelection* selection) {
    const StatusTexts texts;
    OpenFolder open;
    RunScope run(model, services, selection ? selection->count() : model.size());
    for (int i = 0; i < model.size(); ++i) {
        if (selection && !selection->isSelected(i))
            continue;
        run.advance();
        const ResultRow& row = model.row(i);
        if (row.isFolderRow() || !row.hasProposal())
            continue;
        const RowOutcome outcome = ExecuteRowIn(open, row);
        ResultRow& target = model.mutableRow(i);
        target.status = texts.of(outcome);
        target.outcome = outcome;
        run.touched(i);
    }
}

}  // namespace

void ExecuteRows(ResultModel& model, WindowServices& services) {
    ExecuteRowsIn(model, services, nullptr);
}

void ExecuteRows(ResultModel& model, WindowServices& services, const RowSelection& selection) {
    ExecuteRowsIn(model, services, &selection);
}
