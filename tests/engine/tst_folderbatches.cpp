#include <QTest>

#include <numeric>
#include <vector>

#include "DiskFixture.h"
#include "engine/FolderBatches.h"
#include "engine/ResultModel.h"

using Batches = QList<QList<int>>;

namespace {

// Rows given as "folder:new name", each with a record of its folder of its
// own unless it is "=" (the record of the row before it).
void Fill(ResultModel& model, const QStringList& rows) {
    QList<ResultRow> made;
    for (const QString& given : rows) {
        const bool shared = given.startsWith('=');
        const QString folder = given.section(':', 0, 0).remove('=');
        ResultRow row = FileRow(QFile::encodeName(folder), "a.mp3", given.section(':', 1));
        if (shared)
            row.sharedFolder = made.last().sharedFolder;
        made << row;
    }
    model.appendRows(std::move(made));
}

Batches BatchesOf(const FolderBatches& batches) {
    Batches all;
    for (int k = 0; k < batches.count(); ++k) {
        QList<int> batch;
        for (const int index : batches.batch(k))
            batch << index;
        all << batch;
    }
    return all;
}

}  // namespace

class TestFolderBatches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void batches_data();
    void batches();
    void onlyTheRunsRows();
    void foldersApartOnDisk_data();
    void foldersApartOnDisk();
};

void TestFolderBatches::batches_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<Batches>("expected");

    QTest::newRow("no rows") << QStringList{} << Batches{};
    QTest::newRow("one folder") << QStringList{"/m/a:x", "=/m/a:y", "=/m/a:z"}
                                << Batches{{0, 1, 2}};
    QTest::newRow("folders in turn, each in list order")
        << QStringList{"/m/a:x", "/m/b:x", "=/m/b:y", "/m/a:y", "/m/c:x", "/m/b:z"}
        << Batches{{0, 3}, {1, 2, 5}, {4}};
    QTest::newRow("one folder by records of its own")
        << QStringList{"/m/a:x", "/m/a:y", "/m/b:x", "/m/a:z"} << Batches{{0, 1, 3}, {2}};
    QTest::newRow("folders that differ in case only are two")
        << QStringList{"/m/A:x", "/m/a:y"} << Batches{{0}, {1}};
    QTest::newRow("a new name into another folder: all in list order")
        << QStringList{"/m/a:x", "/m/b:y", "/m/a:sub/z", "/m/b:w"} << Batches{{0, 1, 2, 3}};
    QTest::newRow("a new name with a leading slash: all in list order")
        << QStringList{"/m/a:x", "/m/b:/y"} << Batches{{0, 1}};
}

void TestFolderBatches::batches() {
    QFETCH(QStringList, rows);
    QFETCH(Batches, expected);
    ResultModel model;
    Fill(model, rows);
    std::vector<int> runRows(static_cast<std::size_t>(rows.size()));
    std::iota(runRows.begin(), runRows.end(), 0);
    QCOMPARE(BatchesOf(FolderBatches(model, runRows)), expected);
}

// Batches index the run's rows, not the list's.
void TestFolderBatches::onlyTheRunsRows() {
    ResultModel model;
    Fill(model, {"/m/a:x", "/m/b:x", "/m/a:y", "/m/b:y", "/m/a:z"});
    QCOMPARE(BatchesOf(FolderBatches(model, {1, 2, 4})), (Batches{{0}, {1, 2}}));
}

void TestFolderBatches::foldersApartOnDisk_data() {
    QTest::addColumn<QStringList>("folders");  // of the rows, below a temporary folder
    QTest::addColumn<bool>("apart");
    QTest::newRow("two folders") << QStringList{"a", "b", "a"} << true;
    QTest::newRow("a folder and a link to it") << QStringList{"a", "b", "link-to-a"} << false;
    QTest::newRow("a folder and its path with a dot") << QStringList{"a", "./a"} << false;
    QTest::newRow("a folder that is not there") << QStringList{"a", "missing"} << true;
}

// Asked of the disk: two paths are one folder when they reach one.
void TestFolderBatches::foldersApartOnDisk() {
    QFETCH(QStringList, folders);
    QFETCH(bool, apart);
    disk::TemporaryFolder root;
    const QByteArray base = root.path();
    QVERIFY(::mkdir(disk::Join(base, "a").constData(), 0755) == 0);
    QVERIFY(::mkdir(disk::Join(base, "b").constData(), 0755) == 0);
    QVERIFY(::symlink("a", disk::Join(base, "link-to-a").constData()) == 0);
    QStringList rows;
    for (const QString& folder : folders)
        rows << QFile::decodeName(disk::Join(base, QFile::encodeName(folder))) + ":x";
    ResultModel model;
    Fill(model, rows);
    std::vector<int> runRows(static_cast<std::size_t>(rows.size()));
    std::iota(runRows.begin(), runRows.end(), 0);
    FolderBatches batches(model, runRows);
    QCOMPARE(batches.foldersApartOnDisk(model, runRows), apart);
    // Joined, they are one batch in list order.
    batches.joinInListOrder();
    QList<int> all(rows.size());
    std::iota(all.begin(), all.end(), 0);
    QCOMPARE(BatchesOf(batches), Batches{all});
}

QTEST_GUILESS_MAIN(TestFolderBatches)
#include "tst_folderbatches.moc"
