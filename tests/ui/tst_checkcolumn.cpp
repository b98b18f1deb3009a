#include <QFile>
#include <QHeaderView>
#include <QTest>

#include "engine/check/RenameCheck.h"
#include "tests/ui/CheckWindowFixture.h"

// The window's "Check" column: the fifth, after the four of the list, showing
// why a row's rename will fail, empty when it will go through or the row has
// no proposal. The window checks anew after every change of proposals and
// after every execute run, on a real folder.
class TestCheckColumn : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fifthColumn();
    void checkedAfterEachChange_data();
    void checkedAfterEachChange();

private:
    CheckWindowFixture f;
};

void TestCheckColumn::init() {
    QVERIFY(f.start());
}

void TestCheckColumn::cleanup() {
    f.stop();
}

void TestCheckColumn::fifthColumn() {
    const QAbstractItemModel* shown = f.list()->model();
    QCOMPARE(shown->columnCount(), 5);
    QCOMPARE(shown->headerData(ResultModel::CheckColumn, Qt::Horizontal).toString(),
             QString("Check"));
    QCOMPARE(f.list()->header()->visualIndex(ResultModel::CheckColumn), 4);
    QVERIFY(!f.list()->header()->isSectionHidden(ResultModel::CheckColumn));
    // The reason is extra: the row's Status stays the one of every proposal.
    QCOMPARE(f.shownCheck(CheckWindowFixture::kSunUnderscore), CheckWindowFixture::kSameAsSunSet);
    QCOMPARE(f.row(CheckWindowFixture::kSunUnderscore).status,
             f.row(CheckWindowFixture::kSunSet).status);
    QCOMPARE(f.row(CheckWindowFixture::kSunUnderscore).outcome, RowOutcome::RenamePending);
    // Rows that will be renamed, rows without a proposal and folder rows
    // show nothing; the counts say what the column shows.
    for (const QString& name : {CheckWindowFixture::kSunSet, CheckWindowFixture::kRain,
                                CheckWindowFixture::kOdd, CheckWindowFixture::kWind})
        QCOMPARE(f.shownCheck(name), QString());
    QCOMPARE(shown->index(0, ResultModel::CheckColumn).data().toString(), QString());
    const CheckCounts counts = f.form->checkCounts();
    QCOMPARE(counts.proposals, 5);
    QCOMPARE(counts.willFail, 1);
    QCOMPARE(counts.mayFail, 0);
}

void TestCheckColumn::checkedAfterEachChange_data() {
    using F = CheckWindowFixture;
    QTest::addColumn<QString>("change");
    // "file=reason" for each file whose Check column is not empty afterwards.
    QTest::addColumn<QStringList>("reasons");
    QTest::newRow("manual rename onto a file that stays")
        << "manual rename"
        << QStringList{F::kSunUnderscore + "=" + F::kSameAsSunSet,
                       F::kRain + "=name taken by a file that stays"};
    QTest::newRow("manual rename into a missing folder")
        << "manual rename into Sub"
        << QStringList{F::kSunUnderscore + "=" + F::kSameAsSunSet,
                       F::kRain + "=no folder 'Sub' here"};
    QTest::newRow("Cancel Rename of the first of two") << "cancel rename" << QStringList{};
    QTest::newRow("Search & Replace makes a second pair")
        << "search and replace"
        << QStringList{F::kSunUnderscore + "=" + F::kSameAsSunSet,
                       F::kRain + "=" + F::kSameAsSunSet};
    QTest::newRow("Process Selected puts back a proposal")
        << "process selected" << QStringList{F::kSunUnderscore + "=" + F::kSameAsSunSet};
    QTest::newRow("Process All after the folder changed")
        << "process all"
        << QStringList{F::kSunUnderscore + "=" + F::kSameAsSunSet,
                       F::kHail + "=name taken by a folder"};
    QTest::newRow("Execute Selected of the second")
        << "execute selected" << QStringList{F::kSunSet + "=name taken by a file that stays"};
    QTest::newRow("Execute All") << "execute all"
                                 << QStringList{F::kSunUnderscore +
                                                "=name taken by a file that stays"};
}

void TestCheckColumn::checkedAfterEachChange() {
    using F = CheckWindowFixture;
    QFETCH(QString, change);
    QFETCH(QStringList, reasons);
    if (change == "manual rename") {
        f.renameByHand(F::kRain, "odd");
    } else if (change == "manual rename into Sub") {
        f.renameByHand(F::kRain, "Sub/evil");
    } else if (change == "cancel rename") {
        f.clickRow(F::kSunSet);
        f.click("BCancelRename");
        QVERIFY(!f.row(F::kSunSet).hasProposal());
    } else if (change == "search and replace") {
        f.prompter.inputAnswers = {QString("02 - Rain"), QString("01 - Sun Set")};
        f.click("BSearchReplace");
    } else if (change == "process selected") {
        f.renameByHand(F::kRain, "Album - P - 01 - Sun Set");
        QCOMPARE(f.shownCheck(F::kRain), F::kSameAsSunSet);
        f.clickRow(F::kRain);
        f.click("BProcessSelected");
        QCOMPARE(f.row(F::kRain).newName, QString("Album - P - 02 - Rain.mp3"));
    } else if (change == "process all") {
        // A folder now stands where one of the new names would go.
        QVERIFY(QDir().mkpath(f.album() + "/Clean/Clean - Album - 06 - Hail.mp3"));
        f.click("BProcessAll");
    } else if (change == "execute selected") {
        f.clickRow(F::kSunUnderscore);
        f.click("BExecuteSelected");
        QCOMPARE(f.row(F::kSunUnderscore).outcome, RowOutcome::Renamed);
        QVERIFY(QFile::exists(f.album() + "/Album - P - 01 - Sun Set.mp3"));
    } else if (change == "execute all") {
        f.click("BExecuteAll");
        // What the check foresaw is what the run did.
        QCOMPARE(f.row(F::kSunSet).outcome, RowOutcome::Renamed);
        QCOMPARE(f.row(F::kSunUnderscore).status, QString("error: new file already exists"));
        QCOMPARE(f.row(F::kRain).outcome, RowOutcome::Renamed);
    } else {
        QFAIL("unknown change");
    }
    QVERIFY(f.prompter.criticals.isEmpty());
    QStringList shown;
    for (int i = 0; i < f.results().size(); ++i) {
        const QString name = f.results().row(i).existing;
        const QString check = f.shownCheck(name);
        if (f.results().row(i).isFileRow() && !check.isEmpty())
            shown.append(name + "=" + check);
    }
    QCOMPARE(shown, reasons);
    QCOMPARE(f.form->checkCounts().willFail, int(reasons.size()));
}

QTEST_MAIN(TestCheckColumn)
#include "tst_checkcolumn.moc"
