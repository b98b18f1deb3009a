#include "engine/check/RenameCheck.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <climits>
#include <optional>

#include "engine/FileNameText.h"
#include "engine/FolderListing.h"
#include "engine/ResultModel.h"
#include "engine/SafeRename.h"
#include "engine/check/CheckedFolders.h"
#include "shared/General/Texts.h"

namespace {

// A New Filename as the execute run addresses it: the folder part (empty
// for a name within the row's own folder) and the name that lands there.
struct NewPath {
    QByteArray whole;
    QByteArray folderPart;
    QByteArray name;
};

NewPath SplitNewPath(const QByteArray& encoded) {
    NewPath path;
    path.whole = encoded;
    const qsizetype slash = encoded.lastIndexOf('/');
    path.name = encoded.mid(slash + 1);
    if (slash > 0)
        path.folderPart = encoded.left(slash);
    return path;
}

QString Shown(const QByteArray& name) {
    return QFile::decodeName(name);
}

// Why a New Filename cannot be a file's name at all (EncodeNewName gives nothing).
RowForecast NotANameForecast(const QString& newName) {
    RowForecast forecast{RowOutcome::RenameFailed, CheckReason::NotAName,
                         Text(Texts::kCheckNotAName)};
    if (newName.contains(QChar(0)))
        return forecast;
    const QByteArray bytes = QFile::encodeName(newName);
    for (const QByteArray& component : bytes.split('/')) {
        if (component == "..") {
            forecast.reason = CheckReason::LeavesFolder;
            forecast.text = Text(Texts::kCheckLeavesFolder);
            break;
        }
        if (component.size() > NAME_MAX) {
            forecast.reason = CheckReason::NameTooLong;
            forecast.text = Text(Texts::kCheckNameTooLong).arg(component.size()).arg(NAME_MAX);
            break;
        }
    }
    return forecast;
}

RowForecast NotAllowedForecast(const WindowsNameFault& fault) {
    QString text;
    if (!fault.atEnd)
        text = Text(Texts::kCheckNotAllowed).arg(QChar::fromLatin1(fault.character));
    else if (fault.character == ' ')
        text = Text(Texts::kCheckSpaceAtEnd);
    else
        text = Text(Texts::kCheckDotAtEnd);
    return {RowOutcome::RenameFailed, CheckReason::NotAllowed, text};
}

// The walk over the rows: the folders as the rows before leave them.
//
// Where every row stays in its own folder, a folder's listing is let go as
// soon as the walk moves on to the next one, so that the walk holds about
// one listing at a time, not a whole library's. Should a later row lead back
// to a folder let go (rows of one folder that do not follow each other, or
// the same folder reached by another path) or lead into another folder, the
// walk gives up, and the rows are walked again keeping every listing.
class ExecuteForecast {
public:
    ExecuteForecast(const QVector<ResultRow>& rows, bool letFoldersGo)
        : m_rows(rows), m_forecasts(rows.size()), m_letFoldersGo(letFoldersGo) {}

    std::optional<RowForecasts> run() {
        for (int i = 0; i < m_rows.size(); ++i) {
            const ResultRow& row = m_rows.at(i);
            if (row.isFolderRow() || !row.hasProposal())
                continue;
            // A name that leads into another folder may meet a folder let go.
            if (m_letFoldersGo && row.newNameMayLeaveFolder())
                return std::nullopt;
            if (!enterFolderOf(row))
                return std::nullopt;
            m_forecasts.set(i, forecastRow(i, row));
        }
        resolveWaiting();
        return m_forecasts;
    }

private:
    bool enterFolderOf(const ResultRow& row);
    RowForecast forecastRow(int i, const ResultRow& row);
    RowForecast takenForecast(int i, int occupant, RowOutcome outcome);
    RowForecast renamed(int i, int entry, int from, const QByteArray& oldName, int to,
                        const QByteArray& newName);
    void resolveWaiting();

    const QVector<ResultRow>& m_rows;
    RowForecasts m_forecasts;
    // The reason of every row whose file is gone, looked up once and shared:
    // after an execute run, the rows renamed have no file at their old name.
    const QString m_fileGone = Text(Texts::kCheckFileGone);
    CheckedFolders m_folders;
    // Rows whose new name an entry holds that was there before the run, with
    // that entry's name then: the entry may yet be renamed by a later row.
    struct Waiting {
        int row;
        int entry;
        QByteArray name;
    };
    QVector<Waiting> m_waiting;
    QByteArray m_lastFolderBytes;  // kept, so that its address names these bytes
    int m_lastFolder = -1;
    // The row that moves an entry away after a row waited for it.
    QHash<int, int> m_movedLaterBy;
    QSet<int> m_waitedFor;
    const bool m_letFoldersGo;
};

// Makes the row's folder the one the walk is in; false when the walk let
// it go already.
bool ExecuteForecast::enterFolderOf(const ResultRow& row) {
    const QByteArray folderBytes = row.folderOnDisk();
    // The rows of a folder follow each other and share its bytes.
    if (folderBytes.constData() == m_lastFolderBytes.constData() &&
        folderBytes.size() == m_lastFolderBytes.size())
        return true;
    const int left = m_lastFolder;
    m_lastFolderBytes = folderBytes;
    // The folder left is let go before the next is read, so that the next
    // takes the places of its entries. What its rows waited for is settled
    // first: no later row can rename its entries.
    if (m_letFoldersGo && left >= 0 && !m_folders.isAt(left, folderBytes)) {
        resolveWaiting();
        m_folders.letGo(left);
    }
    m_lastFolder = m_folders.folderAt(folderBytes);
    return !m_folders.folder(m_lastFolder).letGo;
}

RowForecast ExecuteForecast::forecastRow(int i, const ResultRow& row) {
    const QByteArray folderBytes = m_lastFolderBytes;
    const QByteArray existing = row.existingOnDisk();
    const int own = m_lastFolder;
    const int oldEntry = m_folders.find(own, existing);
    const bool oldIsFile = oldEntry >= 0 && m_folders.entry(oldEntry).kind == EntryKind::File;

    const std::optional<QByteArray> encoded = EncodeNewName(row.newName);
    const NewPath path = encoded ? SplitNewPath(*encoded) : NewPath();
    QByteArray missing;
    const int target = !encoded ? -1
                       : path.folderPart.isEmpty()
                           ? (m_folders.folder(own).exists ? own : -1)
                           : m_folders.subfolder(own, path.folderPart, &missing);
    // The execute run judges a name by the file system it lands on.
    const FileSystemRules& rules = m_folders.folder(target >= 0 ? target : own).rules;
    const std::optional<WindowsNameFault> fault =
        encoded && rules.windowsNames ? FindWindowsNameFault(path.name) : std::nullopt;
    const bool usable = encoded && !fault;

    if (!oldIsFile) {
        const int occupant = usable && target >= 0 ? m_folders.find(target, path.name) : -1;
        const bool newIsFile = occupant >= 0 && m_folders.entry(occupant).kind == EntryKind::File;
        return {newIsFile ? RowOutcome::RenameFailed : RowOutcome::FileDoesNotExist,
                CheckReason::FileGone, m_fileGone};
    }
    if (!encoded)
        return NotANameForecast(row.newName);
    if (fault)
        return NotAllowedForecast(*fault);
    if (target < 0)
        return {RowOutcome::RenameFailed, CheckReason::NoFolder,
                Text(Texts::kCheckNoFolder).arg(Shown(missing))};
    const CheckedFolder& to = m_folders.folder(target);
    if (path.name.size() > to.rules.nameMax || path.whole.size() >= PATH_MAX) {
        const int limit = path.name.size() > to.rules.nameMax ? to.rules.nameMax : PATH_MAX - 1;
        const qsizetype size =
            path.name.size() > to.rules.nameMax ? path.name.size() : path.whole.size();
        return {RowOutcome::RenameFailed, CheckReason::NameTooLong,
                Text(Texts::kCheckNameTooLong).arg(size).arg(limit)};
    }

    const int occupant = m_folders.find(target, path.name);
    const EntryKind occupantKind = occupant >= 0 ? m_folders.entry(occupant).kind : EntryKind::None;
    // The run's own test: a file at both paths that differ not only in case.
    if (occupantKind == EntryKind::File &&
        !SameNameIgnoringCase(JoinPath(folderBytes, existing), JoinPath(folderBytes, path.whole)))
        return takenForecast(i, occupant, RowOutcome::NewFileExists);

    const CheckedFolder& from = m_folders.folder(own);
    if (!from.writable || !to.writable)
        return {
            RowOutcome::RenameFailed, CheckReason::NotWritable,
            Text(Texts::kCheckNotWritable)
                .arg(Shown(to.writable ? folderBytes : JoinPath(folderBytes, path.folderPart)))};
    if (from.id.device != to.id.device)
        return {RowOutcome::RenameFailed, CheckReason::OtherFileSystem,
                Text(Texts::kCheckOtherFileSystem).arg(Shown(path.folderPart))};

    if (occupantKind == EntryKind::File) {
        // The taken name differs from the old one only in case: the run goes
        // through a temporary name when it is the file itself, which the
        // listing tells by not holding the new spelling.
        const bool caseOnly = path.folderPart.isEmpty() && existing != path.name &&
                              SameNameIgnoringCase(existing, path.name);
        if (caseOnly && from.listed && !m_folders.holdsExactly(own, path.name))
            return renamed(i, oldEntry, own, existing, own, path.name);
        if (occupant == oldEntry)
            return {RowOutcome::RenameFailed,
                    caseOnly ? CheckReason::FolderUnread : CheckReason::AlreadyNamed,
                    Text(caseOnly ? Texts::kCheckFolderUnread : Texts::kCheckAlreadyNamed)};
        return takenForecast(i, occupant, RowOutcome::RenameFailed);
    }
    if (occupantKind == EntryKind::Folder)
        return {RowOutcome::RenameFailed, CheckReason::TakenByFolder,
                Text(Texts::kCheckTakenByFolder)};

    RowForecast forecast = renamed(i, oldEntry, own, existing, target, path.name);
    const int similar = m_folders.findIgnoringCase(target, path.name);
    if (similar >= 0 && similar != oldEntry) {
        forecast.reason = CheckReason::CaseMayClash;
        forecast.text =
            Text(Texts::kCheckCaseMayClash).arg(Shown(m_folders.entry(similar).spelling));
    }
    return forecast;
}

// A file holds the new name: one that a row before moved there, or one that
// was there before the run, which a later row may move away.
RowForecast ExecuteForecast::takenForecast(int i, int occupant, RowOutcome outcome) {
    const CheckedEntry& entry = m_folders.entry(occupant);
    if (entry.movedInBy >= 0)
        return {outcome, CheckReason::SameNewName,
                Text(Texts::kCheckSameNewName).arg(m_rows.at(entry.movedInBy).existing)};
    m_waiting.append({i, occupant, entry.spelling});
    m_waitedFor.insert(occupant);
    return {outcome, CheckReason::TakenByFile, Text(Texts::kCheckTakenByFile)};
}

RowForecast ExecuteForecast::renamed(int i, int entry, int from, const QByteArray& oldName, int to,
                                     const QByteArray& newName) {
    if (m_waitedFor.contains(entry) && !m_movedLaterBy.contains(entry))
        m_movedLaterBy.insert(entry, i);
    m_folders.move(entry, from, oldName, to, newName, i);
    return {RowOutcome::Renamed, CheckReason::None, QString()};
}

// Gives the rows that waited for an entry a later row renames their reason,
// and forgets them.
void ExecuteForecast::resolveWaiting() {
    for (const Waiting& waiting : std::as_const(m_waiting)) {
        const auto later = m_movedLaterBy.constFind(waiting.entry);
        if (later == m_movedLaterBy.constEnd() || *later < waiting.row)
            continue;
        RowForecast forecast = m_forecasts.at(waiting.row);
        forecast.reason = CheckReason::RenamedLater;
        forecast.text = Text(Texts::kCheckRenamedLater).arg(Shown(waiting.name));
        m_forecasts.set(waiting.row, forecast);
    }
    m_waiting.clear();
    m_movedLaterBy.clear();
    m_waitedFor.clear();
}

}  // namespace

RowForecasts ForecastExecute(const QVector<ResultRow>& rows) {
    if (std::optional<RowForecasts> forecasts = ExecuteForecast(rows, true).run())
        return *std::move(forecasts);
    return *ExecuteForecast(rows, false).run();
}

bool ShowsProblem(const ResultRow& row) {
    return row.isFileRow() &&
           (row.checkReason != CheckReason::None || IsExecuteError(row.outcome) ||
            row.outcome == RowOutcome::NotInputFormat || row.outcome == RowOutcome::ProcessFailed);
}

namespace {

// Whether a row holds a proposal the execute run has not carried out yet.
bool AwaitsRename(const ResultRow& row) {
    return row.isFileRow() && row.hasProposal() && row.outcome != RowOutcome::Renamed;
}

}  // namespace

CheckCounts CountCheckReasons(const QVector<ResultRow>& rows) {
    CheckCounts counts;
    for (const ResultRow& row : rows) {
        if (!AwaitsRename(row))
            continue;
        ++counts.proposals;
        if (CheckReasonFails(row.checkReason))
            ++counts.willFail;
        else if (row.checkReason != CheckReason::None)
            ++counts.mayFail;
    }
    return counts;
}

CheckCounts CheckRows(ResultModel& model) {
    // Only the rows still to be renamed show a forecast. With none left (an
    // execute run that renamed every proposal) there is nothing to foresee,
    // and the folders are not read again.
    const QVector<ResultRow>& rows = model.rows();
    if (std::none_of(rows.cbegin(), rows.cend(), AwaitsRename)) {
        bool cleared = false;
        for (int i = 0; i < model.size(); ++i) {
            if (model.row(i).checkReason == CheckReason::None && model.row(i).check().isEmpty())
                continue;
            ResultRow& row = model.mutableRow(i);
            row.checkReason = CheckReason::None;
            row.setCheck({});
            cleared = true;
        }
        if (cleared)
            model.checksChanged();
        // The counts are of the rows that await their rename: none.
        return {};
    }
    const RowForecasts forecasts = ForecastExecute(rows);
    for (int i = 0; i < model.size(); ++i) {
        ResultRow& row = model.mutableRow(i);
        const RowForecast forecast = forecasts.at(i);
        // A row renamed already is done; its proposal is kept only for the user.
        const bool done = row.outcome == RowOutcome::Renamed;
        row.checkReason = done ? CheckReason::None : forecast.reason;
        row.setCheck(done ? QString() : forecast.text);
    }
    model.checksChanged();
    return CountCheckReasons(model.rows());
}
