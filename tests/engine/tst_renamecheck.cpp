#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

#include "CheckFixture.h"
#include "engine/ExecuteRun.h"

// The check before execute on real folders, on ext4 and on the exFAT image:
// each reason it gives, and for every case the outcome it foresees is the
// one the execute run then writes.

class TestRenameCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void reasons_data();
    void reasons();
    void checkColumnOfTheRows();
    void renamedRowsAreDone();
    void aRunThatRenamedEveryRowLeavesNoReason();

private:
    check::FileSystems m_fileSystems;
};

void TestRenameCheck::initTestCase() {
    m_fileSystems.setUp();
}

void TestRenameCheck::cleanupTestCase() {
    m_fileSystems.tearDown();
}

void TestRenameCheck::reasons_data() {
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<QStringList>("disk");     // as disk::Build takes it
    QTest::addColumn<QStringList>("rows");     // as check::AddRows takes them
    QTest::addColumn<QStringList>("gone");     // removed after the scan
    QTest::addColumn<QStringList>("reasons");  // a word a row, or "word|text"

    const QStringList ab{"a.mp3:A", "b.mp3:B"};
    const QStringList abc{"a.mp3:A", "b.mp3:B", "c.mp3:C"};
    auto add = [](const char* name, const QString& fs, const QStringList& disk,
                  const QStringList& rows, const QStringList& gone, const QStringList& reasons) {
        QTest::newRow(qPrintable(fs + ": " + name)) << fs << disk << rows << gone << reasons;
    };
    for (const QString fs : {"ext4", "exfat"}) {
        add("free name", fs, ab, {"a.mp3>x.mp3", "b.mp3"}, {}, {"none", "none"});
        add("same new name", fs, abc, {"a.mp3>x.mp3", "b.mp3>x.mp3", "c.mp3>x.mp3"}, {},
            {"none", "same_new_name|same new name as 'a.mp3'",
             "same_new_name|same new name as 'a.mp3'"});
        add("taken by a file without a row", fs, {"a.mp3:A", "x.mp3:X"}, {"a.mp3>x.mp3"}, {},
            {"taken_by_file|name taken by a file that stays"});
        add("taken by a row without a proposal", fs, ab, {"a.mp3>b.mp3", "b.mp3"}, {},
            {"taken_by_file", "none"});
        add("taken by a folder", fs, {"a.mp3:A", "x.mp3/"}, {"a.mp3>x.mp3"}, {},
            {"taken_by_folder|name taken by a folder"});
        add("chain in order", fs, ab, {"b.mp3>c.mp3", "a.mp3>b.mp3"}, {}, {"none", "none"});
        add("chain against order", fs, ab, {"a.mp3>b.mp3", "b.mp3>c.mp3"}, {},
            {"renamed_later|'b.mp3' is renamed only later", "none"});
        add("swap", fs, ab, {"a.mp3>b.mp3", "b.mp3>a.mp3"}, {}, {"taken_by_file", "taken_by_file"});
        add("swap, other order", fs, ab, {"b.mp3>a.mp3", "a.mp3>b.mp3"}, {},
            {"taken_by_file", "taken_by_file"});
        add("chain through a blocked row", fs, abc, {"a.mp3>b.mp3", "b.mp3>c.mp3"}, {},
            {"taken_by_file", "taken_by_file"});
        add("into an existing subfolder", fs, {"a.mp3:A", "Live/"}, {"a.mp3>Live/a.mp3"}, {},
            {"none"});
        add("into a missing subfolder", fs, ab, {"a.mp3>Sub/a.mp3"}, {},
            {"no_folder|no folder 'Sub' here"});
        add("into a missing folder below one", fs, {"a.mp3:A", "Live/"}, {"a.mp3>Live/Deep/a.mp3"},
            {}, {"no_folder|no folder 'Live/Deep' here"});
        add("into a file as folder", fs, ab, {"a.mp3>b.mp3/a.mp3"}, {},
            {"no_folder|no folder 'b.mp3' here"});
        add("out of the folder", fs, {"a.mp3:A", "Live/", "Live/x.mp3:X"}, {"Live/x.mp3>../b.mp3"},
            {}, {"leaves_folder|'..' would lead out of the file's folder"});
        add("out of the folder and back", fs, {"a.mp3:A", "Live/"}, {"a.mp3>Live/../b.mp3"}, {},
            {"leaves_folder"});
        add("from the root", fs, {"a.mp3:A", "Live/"}, {"a.mp3>/Live/a.mp3"}, {}, {"none"});
        add("from the root, onto itself", fs, ab, {"a.mp3>//a.mp3"}, {}, {"already_named"});
        add("from the root, onto another", fs, ab, {"a.mp3>/b.mp3"}, {}, {"taken_by_file"});
        add("name too long", fs, ab, {"a.mp3>" + QString(297, 'n') + ".mp3"}, {},
            {"name_too_long|name too long: 301 bytes, at most 255"});
        add("file gone", fs, ab, {"a.mp3>x.mp3"}, {"a.mp3"}, {"file_gone|the file is gone"});
        add("file gone, new name there", fs, ab, {"a.mp3>b.mp3"}, {"a.mp3"}, {"file_gone"});
        add("a folder where the file was", fs, {"a.mp3/"}, {"a.mp3>x.mp3"}, {}, {"file_gone"});
        add("same name", fs, ab, {"a.mp3>a.mp3"}, {},
            {"already_named|the file already has this name"});
        add("dot dot", fs, ab, {"a.mp3>.."}, {}, {"leaves_folder"});
        add("dot", fs, {"a.mp3:A", "Live/"}, {"a.mp3>Live/."}, {},
            {"not_a_name|no file can have this name"});
        add("ends in a slash", fs, {"a.mp3:A", "Live/"}, {"a.mp3>Live/"}, {}, {"not_a_name"});
        add("NUL in the name", fs, ab, {QString::fromUtf8("a.mp3>x\0.mp3", 12)}, {},
            {"not_a_name"});
        add("the same file in two rows", fs, ab, {"a.mp3>x.mp3", "a.mp3>y.mp3"}, {},
            {"none", "file_gone"});
        add("case only", fs, ab, {"a.mp3>A.MP3"}, {}, {"none"});
        // The check lets a folder's listing go once its rows are done; one
        // whose rows come back later still knows what the rows before did.
        add("rows of a folder apart", fs, {"a.mp3:A", "b.mp3:B", "Live/", "Live/c.mp3:C"},
            {"a.mp3>x.mp3", "Live/c.mp3>x.mp3", "b.mp3>x.mp3"}, {},
            {"none", "none", "same_new_name|same new name as 'a.mp3'"});
        // A new name into a folder whose rows came before.
        add("into a folder whose rows are done", fs, {"b.mp3:B", "Live/", "Live/c.mp3:C"},
            {"Live/c.mp3>y.mp3", "b.mp3>Live/y.mp3"}, {},
            {"none", "same_new_name|same new name as 'c.mp3'"});
        // A folder's waits are its own: the next folder's entries take the
        // places of the one let go.
        add("waits of two folders", fs, {"A/", "A/a.mp3:1", "A/b.mp3:2", "B/", "B/a.mp3:3", "B/b.mp3:4"},
            {"B/a.mp3>b.mp3", "A/a.mp3>b.mp3", "A/b.mp3>c.mp3"}, {},
            {"taken_by_file", "renamed_later", "none"});
    }
    add("a folder reached again by a link", "ext4",
        {"Live/", "Live/c.mp3:C", "Live/d.mp3:D", "a.mp3:A", "L->Live"},
        {"Live/c.mp3>x.mp3", "a.mp3>y.mp3", "L/d.mp3>x.mp3"}, {},
        {"none", "none", "same_new_name|same new name as 'c.mp3'"});
    // Letter case tells the two file systems apart.
    add("names differing in case", "ext4", ab, {"a.mp3>x.mp3", "b.mp3>X.mp3"}, {},
        {"none", "none"});
    add("names differing in case", "exfat", ab, {"a.mp3>x.mp3", "b.mp3>X.mp3"}, {},
        {"none", "same_new_name|same new name as 'a.mp3'"});
    add("taken in other case", "ext4", ab, {"a.mp3>B.mp3"}, {}, {"none"});
    add("taken in other case", "exfat", ab, {"a.mp3>B.mp3"}, {}, {"taken_by_file"});
    add("taken in other case by a later row", "exfat", ab, {"a.mp3>B.mp3", "b.mp3>c.mp3"}, {},
        {"renamed_later|'b.mp3' is renamed only later", "none"});
    add("case only onto another file", "ext4", {"a.mp3:A", "A.mp3:B"}, {"a.mp3>A.mp3"}, {},
        {"taken_by_file"});
    add("taken by a dangling link", "ext4", {"a.mp3:A", "x.mp3->gone"}, {"a.mp3>x.mp3"}, {},
        {"taken_by_file"});
    add("case only onto a hard link", "ext4", {"a.mp3:A", "A.mp3=a.mp3"}, {"a.mp3>A.mp3"}, {},
        {"taken_by_file"});
    add("case only twice", "exfat", {"a.mp3:A"}, {"a.mp3>A.mp3", "a.mp3>A.MP3"}, {},
        {"none", "none"});
    add("folder in other case", "exfat", {"a.mp3:A", "X.mp3/"}, {"a.mp3>x.mp3"}, {},
        {"taken_by_folder"});
    add("subfolder in other case", "exfat", {"a.mp3:A", "Live/"}, {"a.mp3>live/a.mp3"}, {},
        {"none"});
    // Characters that Windows file systems refuse.
    add("colon", "ext4", ab, {"a.mp3>x: y.mp3"}, {}, {"none"});
    add("colon", "exfat", ab, {"a.mp3>x: y.mp3"}, {},
        {"not_allowed|not allowed on this file system: ':'"});
    add("question mark", "exfat", ab, {"a.mp3>why?.mp3"}, {}, {"not_allowed"});
    add("backslash", "exfat", ab, {"a.mp3>AC\\DC.mp3"}, {},
        {"not_allowed|not allowed on this file system: '\\'"});
    add("trailing dot", "ext4", ab, {"a.mp3>x."}, {}, {"none"});
    add("trailing dot", "exfat", ab, {"a.mp3>x."}, {},
        {"not_allowed|not allowed on this file system: a dot at the end"});
    add("trailing space", "exfat", ab, {"a.mp3>x.mp3 "}, {},
        {"not_allowed|not allowed on this file system: a space at the end"});
    add("refused name of a file that is gone", "exfat", ab, {"a.mp3>x:.mp3"}, {"a.mp3"},
        {"file_gone"});
}

void TestRenameCheck::reasons() {
    QFETCH(QString, fileSystem);
    QFETCH(QStringList, disk);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, reasons);

    QString skip;
    const QByteArray root = m_fileSystems.folder(fileSystem, &skip);
    if (root.isEmpty())
        QSKIP(qPrintable(skip));
    QVERIFY(::mkdir(root.constData(), 0755) == 0);
    QVERIFY(disk::Build(root, disk));
    ResultModel model;
    check::AddRows(model, root, rows);
    for (const QString& name : gone)
        QVERIFY(disk::RemoveTree(disk::Join(root, QFile::encodeName(name))));

    const QStringList before = disk::Describe(root);
    const RowForecasts forecasts = ForecastExecute(model.rows());
    QCOMPARE(disk::Describe(root), before);  // the check only reads

    QCOMPARE(forecasts.size(), reasons.size());
    for (int i = 0; i < forecasts.size(); ++i) {
        const QStringList expected = reasons[i].split('|');
        QCOMPARE(check::Word(forecasts[i].reason), expected[0]);
        if (expected.size() > 1)
            QCOMPARE(forecasts[i].text, expected[1]);
        QCOMPARE(forecasts[i].text.isEmpty(), forecasts[i].reason == CheckReason::None);
    }

    RecordingServices services;
    ExecuteRows(model, services);
    for (int i = 0; i < forecasts.size(); ++i) {
        const ResultRow& row = model.row(i);
        const QString context = row.existing + " > " + row.newName + ": " + row.status;
        QVERIFY2(forecasts[i].outcome == row.outcome,
                 qPrintable(context + ", foreseen " + OutcomeWord(forecasts[i].outcome)));
        QVERIFY2(CheckReasonFails(forecasts[i].reason) ==
                     (row.outcome != RowOutcome::Renamed && row.outcome != RowOutcome::None),
                 qPrintable(context));
    }
    disk::RemoveTree(root);
}

// The check writes its reasons into the rows and tells the views; a new
// check clears a reason that no longer holds.
void TestRenameCheck::checkColumnOfTheRows() {
    disk::TemporaryFolder dir;
    QVERIFY(disk::Build(dir.path(), {"a.mp3:A", "b.mp3:B", "c.mp3:C"}));
    ResultModel model;
    model.appendRows({FolderRow("top")});
    check::AddRows(model, dir.path(), {"a.mp3>x.mp3", "b.mp3>x.mp3", "c.mp3"});

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    CheckCounts counts = CheckRows(model);
    QCOMPARE(counts.proposals, 2);
    QCOMPARE(counts.willFail, 1);
    QCOMPARE(model.row(2).check(), QString("same new name as 'a.mp3'"));
    QCOMPARE(model.data(model.index(2, ResultModel::CheckColumn)).toString(), model.row(2).check());
    QCOMPARE(model.row(2).checkReason, CheckReason::SameNewName);
    QVERIFY(model.row(0).check().isEmpty() && model.row(1).check().isEmpty());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().column(), int(ResultModel::CheckColumn));

    model.setProposal(2, "y.mp3", "manual rename (pending)", RowOutcome::ManualPending);
    counts = CheckRows(model);
    QCOMPARE(counts.willFail, 0);
    QVERIFY(model.row(2).check().isEmpty());
    QCOMPARE(model.row(2).checkReason, CheckReason::None);
}

// After an execute run the renamed rows keep their proposals, but they are
// done: the check gives them no reason, while a row that failed keeps its own.
void TestRenameCheck::renamedRowsAreDone() {
    disk::TemporaryFolder dir;
    QVERIFY(disk::Build(dir.path(), {"a.mp3:A", "b.mp3:B"}));
    ResultModel model;
    check::AddRows(model, dir.path(), {"a.mp3>x.mp3", "b.mp3>x.mp3"});
    RecordingServices services;
    ExecuteRows(model, services);
    QCOMPARE(model.row(0).outcome, RowOutcome::Renamed);

    const CheckCounts counts = CheckRows(model);
    QCOMPARE(counts.proposals, 1);
    QCOMPARE(counts.willFail, 1);
    QVERIFY(model.row(0).check().isEmpty());
    QCOMPARE(model.row(1).checkReason, CheckReason::TakenByFile);
}

// A check before the last correction foresaw a failure; the corrected run
// renamed every row, and the check after it leaves no reason behind (and,
// with nothing left to rename, does not announce a change it did not make).
void TestRenameCheck::aRunThatRenamedEveryRowLeavesNoReason() {
    disk::TemporaryFolder dir;
    QVERIFY(disk::Build(dir.path(), {"a.mp3:A", "b.mp3:B", "c.mp3:C"}));
    ResultModel model;
    model.appendRows({FolderRow("top")});
    check::AddRows(model, dir.path(), {"a.mp3>x.mp3", "b.mp3>x.mp3", "c.mp3"});
    QCOMPARE(CheckRows(model).willFail, 1);
    QCOMPARE(model.row(2).checkReason, CheckReason::SameNewName);

    model.setProposal(2, "y.mp3", "manual rename (pending)", RowOutcome::ManualPending);
    RecordingServices services;
    ExecuteRows(model, services);
    QCOMPARE(model.row(1).outcome, RowOutcome::Renamed);
    QCOMPARE(model.row(2).outcome, RowOutcome::Renamed);
    QCOMPARE(disk::Describe(dir.path()), QStringList({"c.mp3:C", "x.mp3:A", "y.mp3:B"}));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    const CheckCounts counts = CheckRows(model);
    QCOMPARE(counts.proposals, 0);
    QCOMPARE(counts.willFail + counts.mayFail, 0);
    for (int i = 0; i < model.size(); ++i) {
        QVERIFY2(model.row(i).check().isEmpty(), qPrintable(model.row(i).existing));
        QCOMPARE(model.row(i).checkReason, CheckReason::None);
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().column(), int(ResultModel::CheckColumn));
    CheckRows(model);
    QCOMPARE(changed.count(), 1);
}

QTEST_GUILESS_MAIN(TestRenameCheck)
#include "tst_renamecheck.moc"
