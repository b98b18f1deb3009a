#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>
#include <algorithm>

#include "tests/ui/CheckWindowFixture.h"

// "Only problems" beside the results list: the list shows only the rows with
// a reason of the check, an execute error or a name that does not fit the
// existing filename scheme, with their folders' headings. Commands on
// selected rows act on the selected rows shown; "All" commands on every row.
class TestOnlyProblems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void rowsShown_data();
    void rowsShown();
    void backToAllRows();
    void selectedCommandsActOnShownRows_data();
    void selectedCommandsActOnShownRows();
    void allCommandsActOnEveryRow_data();
    void allCommandsActOnEveryRow();
    void manualRenameGoesOverShownRows();

private:
    // The files in the folder and its subfolder Clean, sorted.
    QStringList filesOnDisk() const;
    // "file=New Filename" of every file row, in list order.
    QStringList proposals() const;

    CheckWindowFixture f;
};

void TestOnlyProblems::init() {
    QVERIFY(f.start());
}

void TestOnlyProblems::cleanup() {
    f.stop();
}

QStringList TestOnlyProblems::filesOnDisk() const {
    QStringList files = QDir(f.album()).entryList(QDir::Files);
    for (const QString& name : QDir(f.album() + "/Clean").entryList(QDir::Files))
        files.append("Clean/" + name);
    return files;
}

QStringList TestOnlyProblems::proposals() const {
    QStringList rows;
    for (const ResultRow& row : f.results().rows()) {
        if (row.isFileRow())
            rows.append(row.existing + "=" + row.newName);
    }
    return rows;
}

void TestOnlyProblems::rowsShown_data() {
    using F = CheckWindowFixture;
    QTest::addColumn<QString>("change");  // made while "Only problems" is ticked
    // The rows shown afterwards; "Album" and "Clean" stand for the headings.
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("as processed") << "" << QStringList{"Album", F::kSunUnderscore, F::kOdd};
    QTest::newRow("a problem in the second folder")
        << "folder in the way"
        << QStringList{"Album", F::kSunUnderscore, F::kOdd, "Clean", F::kHail};
    QTest::newRow("the row in the way cancelled")
        << "cancel Sun_Set" << QStringList{"Album", F::kOdd};
    QTest::newRow("an execute error stays, the renamed rows go")
        << "execute all" << QStringList{"Album", F::kSunUnderscore, F::kOdd};
    QTest::newRow("a rescan leaves no problem") << "rescan" << QStringList{};
    QTest::newRow("a rescan, then Process All")
        << "rescan, process all" << QStringList{"Album", F::kSunUnderscore, F::kOdd};
}

void TestOnlyProblems::rowsShown() {
    using F = CheckWindowFixture;
    QFETCH(QString, change);
    QFETCH(QStringList, shown);
    f.onlyProblems()->click();
    QVERIFY(f.onlyProblems()->isChecked());
    if (change == "folder in the way") {
        QVERIFY(QDir().mkpath(f.album() + "/Clean/Clean - Album - 06 - Hail.mp3"));
        f.click("BProcessAll");
    } else if (change == "cancel Sun_Set") {
        f.clickRow(F::kSunUnderscore);
        f.click("BCancelRename");
        QCOMPARE(f.row(F::kSunUnderscore).status, QString("rename cancelled"));
    } else if (change == "execute all") {
        f.click("BExecuteAll");
        QCOMPARE(f.row(F::kSunUnderscore).status, QString("error: new file already exists"));
    } else if (change.startsWith("rescan")) {
        f.form->BRefreshClick();
        if (change.endsWith("process all"))
            f.click("BProcessAll");
    }
    for (QString& row : shown) {
        if (row == "Album")
            row = f.heading("/P/Album");
        else if (row == "Clean")
            row = f.heading("/Album/Clean");
    }
    QCOMPARE(f.shownRows(), shown);
    QTRY_VERIFY(f.headingsSpanRows());
    QVERIFY(f.prompter.criticals.isEmpty());
}

void TestOnlyProblems::backToAllRows() {
    using F = CheckWindowFixture;
    QHeaderView* header = f.list()->header();
    header->resizeSection(ResultModel::ExistingColumn, 250);
    const QStringList all = f.shownRows();
    QCOMPARE(all.size(), 8);
    f.clickRow(F::kRain);
    QVERIFY(f.edit()->isEnabled());

    f.onlyProblems()->click();
    QCOMPARE(f.shownRows().size(), 3);
    // What was selected is not shown: nothing is selected now.
    QVERIFY(!f.edit()->isEnabled());
    QVERIFY(!f.widget<QPushButton>("BCancelRename")->isEnabled());
    QCOMPARE(header->sectionSize(ResultModel::ExistingColumn), 250);
    QCOMPARE(f.shownCheck(F::kSunUnderscore), F::kSameAsSunSet);

    // The rows selected stay selected in the whole list.
    f.clickRow(F::kSunUnderscore);
    f.clickRow(F::kOdd, Qt::ControlModifier);
    f.onlyProblems()->click();
    QCOMPARE(f.shownRows(), all);
    QTRY_VERIFY(f.headingsSpanRows());
    QCOMPARE(header->sectionSize(ResultModel::ExistingColumn), 250);
    const QList<int> both = {f.rowOf(F::kSunUnderscore), f.rowOf(F::kOdd)};
    QList<int> selected;
    for (const QModelIndex& index : f.list()->selectionModel()->selectedRows())
        selected.append(index.row());
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, both);
    QVERIFY(f.widget<QPushButton>("BCancelRename")->isEnabled());

    // One row selected stays the row under manual rename.
    f.clickRow(F::kSunUnderscore);
    f.onlyProblems()->click();
    QCOMPARE(f.form->manualRenameRow(), f.rowOf(F::kSunUnderscore));
    QCOMPARE(f.edit()->text(), QString("Album - P - 01 - Sun Set"));
    QTest::keyClick(f.edit(), Qt::Key_Down);
    QCOMPARE(f.form->manualRenameRow(), f.rowOf(F::kOdd));
}

void TestOnlyProblems::selectedCommandsActOnShownRows_data() {
    using F = CheckWindowFixture;
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("proposals");  // afterwards, of every file row
    QTest::addColumn<QStringList>("files");      // on disk afterwards
    const QStringList untouched = {F::kSunSet, F::kSunUnderscore,   F::kRain,
                                   F::kOdd,    "Clean/" + F::kWind, "Clean/" + F::kHail};
    QTest::newRow("Cancel Rename")
        << "BCancelRename" << QStringList{F::kSunSet + "=Album - P - 01 - Sun Set.mp3",
                                          F::kSunUnderscore + "=",
                                          F::kRain + "=Album - P - 02 - Rain.mp3",
                                          F::kOdd + "=",
                                          F::kWind + "=Clean - Album - 05 - Wind.mp3",
                                          F::kHail + "=Clean - Album - 06 - Hail.mp3"}
        << untouched;
    QTest::newRow("Execute Selected")
        << "BExecuteSelected" << QStringList{F::kSunSet + "=Album - P - 01 - Sun Set.mp3",
                                             F::kSunUnderscore + "=Album - P - 01 - Sun Set.mp3",
                                             F::kRain + "=Album - P - 02 - Rain.mp3",
                                             F::kOdd + "=",
                                             F::kWind + "=Clean - Album - 05 - Wind.mp3",
                                             F::kHail + "=Clean - Album - 06 - Hail.mp3"}
        << QStringList{"Album - P - 01 - Sun Set.mp3",
                       F::kSunSet,
                       F::kRain,
                       F::kOdd,
                       "Clean/" + F::kWind,
                       "Clean/" + F::kHail};
    // Search & Replace changed every proposal before "Only problems" was ticked.
    QTest::newRow("Process Selected")
        << "BProcessSelected" << QStringList{F::kSunSet + "=Q - 01 - Sun Set.mp3",
                                             F::kSunUnderscore + "=Album - P - 01 - Sun Set.mp3",
                                             F::kRain + "=Q - 02 - Rain.mp3",
                                             F::kOdd + "=",
                                             F::kWind + "=Q - 05 - Wind.mp3",
                                             F::kHail + "=Q - 06 - Hail.mp3"}
        << untouched;
}

void TestOnlyProblems::selectedCommandsActOnShownRows() {
    QFETCH(QString, command);
    QFETCH(QStringList, proposals);
    QFETCH(QStringList, files);
    if (command == "BProcessSelected") {
        f.prompter.inputAnswers = {QString("Album - P"), QString("Q")};
        f.click("BSearchReplace");
        f.prompter.inputAnswers = {QString("Clean - Album"), QString("Q")};
        f.click("BSearchReplace");
    }
    f.onlyProblems()->click();
    QCOMPARE(f.shownRows().size(), 3);
    // Every row shown is selected, the folder's heading too.
    f.list()->setFocus();
    QTest::keyClick(f.list(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.list()->selectionModel()->selectedRows().size(), 3);
    f.click(qPrintable(command));
    QCOMPARE(this->proposals(), proposals);
    QCOMPARE(filesOnDisk(), files);
    QVERIFY(f.prompter.criticals.isEmpty());
}

void TestOnlyProblems::allCommandsActOnEveryRow_data() {
    using F = CheckWindowFixture;
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("files");  // on disk afterwards
    QTest::newRow("Execute All") << "BExecuteAll"
                                 << QStringList{"Album - P - 01 - Sun Set.mp3",
                                                "Album - P - 02 - Rain.mp3",
                                                F::kSunUnderscore,
                                                F::kOdd,
                                                "Clean/Clean - Album - 05 - Wind.mp3",
                                                "Clean/Clean - Album - 06 - Hail.mp3"};
    QTest::newRow("Process All") << "BProcessAll"
                                 << QStringList{
                                        F::kSunSet, F::kSunUnderscore,   F::kRain,
                                        F::kOdd,    "Clean/" + F::kWind, "Clean/" + F::kHail};
}

void TestOnlyProblems::allCommandsActOnEveryRow() {
    using F = CheckWindowFixture;
    QFETCH(QString, command);
    QFETCH(QStringList, files);
    const QStringList processed = proposals();
    if (command == "BProcessAll") {
        // Every proposal is changed first: "Process All" makes them all again.
        f.prompter.inputAnswers = {QString(" - "), QString("_")};
        f.click("BSearchReplace");
        QVERIFY(proposals() != processed);
    }
    f.onlyProblems()->click();
    f.clickRow(F::kSunUnderscore);
    f.click(qPrintable(command));
    QCOMPARE(proposals(), processed);
    QCOMPARE(filesOnDisk(), files);
    QVERIFY(f.prompter.criticals.isEmpty());
}

void TestOnlyProblems::manualRenameGoesOverShownRows() {
    using F = CheckWindowFixture;
    f.onlyProblems()->click();
    // The row fixed by hand stays in view, its reason gone, and Enter goes on
    // to the next row shown, past the rows not shown.
    f.renameByHand(F::kSunUnderscore, "Sun Set 2");
    QCOMPARE(f.row(F::kSunUnderscore).newName, QString("Sun Set 2.mp3"));
    QCOMPARE(f.shownCheck(F::kSunUnderscore), QString());
    QCOMPARE(f.shownRows(), QStringList({f.heading("/P/Album"), F::kSunUnderscore, F::kOdd}));
    QCOMPARE(f.form->manualRenameRow(), f.rowOf(F::kOdd));
    QTest::keyClick(f.edit(), Qt::Key_Up);
    QCOMPARE(f.form->manualRenameRow(), f.rowOf(F::kSunUnderscore));
    QCOMPARE(f.edit()->text(), QString("Sun Set 2"));
    QTest::keyClick(f.edit(), Qt::Key_Down);
    QCOMPARE(f.form->manualRenameRow(), f.rowOf(F::kOdd));
    // The next change of proposals chooses the rows anew: the fixed row goes.
    f.click("BProcessSelected");
    QCOMPARE(f.shownRows(), QStringList({f.heading("/P/Album"), F::kOdd}));
    QVERIFY(f.prompter.criticals.isEmpty());
}

QTEST_MAIN(TestOnlyProblems)
#include "tst_onlyproblems.moc"
