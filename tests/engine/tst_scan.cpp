#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "engine/FileScanner.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"
#include "support/TempTree.h"

namespace {

// Records every call of the scan on the window, keeps the extension memo, and
// throws from one chosen call to show what the scan does when the window fails.
class RecordingServices : public WindowServices {
public:
    QStringList calls;
    QStringList memo{".mp3"};
    QString throwOn;  // the call's name as recorded, without its argument
    int throwAt = 1;  // the occurrence of that call that throws

    void showProgressText(const QString& text) override { record("progress", text); }
    void processPendingMessages() override { record("pending"); }
    void beginBusy() override { record("beginBusy"); }
    void endBusy() override { record("endBusy"); }
    void suspendResultsRedraw() override { record("suspend"); }
    void resumeResultsRedraw() override { record("resume"); }
    QStringList extensionLines() override {
        record("readMemo");
        return memo;
    }
    void setExtensionLines(const QStringList& lines) override {
        record("writeMemo", lines.join(u'|'));
        memo = lines;
    }
    void updateFileCountLabels() override {
        record("labels");
        if (onLabels)
            onLabels();
    }
    std::function<void()> onLabels;

private:
    void record(const QString& name) { check(name, name); }
    void record(const QString& name, const QString& argument) {
        check(name, name + ':' + argument);
    }
    void check(const QString& name, const QString& call) {
        calls.append(call);
        if (name == throwOn && --throwAt == 0)
            throw std::runtime_error("window failed");
    }
};

// The rows as "[label]" for folder rows and "folder | name" for file rows,
// with the tree's root written as "~".
QStringList Rows(const ResultModel& model, const TempTree& tree) {
    QStringList rows;
    for (const ResultRow& row : model.rows()) {
        QString text = row.isFolderRow() ? row.existing.toString()
                                           : row.folder() + " | " + row.existing.toString();
        rows.append(text.replace(tree.path(), "~"));
    }
    return rows;
}

}  // namespace

class TestScan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowOrderAndFolderRows();
    void extensionFilter_data();
    void extensionFilter();
    void notRecursive();
    void missingOrUnreadableFolder();
    void overlappingInputFolders();
    void appendThenFullRescan();
    void servicesInOrder();
    void cleanupWhenTheWindowFails_data();
    void cleanupWhenTheWindowFails();
    void labelsShowTheWholeSize_data();
    void labelsShowTheWholeSize();
};

void TestScan::rowOrderAndFolderRows() {
    TempTree tree;
    QVERIFY(tree.addFile("b.mp3", 1000));
    QVERIFY(tree.addFile("A.mp3", 2000));
    QVERIFY(tree.addFile("a.mp3", 30));
    QVERIFY(tree.addFile("notes.txt", 99));
    QVERIFY(tree.addFile("Live/x.mp3", 4));
    QVERIFY(tree.addFile("Live/Deep/y.mp3", 5));
    QVERIFY(tree.addFile("alpha/Z.mp3", 6));
    QVERIFY(tree.addFolder("only/sub"));
    QVERIFY(tree.addFile("only/sub/s.mp3", 7));
    QVERIFY(tree.addFolder("zed"));

    ResultModel model;
    RecordingServices services;
    FileScanner scanner(model, services);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    scanner.ScanInputFolders({tree.path()}, 0, 0, ScanOptions{});

    // Case-insensitive order, "A.mp3" before "a.mp3" by exact comparison; a
    // folder's files before its subfolders, depth first.
    const QStringList expected{
        "[~]",
        "~ | A.mp3",
        "~ | a.mp3",
        "~ | b.mp3",
        "[alpha]",
        "~/alpha | Z.mp3",
        "[Live]",
        "~/Live | x.mp3",
        "[Live/Deep]",
        "~/Live/Deep | y.mp3",
        "[only]",
        "[only/sub]",
        "~/only/sub | s.mp3",
        "[zed]",
    };
    QCOMPARE(Rows(model, tree), expected);
    QCOMPARE(scanner.FileCount(), 7);
    QCOMPARE(scanner.TotalSize(), qint64(1000 + 2000 + 30 + 4 + 5 + 6 + 7));
    // The rows arrive together, in one insert, and a folder's rows share its path.
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted[0][1].toInt(), 0);
    QCOMPARE(inserted[0][2].toInt(), model.size() - 1);
    QCOMPARE(model.row(1).folder().constData(), model.row(3).folder().constData());
    QCOMPARE(model.row(1).folderBytes().constData(), model.row(3).folderBytes().constData());
    for (const ResultRow& row : model.rows()) {
        QVERIFY(row.newName.isEmpty());
        QVERIFY(row.status.isEmpty());
    }

    // Without the total size (the command line) the same rows and count.
    ScanOptions unsized;
    unsized.totalSize = false;
    scanner.ScanInputFolders({tree.path()}, -1, -1, unsized);
    QCOMPARE(Rows(model, tree), expected);
    QCOMPARE(scanner.FileCount(), 7);
    QCOMPARE(scanner.TotalSize(), qint64(0));
}

void TestScan::extensionFilter_data() {
    QTest::addColumn<bool>("filterOn");
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("memoAfter");

    const QStringList mp3s{"~ | .mp3", "~ | a.Mp3", "~ | SONG.MP3"};
    QTest::newRow("lower-case line") << true << QStringList{".mp3"} << mp3s << QStringList{".mp3"};
    QTest::newRow("upper-case line is lowered")
        << true << QStringList{".MP3", ".Ogg"}
        << QStringList{"~ | .mp3", "~ | a.Mp3", "~ | b.ogg", "~ | SONG.MP3"}
        << QStringList{".mp3", ".ogg"};
    QTest::newRow("line without dot takes nothing")
        << true << QStringList{"mp3"} << QStringList() << QStringList{"mp3"};
    QTest::newRow("blank before dot takes nothing")
        << true << QStringList{" .mp3"} << QStringList() << QStringList{" .mp3"};
    QTest::newRow("empty line takes names without extension")
        << true << QStringList{""} << QStringList{"~ | noext"} << QStringList{""};
    QTest::newRow("empty memo takes nothing")
        << true << QStringList() << QStringList() << QStringList();
    QTest::newRow("filter off takes every file, memo untouched")
        << false << QStringList{".MP3"} << QStringList{"~ | .mp3",  "~ | a.Mp3",     "~ | b.ogg",
                                                       "~ | noext", "~ | notes.txt", "~ | SONG.MP3"}
        << QStringList{".MP3"};
}

void TestScan::extensionFilter() {
    QFETCH(bool, filterOn);
    QFETCH(QStringList, memo);
    QFETCH(QStringList, files);
    QFETCH(QStringList, memoAfter);
    TempTree tree;
    for (const char* name : {"SONG.MP3", "a.Mp3", ".mp3", "b.ogg", "notes.txt", "noext"})
        QVERIFY(tree.addFile(name));

    ResultModel model;
    RecordingServices services;
    services.memo = memo;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, 0, 0, ScanOptions{true, filterOn});
    QCOMPARE(Rows(model, tree), QStringList{"[~]"} + files);
    QCOMPARE(scanner.FileCount(), files.size());
    QCOMPARE(services.memo, memoAfter);
    QCOMPARE(services.calls.contains("readMemo"), filterOn);
}

void TestScan::notRecursive() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 10));
    QVERIFY(tree.addFile("Live/x.mp3", 20));
    ResultModel model;
    RecordingServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, 0, 0, ScanOptions{false, true});
    QCOMPARE(Rows(model, tree), (QStringList{"[~]", "~ | a.mp3"}));
    QCOMPARE(scanner.TotalSize(), qint64(10));
}

void TestScan::missingOrUnreadableFolder() {
    TempTree tree;
    QVERIFY(tree.addFile("file.mp3", 10));
    ResultModel model;
    RecordingServices services;
    FileScanner scanner(model, services);
    // A missing folder, and a file where a folder was expected: folder rows only.
    const QStringList folders{tree.filePath("missing"), tree.filePath("file.mp3")};
    scanner.ScanInputFolders(folders, -1, -1, ScanOptions{});
    QCOMPARE(Rows(model, tree), (QStringList{"[~/missing]", "[~/file.mp3]"}));
    QCOMPARE(scanner.FileCount(), 0);
    QCOMPARE(scanner.TotalSize(), qint64(0));
    QCOMPARE(services.calls.last(), QString("labels"));
}

void TestScan::overlappingInputFolders() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 1));
    QVERIFY(tree.addFile("Live/x.mp3", 100));
    ResultModel model;
    RecordingServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path(), tree.filePath("Live")}, -1, -1, ScanOptions{});
    QCOMPARE(Rows(model, tree), (QStringList{"[~]", "~ | a.mp3", "[Live]", "~/Live | x.mp3",
                                             "[~/Live]", "~/Live | x.mp3"}));
    QCOMPARE(scanner.FileCount(), 3);
    QCOMPARE(scanner.TotalSize(), qint64(201));
}

void TestScan::appendThenFullRescan() {
    TempTree tree;
    QVERIFY(tree.addFile("one/a.mp3", 10));
    QVERIFY(tree.addFile("two/b.mp3", 20));
    ResultModel model;
    RecordingServices services;
    FileScanner scanner(model, services);
    // The second entry ends with "/": it is removed for the label and the path.
    const QStringList folders{tree.filePath("one"), tree.filePath("two") + '/'};

    scanner.ScanInputFolders(folders, 0, 0, ScanOptions{});
    model.setProposal(1, "kept.mp3", "rename pending", RowOutcome::RenamePending);
    scanner.ScanInputFolders(folders, 1, 1, ScanOptions{});
    const QStringList both{"[~/one]", "~/one | a.mp3", "[~/two]", "~/two | b.mp3"};
    QCOMPARE(Rows(model, tree), both);
    QCOMPARE(model.row(1).newName, QString("kept.mp3"));
    QCOMPARE(scanner.FileCount(), 2);
    QCOMPARE(scanner.TotalSize(), qint64(30));

    // Last below first, or past the end of the list: nothing is scanned.
    scanner.ScanInputFolders(folders, 1, 0, ScanOptions{});
    scanner.ScanInputFolders(folders, 2, 5, ScanOptions{});
    QCOMPARE(model.size(), 4);
    QCOMPARE(scanner.FileCount(), 2);

    QVERIFY(tree.addFile("one/c.mp3", 5));
    scanner.ScanInputFolders(folders, -1, 0, ScanOptions{});
    QCOMPARE(Rows(model, tree), (QStringList{"[~/one]", "~/one | a.mp3", "~/one | c.mp3", "[~/two]",
                                             "~/two | b.mp3"}));
    QVERIFY(model.row(1).newName.isEmpty());
    QCOMPARE(scanner.FileCount(), 3);
    QCOMPARE(scanner.TotalSize(), qint64(35));

    scanner.ScanInputFolders({}, -1, -1, ScanOptions{});
    QCOMPARE(model.size(), 0);
    QCOMPARE(scanner.FileCount(), 0);
    QCOMPARE(scanner.TotalSize(), qint64(0));
}

void TestScan::servicesInOrder() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3"));
    QVERIFY(tree.addFolder("Sub"));
    ResultModel model;
    RecordingServices services;
    services.memo = QStringList{".MP3", "OGG"};
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, -1, -1, ScanOptions{});
    const QString root = tree.path();
    const QStringList expected{
        "readMemo",
        "writeMemo:.mp3|ogg",
        "beginBusy",
        "suspend",
        "progress:" + root,
        "pending",
        "progress:" + root + "/Sub",
        "pending",
        "resume",
        "progress:",
        "endBusy",
        "labels",
    };
    QCOMPARE(services.calls, expected);
}

void TestScan::cleanupWhenTheWindowFails_data() {
    QTest::addColumn<QString>("throwOn");
    QTest::addColumn<int>("throwAt");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("tail");
    const QStringList cleanup{"resume", "progress:", "endBusy", "labels"};
    // Handing control to the window for the second folder fails: the first
    // folder's rows stay.
    QTest::newRow("pending messages")
        << "pending" << 2 << QStringList{"[~]", "~ | a.mp3"} << cleanup;
    // Reading the memo fails before the cursor changes: nothing to restore but
    // the progress text and the labels.
    QTest::newRow("memo") << "readMemo" << 1 << QStringList() << QStringList{"progress:", "labels"};
    // A failing clean-up step does not stop the later ones.
    QTest::newRow("resume redraw")
        << "resume" << 1 << QStringList{"[~]", "~ | a.mp3", "[Sub]", "~/Sub | b.mp3"} << cleanup;
}

void TestScan::cleanupWhenTheWindowFails() {
    QFETCH(QString, throwOn);
    QFETCH(int, throwAt);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, tail);
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3"));
    QVERIFY(tree.addFile("Sub/b.mp3"));
    ResultModel model;
    RecordingServices services;
    services.throwOn = throwOn;
    services.throwAt = throwAt;
    FileScanner scanner(model, services);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             scanner.ScanInputFolders({tree.path()}, 0, 0, ScanOptions{}));
    QCOMPARE(Rows(model, tree), rows);
    QCOMPARE(services.calls.mid(services.calls.size() - tail.size()), tail);
    QCOMPARE(services.calls.count("beginBusy"), services.calls.count("endBusy"));
    QCOMPARE(services.calls.count("suspend"), services.calls.count("resume"));
}

void TestScan::labelsShowTheWholeSize_data() {
    QTest::addColumn<int>("failAtPause");
    QTest::addColumn<qint64>("size");
    // 150 folders of one file each, the n-th holding n + 1 bytes; the sizes
    // are summed beside the walk, and the labels are shown after the last.
    QTest::newRow("whole scan") << 0 << qint64(150 * 151 / 2);
    // The window fails when it gets control before the 101st folder: the
    // labels show the 100 folders listed.
    QTest::newRow("window fails") << 101 << qint64(100 * 101 / 2);
}

void TestScan::labelsShowTheWholeSize() {
    QFETCH(int, failAtPause);
    QFETCH(qint64, size);
    TempTree tree;
    for (int f = 0; f < 150; ++f)
        QVERIFY(tree.addFile(QString("f%1/t.mp3").arg(f, 3, 10, QChar('0')), f + 1));
    ResultModel model;
    RecordingServices services;
    if (failAtPause > 0) {
        services.throwOn = "pending";
        services.throwAt = failAtPause + 1;  // the input folder's own pause comes first
    }
    FileScanner scanner(model, services);
    qint64 shown = -1;
    services.onLabels = [&] { shown = scanner.TotalSize(); };
    try {
        scanner.ScanInputFolders({tree.path()}, -1, -1, ScanOptions{});
        QCOMPARE(failAtPause, 0);
    } catch (const std::runtime_error&) {
        QVERIFY(failAtPause > 0);
    }
    QCOMPARE(shown, size);
    QCOMPARE(scanner.TotalSize(), size);
}

QTEST_GUILESS_MAIN(TestScan)
#include "tst_scan.moc"
