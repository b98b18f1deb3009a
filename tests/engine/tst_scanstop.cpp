#include <QTest>
#include <functional>

#include "engine/FileScanner.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"
#include "support/TempTree.h"

// A scan asked to stop ends once the folder it is listing is done: the rows
// of the folders listed so far stay, and the totals count exactly those.

namespace {

// The window's events arrive once a folder, as the scan hands control to
// them; here they are a call that a test chooses.
class EventServices : public WindowServices {
public:
    std::function<void(int)> onPending;  // called with the number of the pause, from 1
    int pauses = 0;
    QStringList extensionLines() override { return {".mp3"}; }
    void processPendingMessages() override {
        ++pauses;
        if (onPending)
            onPending(pauses);
    }
};

// Each file's size tells it apart, so that the total says which files counted.
struct TrackFile {
    const char* path;
    qint64 size;
};
const TrackFile kLibrary[] = {
    {"a.mp3", 1},     {"A1/x.mp3", 2},     {"A1/y.mp3", 4},
    {"B2/z.mp3", 8},  {"B2/C3/w.mp3", 16}, {"B2/C3/notes.txt", 0},
    {"D4/v.mp3", 32}, {"D4/E5/u.mp3", 64}, {"F6/t.mp3", 128},
};

// The folder rows of a full scan, in order: "[~]", "[A1]", "[B2]", "[B2/C3]", ...
QStringList FolderRows(const ResultModel& model) {
    QStringList rows;
    for (const ResultRow& row : model.rows()) {
        if (row.isFolderRow())
            rows.append(row.existing);
    }
    return rows;
}

}  // namespace

class TestScanStop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void stopsAfterTheCurrentFolder_data();
    void stopsAfterTheCurrentFolder();
    void stopEndsTheRemainingInputFolders();
    void stopEndsAScanInsideAScan();
    void requestWithoutScanDoesNothing();

private:
    TempTree m_tree;
    QVector<ResultRow> m_fullRows;
};

void TestScanStop::initTestCase() {
    for (const TrackFile& file : kLibrary)
        QVERIFY(m_tree.addFile(file.path, file.size));
    ResultModel model;
    EventServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({m_tree.path()}, -1, -1, {});
    m_fullRows = model.rows();
    QCOMPARE(FolderRows(model).size(), 7);
    QVERIFY(!scanner.wasStopped());
}

void TestScanStop::stopsAfterTheCurrentFolder_data() {
    QTest::addColumn<int>("stopAt");  // the pause, one a folder, at which Stop comes
    for (int pause = 1; pause <= 7; ++pause)
        QTest::addRow("in folder %d", pause) << pause;
}

// The rows are the full scan's rows up to the end of the folder that was being
// listed; FileCount and TotalSize count those rows' files and nothing else.
void TestScanStop::stopsAfterTheCurrentFolder() {
    QFETCH(int, stopAt);
    ResultModel model;
    EventServices services;
    FileScanner scanner(model, services);
    services.onPending = [&](int pause) {
        if (pause == stopAt)
            scanner.requestStop();
    };
    scanner.ScanInputFolders({m_tree.path()}, -1, -1, {});

    QVERIFY(scanner.wasStopped());
    QCOMPARE(services.pauses, stopAt);
    QCOMPARE(FolderRows(model).size(), stopAt);
    QVERIFY(model.size() <= m_fullRows.size());
    int files = 0;
    qint64 size = 0;
    for (int i = 0; i < model.size(); ++i) {
        const ResultRow& row = model.row(i);
        QCOMPARE(row.existing, m_fullRows.at(i).existing);
        QCOMPARE(row.folder(), m_fullRows.at(i).folder());
        if (row.isFolderRow())
            continue;
        ++files;
        for (const TrackFile& file : kLibrary) {
            if (m_tree.filePath(file.path) == row.folder() + u'/' + row.existing)
                size += file.size;
        }
    }
    // The folder that was being listed is complete: the next row, if any, is a folder row.
    if (model.size() < m_fullRows.size())
        QVERIFY(m_fullRows.at(model.size()).isFolderRow());
    QCOMPARE(scanner.FileCount(), files);
    QCOMPARE(scanner.TotalSize(), size);
}

void TestScanStop::stopEndsTheRemainingInputFolders() {
    TempTree second;
    QVERIFY(second.addFile("s.mp3", 1000));
    ResultModel model;
    EventServices services;
    FileScanner scanner(model, services);
    services.onPending = [&](int pause) {
        if (pause == 2)
            scanner.requestStop();
    };
    scanner.ScanInputFolders({m_tree.path(), second.path()}, -1, -1, {});
    QCOMPARE(FolderRows(model), QStringList({'[' + m_tree.path() + ']', "[A1]"}));
    QCOMPARE(scanner.FileCount(), 3);
    QCOMPARE(scanner.TotalSize(), 7);

    // The next scan is not stopped by the old request, and appends as usual.
    services.onPending = nullptr;
    scanner.ScanInputFolders({m_tree.path(), second.path()}, 1, 1, {});
    QVERIFY(!scanner.wasStopped());
    QCOMPARE(FolderRows(model).last(), '[' + second.path() + ']');
    QCOMPARE(scanner.FileCount(), 4);
    QCOMPARE(scanner.TotalSize(), 1007);
}

// A folder dropped during a scan is scanned from inside it; one Stop ends
// both, each after the folder it was listing.
void TestScanStop::stopEndsAScanInsideAScan() {
    TempTree dropped;
    QVERIFY(dropped.addFile("d.mp3", 500));
    QVERIFY(dropped.addFile("Sub/e.mp3", 600));
    ResultModel model;
    EventServices services;
    FileScanner scanner(model, services);
    const QStringList folders = {m_tree.path(), dropped.path()};
    services.onPending = [&](int pause) {
        if (pause == 1)
            scanner.ScanInputFolders(folders, 1, 1, {});
        else if (pause == 2)
            scanner.requestStop();
    };
    scanner.ScanInputFolders(folders, 0, 0, {});
    QVERIFY(scanner.wasStopped());
    QCOMPARE(services.pauses, 2);
    QCOMPARE(FolderRows(model),
             QStringList({'[' + dropped.path() + ']', '[' + m_tree.path() + ']'}));
    QCOMPARE(scanner.FileCount(), 2);
    QCOMPARE(scanner.TotalSize(), 501);
}

void TestScanStop::requestWithoutScanDoesNothing() {
    ResultModel model;
    EventServices services;
    FileScanner scanner(model, services);
    scanner.requestStop();
    scanner.ScanInputFolders({m_tree.path()}, -1, -1, {});
    QVERIFY(!scanner.wasStopped());
    QCOMPARE(model.size(), m_fullRows.size());
}

QTEST_GUILESS_MAIN(TestScanStop)
#include "tst_scanstop.moc"
