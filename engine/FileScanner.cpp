#include "engine/FileScanner.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>
#include <vector>

#include "engine/FileNameText.h"
#include "engine/FileSizer.h"
#include "engine/FolderListing.h"
#include "engine/NameSorter.h"
#include "engine/PseudoFileSystem.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"

namespace {

// Puts the window back the way the scan found it, in a fixed order: redraw,
// progress text, cursor, labels. Runs also when the scan throws; then a
// failing step does not stop the later ones, nor replace the scan's own error.
class ScanCleanup {
public:
    explicit ScanCleanup(WindowServices& services) : m_services(services) {}
    ScanCleanup(const ScanCleanup&) = delete;
    ScanCleanup& operator=(const ScanCleanup&) = delete;
    ~ScanCleanup() {
        if (!m_done)
            run();
    }

    void beginBusy() {
        m_services.beginBusy();
        m_busy = true;
    }
    void suspendRedraw() {
        m_services.suspendResultsRedraw();
        m_suspended = true;
    }
    // The end of a scan that went well: the first failing step is the scan's error.
    void finish() {
        m_done = true;
        if (std::exception_ptr failure = run())
            std::rethrow_exception(failure);
    }

private:
    std::exception_ptr run() {
        std::exception_ptr first;
        auto step = [&](auto&& call) {
            try {
                call();
            } catch (...) {
                if (!first)
                    first = std::current_exception();
            }
        };
        if (m_suspended)
            step([&] { m_services.resumeResultsRedraw(); });
        step([&] { m_services.showProgressText(QString()); });
        if (m_busy)
            step([&] { m_services.endBusy(); });
        step([&] { m_services.updateFileCountLabels(); });
        m_suspended = m_busy = false;
        return first;
    }

    WindowServices& m_services;
    bool m_done = false;
    bool m_busy = false;
    bool m_suspended = false;
};

bool IsAscii(const char* bytes, qsizetype length) {
    for (qsizetype i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

// The extension of a name as the filter sees it: from the last "." on, dot
// included, lower case; empty when there is no ".". A tail of ASCII bytes
// reads the same in every encoding; any other is read with the whole name,
// which decides whether it is UTF-8.
QString FilterExtension(const char* name, qsizetype length, LegacyEncoding legacy,
                        const QLocale& locale) {
    const void* dot = memrchr(name, '.', static_cast<size_t>(length));
    if (dot == nullptr)
        return QString();
    const char* start = static_cast<const char*>(dot);
    const qsizetype tailLength = name + length - start;
    if (IsAscii(start, tailLength))
        return locale.toLower(QString::fromLatin1(start, tailLength));
    const QString text = DecodeListedName(QByteArray(name, length), legacy).text;
    return locale.toLower(text.mid(text.lastIndexOf(u'.')));
}

constexpr size_t kKnownTails = 32;

}  // namespace

// Appends the scan's pending rows to the model when it goes out of scope, so
// that a failing scan keeps the rows it listed; a failure to append then does
// not replace the scan's own error.
class FileScanner::PendingRowsGuard {
public:
    explicit PendingRowsGuard(FileScanner& scanner) : m_scanner(scanner) {}
    PendingRowsGuard(const PendingRowsGuard&) = delete;
    PendingRowsGuard& operator=(const PendingRowsGuard&) = delete;
    ~PendingRowsGuard() {
        try {
            m_scanner.appendPendingRows();
        } catch (...) {
        }
    }
    void appendNow() { m_scanner.appendPendingRows(); }

private:
    FileScanner& m_scanner;
};

// What stays the same during the walk of one input folder.
struct FileScanner::Walk {
    QString base;
    QByteArray baseBytes;
    ScanOptions options;
    // Sizes the files taken, beside the walk, when the window shows their total.
    FileSizer& sizer;
    QStringList filter;
    QLocale locale;
    NameSorter sorter;
    // The folders being walked from the input folder down to the current one.
    std::vector<FolderId> branch;
    // What the filter said about the extensions met so far: a library holds
    // few of them, and each one is lower-cased by the locale only once.
    std::vector<std::pair<QByteArray, bool>> tails;

    // Whether the extension filter takes the file of this name.
    bool takes(const char* name, qsizetype length) {
        const void* dot = memrchr(name, '.', static_cast<size_t>(length));
        const char* tail = dot ? static_cast<const char*>(dot) : name + length;
        const qsizetype tailLength = name + length - tail;
        for (const auto& [known, taken] : tails) {
            if (known.size() == tailLength && std::memcmp(known.constData(), tail, tailLength) == 0)
                return taken;
        }
        const bool taken =
            filter.contains(FilterExtension(name, length, options.legacyEncoding, locale));
        // Only an ASCII tail is taken or not whatever the rest of the name.
        if (tails.size() < kKnownTails && IsAscii(tail, tailLength))
            tails.emplace_back(QByteArray(tail, tailLength), taken);
        return taken;
    }
};

FileScanner::FileScanner(ResultModel& model, WindowServices& services)
    : m_model(model), m_services(services) {}

void FileScanner::ScanInputFolders(const QStringList& inputFolders, int first, int last,
                                   const ScanOptions& options) {
    // The window handles its events during the scan; a copy keeps the
    // positions valid even if the caller's list changes meanwhile.
    const QStringList folders = inputFolders;
    if (m_depth == 0)
        m_stopRequested = false;
    ++m_depth;
    struct DepthGuard {
        int& depth;
        ~DepthGuard() { --depth; }
    } depthGuard{m_depth};
    ScanCleanup cleanup(m_services);
    // The sizes of the folders listed so far count before the labels show
    // the totals, also when the scan fails.
    struct SizesGuard {
        FileScanner& scanner;
        ~SizesGuard() { scanner.collectSizes(); }
    } sizesGuard{*this};
    const bool full = first < 0 || last < 0;
    if (full) {
        first = 0;
        last = static_cast<int>(folders.size()) - 1;
        m_fileCount = 0;
        // A scan this one runs inside may still have folders being sized:
        // they belong to the totals that restart here.
        m_sizer.collect();
        m_totalSize = 0;
    }
    // Positions past the end of the list name no folder.
    last = std::min(last, static_cast<int>(folders.size()) - 1);

    const QLocale locale = QLocale::system();
    QStringList filter;
    if (options.extensionFilter) {
        // The user sees the lines in lower case after the scan; they are the filter.
        filter = m_services.extensionLines();
        for (QString& line : filter)
            line = locale.toLower(line);
        m_services.setExtensionLines(filter);
    }
    cleanup.beginBusy();
    cleanup.suspendRedraw();
    if (full) {
        m_pendingRows.clear();
        m_model.clear();
    }

    {
        // The rows listed so far reach the model also when the scan fails.
        PendingRowsGuard pending(*this);
        for (int p = first; p <= last && !m_stopRequested; ++p) {
            Walk walk{folders.at(p), {}, options, m_sizer, filter, locale, NameSorter(locale), {}, {}};
            // One trailing "/" goes, but the root stays "/".
            if (walk.base.size() > 1 && walk.base.endsWith(u'/'))
                walk.base.chop(1);
            walk.baseBytes = QFile::encodeName(walk.base);
            ScanFolder(walk, QString(), QByteArray(), false);
        }
        pending.appendNow();
    }
    collectSizes();
    cleanup.finish();
}

void FileScanner::collectSizes() {
    m_totalSize += m_sizer.collect();
}

void FileScanner::requestStop() {
    if (m_depth > 0)
        m_stopRequested = true;
}

void FileScanner::appendPendingRows() {
    m_model.appendRows(std::exchange(m_pendingRows, {}));
}

// What the listing of one folder gave: the files the filter takes and the
// subfolders to walk, names as text and as their exact bytes.
struct FileScanner::Listing {
    FolderId id;
    QStringList fileNames;
    QList<QByteArray> fileBytes;
    QList<bool> fileNotUtf8;
    QList<bool> fileKeepsBytes;
    QStringList folderNames;
    QList<QByteArray> folderBytes;
    QList<bool> folderNotUtf8;
    QString pseudoFileSystem;
};

FileScanner::ListOutcome FileScanner::listFolder(Walk& walk, const QByteArray& pathBytes,
                                                 Listing& listed) {
    // Closed before the subfolders are walked, so that deep trees do not
    // hold a listing open per level.
    FolderListing listing(pathBytes);
    listed.id = listing.id();
    if (listing.isOpen()) {
        // A link back to a folder of the current branch would never end.
        if (std::find(walk.branch.begin(), walk.branch.end(), listed.id) != walk.branch.end())
            return ListOutcome::OnBranch;
        // Only a folder on another device than its parent can start another
        // file system: the file system's type is asked at such a crossing
        // alone, and for the input folder itself.
        if (walk.branch.empty() || walk.branch.back().device != listed.id.device) {
            listed.pseudoFileSystem = PseudoFileSystemOf(listing.descriptor());
            if (!listed.pseudoFileSystem.isEmpty())
                return ListOutcome::SystemFolder;
        }
    }
    FolderEntry entry;
    while (listing.next(entry)) {
        if (entry.isFolder) {
            if (walk.options.recursive) {
                listed.folderBytes.append(QByteArray(entry.name, entry.length));
                ListedName name =
                    DecodeListedName(listed.folderBytes.last(), walk.options.legacyEncoding);
                listed.folderNames.append(std::move(name.text));
                listed.folderNotUtf8.append(name.notUtf8);
            }
            continue;
        }
        if (walk.options.extensionFilter && !walk.takes(entry.name, entry.length))
            continue;
        listed.fileBytes.append(QByteArray(entry.name, entry.length));
        ListedName name = DecodeListedName(listed.fileBytes.last(), walk.options.legacyEncoding);
        listed.fileNames.append(std::move(name.text));
        listed.fileNotUtf8.append(name.notUtf8);
        listed.fileKeepsBytes.append(!name.givesBackBytes);
    }
    if (walk.options.totalSize && listing.isOpen())
        walk.sizer.add(listing.descriptor(), listed.fileBytes);
    return ListOutcome::Listed;
}

void FileScanner::appendFolderRows(QVector<ResultRow>& rows, Walk& walk, const QString& label,
                                   const QByteArray& labelBytes, const QString& path,
                                   const QByteArray& pathBytes, bool pathNotUtf8,
                                   const Listing& listed) {
    const LegacyEncoding legacy = walk.options.legacyEncoding;
    ResultRow folderRow;
    folderRow.existing = QString(u'[' + label + u']');
    // Its bytes are kept, like a file's, only where the text does not give
    // them back.
    const QByteArray captionBytes = '[' + labelBytes + ']';
    if (folderRow.existing.toUtf8() != captionBytes)
        folderRow.setExistingBytes(captionBytes);
    // The label is the path below the input folder, whose own path is UTF-8.
    folderRow.nameNotUtf8 = pathNotUtf8;
    folderRow.legacyEncoding = legacy;
    rows.append(std::move(folderRow));
    // One folder record, shared by all rows of the folder.
    ResultRow first;
    first.setFolder(path, pathBytes, pathNotUtf8);
    for (qsizetype i : walk.sorter.sortedOrder(listed.fileNames)) {
        ResultRow row;
        // A row keeps the bytes only when its text does not give them back;
        // where it does, they are its text.
        if (listed.fileKeepsBytes.at(i)) {
            row.existing = listed.fileNames.at(i);
            row.setExistingBytes(listed.fileBytes.at(i));
        } else {
            row.existing = NameText::fromWellFormedUtf8(listed.fileBytes.at(i));
        }
        row.nameNotUtf8 = listed.fileNotUtf8.at(i);
        row.sharedFolder = first.sharedFolder;
        row.legacyEncoding = legacy;
        rows.append(std::move(row));
    }
}

void FileScanner::ScanFolder(Walk& walk, const QString& relative, const QByteArray& relativeBytes,
                             bool relativeNotUtf8) {
    const bool isBase = relative.isNull();
    const QString path = isBase ? walk.base : JoinPath(walk.base, relative);
    const QByteArray pathBytes = isBase ? walk.baseBytes : JoinPath(walk.baseBytes, relativeBytes);
    m_services.showProgressText(path);
    m_services.processPendingMessages();

    Listing listed;
    const ListOutcome outcome = listFolder(walk, pathBytes, listed);
    if (outcome == ListOutcome::OnBranch)
        return;
    // A subfolder on a pseudo file system is left out without a word; an
    // input folder there keeps its row, and the window says why it is empty.
    if (outcome == ListOutcome::SystemFolder && !isBase)
        return;
    appendFolderRows(m_pendingRows, walk, isBase ? walk.base : relative,
                     isBase ? walk.baseBytes : relativeBytes, path, pathBytes, relativeNotUtf8,
                     listed);
    if (outcome == ListOutcome::SystemFolder) {
        m_services.skippedSystemFolder(path, listed.pseudoFileSystem);
        return;
    }
    m_fileCount += static_cast<int>(listed.fileNames.size());

    if (listed.folderNames.isEmpty() || m_stopRequested)
        return;
    walk.branch.push_back(listed.id);
    for (qsizetype i : walk.sorter.sortedOrder(listed.folderNames)) {
        if (m_stopRequested)
            break;
        const bool notUtf8 = relativeNotUtf8 || listed.folderNotUtf8.at(i);
        if (isBase)
            ScanFolder(walk, listed.folderNames.at(i), listed.folderBytes.at(i), notUtf8);
        else
            ScanFolder(walk, JoinPath(relative, listed.folderNames.at(i)),
                       JoinPath(relativeBytes, listed.folderBytes.at(i)), notUtf8);
    }
    walk.branch.pop_back();
}
