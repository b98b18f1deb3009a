#include <QTest>

#include "engine/ExecuteRun.h"
#include "engine/FileScanner.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"
#include "tests/support/TempTree.h"

// A scanned row keeps its name's bytes only when its text does not give them
// back; either way every file operation reaches the file by its exact bytes.
// Real files whose names are plain, UTF-8 in ways a text may hide (a leading
// byte order mark, which decoding drops; decomposed accents, which a text may
// compose), or not UTF-8 at all, are scanned and renamed.
class TestScannedNameBytes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void renamedByTheExactBytes_data();
    void renamedByTheExactBytes();
};

void TestScannedNameBytes::renamedByTheExactBytes_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("ASCII") << QByteArray("01 - Harbour.mp3");
    QTest::newRow("UTF-8, composed") << QByteArray("Caf\xc3\xa9 Blue.mp3");
    QTest::newRow("UTF-8, decomposed") << QByteArray("Cafe\xcc\x81 Blue.mp3");
    QTest::newRow("UTF-8, a leading byte order mark") << QByteArray(
        "\xef\xbb\xbf"
        "Blue.mp3");
    QTest::newRow("UTF-8, a noncharacter") << QByteArray("Blue \xef\xbf\xbf.mp3");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 Blue.mp3");
}

void TestScannedNameBytes::renamedByTheExactBytes() {
    QFETCH(QByteArray, name);
    TempTree tree;
    QVERIFY(tree.addFileBytes("Music/" + name));

    ResultModel model;
    WindowServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.filePath("Music")}, -1, -1, ScanOptions{true, false});
    QCOMPARE(model.size(), 2);
    const int row = 1;
    QCOMPARE(model.row(row).existingOnDisk(), name);
    QCOMPARE(model.row(row).folderOnDisk(), tree.filePathBytes("Music"));

    model.setProposal(row, "Renamed.mp3", QString(), RowOutcome::ManualPending);
    ExecuteRows(model, services);
    QCOMPARE(model.row(row).outcome, RowOutcome::Renamed);
    QCOMPARE(tree.entryNames("Music"), QList<QByteArray>{"Renamed.mp3"});
}

QTEST_GUILESS_MAIN(TestScannedNameBytes)
#include "tst_scannednamebytes.moc"
