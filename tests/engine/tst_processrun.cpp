#include <QSignalSpy>
#include <QTest>

#include "DiskFixture.h"
#include "engine/CommandError.h"
#include "engine/ProcessRun.h"
#include "engine/ResultModel.h"

namespace {

const QString kNoFiles = "No files to process !";
const QString kNoSelected = "No selected files to process !";

ProcessSettings DefaultSettings() {
    return {DefaultScheme(SchemeRole::Existing), DefaultScheme(SchemeRole::New), NameOptions{}};
}

// A results list over a real folder ".../Music/Best Of", so that the run can
// be seen to leave the files alone.
struct Fixture {
    disk::TemporaryFolder dir;
    QByteArray folder;
    ResultModel model;

    Fixture() {
        const QByteArray root = dir.path();
        folder = root + "/Music/Best Of";
        disk::Build(root, {"Music/", "Music/Best Of/"});
    }
    void addFile(const QByteArray& name, const QString& newName = {}, const QString& status = {}) {
        disk::WriteFile(disk::Join(folder, name), name);
        model.appendRows({FileRow(folder, name, newName, status)});
    }
    void addFolderRow() { model.appendRows({FolderRow("Best Of")}); }
    QStringList disk() const { return disk::Describe(folder); }
};

}  // namespace

class TestProcessRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusals_data();
    void refusals();
    void folderRowsOnly_data();
    void folderRowsOnly();
    void processAllReplacesEveryProposal();
    void settingsHoldForTheRun();
    void selectedRowsOnly();
    void progressPositions_data();
    void progressPositions();
    void cleanUpWhenRunFails();
};

void TestProcessRun::refusals_data() {
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<bool>("selectedOnly");
    QTest::addColumn<QString>("message");
    QTest::newRow("all, empty list") << false << false << kNoFiles;
    QTest::newRow("selected, empty list") << false << true << kNoFiles;
    QTest::newRow("selected, nothing selected") << true << true << kNoSelected;
}

// A run that cannot start fails before the cursor, the bar or any row changes.
void TestProcessRun::refusals() {
    QFETCH(bool, withRows);
    QFETCH(bool, selectedOnly);
    QFETCH(QString, message);
    Fixture f;
    if (withRows)
        f.addFile("a - b - 1 - c.mp3", "manual.mp3", "manual rename (pending)");
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    try {
        if (selectedOnly)
            ProcessRows(f.model, DefaultSettings(), services, SetSelection({}));
        else
            ProcessRows(f.model, DefaultSettings(), services);
        QFAIL("the run did not refuse");
    } catch (const CommandError& error) {
        QCOMPARE(error.message(), message);
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
    QVERIFY(services.log.isEmpty());
    QCOMPARE(changed.count(), 0);
    if (withRows)
        QCOMPARE(f.model.row(0).newName, QString("manual.mp3"));
}

void TestProcessRun::folderRowsOnly_data() {
    QTest::addColumn<bool>("selectedOnly");
    QTest::newRow("all") << false;
    QTest::newRow("selected") << true;
}

void TestProcessRun::folderRowsOnly() {
    QFETCH(bool, selectedOnly);
    Fixture f;
    f.addFolderRow();
    f.addFolderRow();
    const QVector<ResultRow> before = f.model.rows();
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    if (selectedOnly)
        ProcessRows(f.model, DefaultSettings(), services, SetSelection({0, 1}));
    else
        ProcessRows(f.model, DefaultSettings(), services);
    QCOMPARE(changed.count(), 0);
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(f.model.row(i).newName, before[i].newName);
        QCOMPARE(f.model.row(i).status, before[i].status);
    }
    QCOMPARE(services.positions, QList<int>({0, 500, 1000}));
}

// Whatever a row held before (a manual proposal, an execute outcome), the run
// computes it afresh from the Existing Filename, and writes nothing else.
void TestProcessRun::processAllReplacesEveryProposal() {
    Fixture f;
    f.addFolderRow();
    f.addFile("Some_Band - Best Of - 07 - Night_Drive.MP3");
    f.addFile("Best Of - Music - 01 - Intro.mp3", "stale.mp3", "renamed");
    f.addFile("x - y - 2 - z.mp3", "by hand.mp3", "manual rename (pending)");
    f.addFile("Some Band - Best Of - 07.mp3", "old.mp3", "error: rename failed");
    f.addFolderRow();
    const QVector<ResultRow> before = f.model.rows();
    const QStringList diskBefore = f.disk();

    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    ProcessRows(f.model, DefaultSettings(), services);

    const QStringList newNames{
        "", "Best Of - Music - 07 - Night Drive.mp3", "", "Best Of - Music - 2 - z.mp3", "", ""};
    const QStringList statuses{"",
                               "rename pending",
                               "already in output format",
                               "rename pending",
                               "not input format: Track# does not exist",
                               ""};
    for (int i = 0; i < f.model.size(); ++i) {
        const ResultRow& row = f.model.row(i);
        QCOMPARE(row.newName, newNames[i]);
        QCOMPARE(row.status, statuses[i]);
        QCOMPARE(row.existing, before[i].existing);
        QCOMPARE(row.folder(), before[i].folder());
        QCOMPARE(row.existingBytes(), before[i].existingBytes());
        QCOMPARE(row.folderBytes(), before[i].folderBytes());
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().row(), 1);
    QCOMPARE(changed[0][1].value<QModelIndex>().row(), 4);
    QCOMPARE(f.disk(), diskBefore);
}

void TestProcessRun::settingsHoldForTheRun() {
    Fixture f;
    f.addFile("Some_Band - Best Of - 07 - Night_Drive.MP3");
    f.addFile("Other_Band - Best Of - 08 - Day.MP3");
    ProcessSettings settings = DefaultSettings();
    settings.options.removeUnderscores = false;
    settings.options.lowercaseExtension = false;
    settings.newScheme.slots = {3, 2, 6, 6, 6};  // Trackname, Track#
    settings.newScheme.dividers[0] = "_";
    RecordingServices services;
    ProcessRows(f.model, settings, services);
    QCOMPARE(f.model.row(0).newName, QString("Night_Drive_07.MP3"));
    QCOMPARE(f.model.row(1).newName, QString("Day_08.MP3"));
}

void TestProcessRun::selectedRowsOnly() {
    Fixture f;
    f.addFolderRow();
    f.addFile("a - b - 1 - c.mp3");
    f.addFile("a - b - 2 - d.mp3", "by hand.mp3", "manual rename (pending)");
    f.addFile("a - b - 3 - e.mp3");
    RecordingServices services;
    ProcessRows(f.model, DefaultSettings(), services, SetSelection({1, 3}));
    QCOMPARE(f.model.row(1).newName, QString("Best Of - Music - 1 - c.mp3"));
    QCOMPARE(f.model.row(2).newName, QString("by hand.mp3"));
    QCOMPARE(f.model.row(2).status, QString("manual rename (pending)"));
    QCOMPARE(f.model.row(3).newName, QString("Best Of - Music - 3 - e.mp3"));
    QCOMPARE(services.positions, QList<int>({0, 500, 1000}));
}

void TestProcessRun::progressPositions_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("selectedOnly");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("four rows") << 4 << false << QList<int>{0, 166, 333, 500, 666};
    QTest::newRow("four rows selected") << 4 << true << QList<int>{0, 166, 333, 500, 666};
    QTest::newRow("one row") << 1 << false << QList<int>{0, 500};
}

void TestProcessRun::progressPositions() {
    QFETCH(int, rows);
    QFETCH(bool, selectedOnly);
    QFETCH(QList<int>, positions);
    Fixture f;
    QSet<int> selected;
    for (int i = 0; i < rows; ++i) {
        // Rows outside the selection are passed over without a step of the bar.
        if (selectedOnly)
            f.addFile("not selected " + QByteArray::number(i) + ".mp3");
        selected.insert(f.model.size());
        if (i == 0)
            f.addFolderRow();
        else
            f.addFile("a - b - " + QByteArray::number(i) + " - c.mp3");
    }
    RecordingServices services;
    if (selectedOnly)
        ProcessRows(f.model, DefaultSettings(), services, SetSelection(selected));
    else
        ProcessRows(f.model, DefaultSettings(), services);
    QCOMPARE(services.positions, positions);
    QCOMPARE(services.log.first(), QString("busy"));
    QCOMPARE(services.log.mid(services.log.size() - 3), QStringList({"idle", "events", "hide"}));
}

void TestProcessRun::cleanUpWhenRunFails() {
    Fixture f;
    f.addFile("a - b - 1 - c.mp3");
    f.addFile("a - b - 2 - d.mp3");
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ProcessRows(f.model, DefaultSettings(), services,
                                                             SetSelection({0, 1}, 1)));
    QCOMPARE(f.model.row(0).status, QString("rename pending"));
    QCOMPARE(f.model.row(1).status, QString());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(services.log,
             QStringList({"busy", "position 0", "show", "position 500", "idle", "events", "hide"}));
}

QTEST_GUILESS_MAIN(TestProcessRun)
#include "tst_processrun.moc"
