#pragma once

#include <QList>
#include <QStringList>
#include <QVector>

#include "engine/FileSizer.h"
#include "engine/LegacyEncoding.h"
#include "engine/ResultRow.h"

class ResultModel;
class WindowServices;

// What the scan reads from the window's controls when it starts.
struct ScanOptions {
    bool recursive = true;        // "Recursive"
    bool extensionFilter = true;  // "Only these extensions:", its lines from the services
    // The window shows the files' total size. Without it, a file the listing
    // already calls a file is not looked at again, and TotalSize() stays 0.
    bool totalSize = true;
    // What names that are not UTF-8 are read as.
    LegacyEncoding legacyEncoding = LegacyEncoding::Windows1252;
};

// Lists the files of the input folders as result rows: per folder a folder row
// "[label]", then its files sorted by name, then its subfolders (depth first).
// Keeps the file count and total size since the last full rescan.
class FileScanner {
public:
    FileScanner(ResultModel& model, WindowServices& services);

    int FileCount() const { return m_fileCount; }
    qint64 TotalSize() const { return m_totalSize; }

    // Scans the input folders at positions first to last (0-based, both
    // included) and appends their rows. A negative first or last is a full
    // rescan: every row goes, the totals restart, and all folders are scanned.
    // Redraw, progress text, cursor and labels are restored also when it throws.
    void ScanInputFolders(const QStringList& inputFolders, int first, int last,
                          const ScanOptions& options);

    // Asked while a scan runs (from the window's events, which the scan
    // handles once a folder): the scan ends once the folder it is listing is
    // done. Its rows and totals stay. A request when no scan runs does nothing.
    void requestStop();
    bool isScanning() const { return m_depth > 0; }
    // Whether the last scan ended on a request rather than at its end.
    bool wasStopped() const { return m_stopRequested; }

private:
    struct Walk;
    struct Listing;
    class PendingRowsGuard;
    enum class ListOutcome { Listed, OnBranch, SystemFolder };
    // Lists one folder and walks its subfolders, depth first. relativeNotUtf8
    // says that a name of the relative path is not UTF-8.
    void ScanFolder(Walk& walk, const QString& relative, const QByteArray& relativeBytes,
                    bool relativeNotUtf8);
    // The files and subfolders of one folder; nothing for a folder that is
    // already being walked higher up the branch, or on a pseudo file system.
    static ListOutcome listFolder(Walk& walk, const QByteArray& pathBytes, Listing& listed);
    // Appends the folder's row "[label]", then its files sorted by name.
    static void appendFolderRows(QVector<ResultRow>& rows, Walk& walk, const QString& label,
                                 const QByteArray& labelBytes, const QString& path,
                                 const QByteArray& pathBytes, bool pathNotUtf8,
                                 const Listing& listed);
    // Hands the folders' rows to the model, in order, in one insert.
    void appendPendingRows();
    // Adds the sizes of the folders listed so far to the total.
    void collectSizes();

    ResultModel& m_model;
    WindowServices& m_services;
    int m_fileCount = 0;
    qint64 m_totalSize = 0;
    FileSizer m_sizer;
    // Scans run inside each other (a scan posted during a scan); a stop ends them all.
    int m_depth = 0;
    bool m_stopRequested = false;
    // The rows of the folders listed since the scan began, not yet in the
    // model. A view lays out all its rows again after each insert it is told
    // of while it handles events, so inserts made between the scan's pauses
    // would cost the whole list once a folder; collected here they reach the
    // model together at the scan's end, in one insert. They are one list,
    // which the model takes over as it is when it is empty: the rows are
    // never held twice. A scan that runs inside another one adds to the same
    // list, so that the order of the rows stays the order of the listing.
    QVector<ResultRow> m_pendingRows;
};
