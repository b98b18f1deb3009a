#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "engine/ResultModel.h"

namespace {

// A folder row "[/x]" and two file rows in "/x".
QVector<ResultRow> FolderWithTwoFiles() {
    QVector<ResultRow> rows(3);
    rows[0].existing = u"[/x]";
    rows[1].existing = u"1.mp3";
    rows[1].setFolder("/x");
    rows[2].existing = u"2.mp3";
    rows[2].setFolder("/x");
    return rows;
}

}  // namespace

class TestResultModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headersAndRowKinds();
    void batchAppendAnnouncesOnce();
    void modelTesterAcceptsEveryChange();
    void rareFieldsAreEachRowsOwn();
};

void TestResultModel::headersAndRowKinds() {
    ResultModel model;
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Existing Filename"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Folder"));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("Check"));
    model.AddResultRow("[/music]", QString());
    model.AddResultRow("a.mp3", "/music");
    QVERIFY(model.row(0).isFolderRow());
    QVERIFY(model.row(1).isFileRow());
    QVERIFY(!model.row(1).hasProposal());
    model.setProposal(1, "b.mp3", "rename pending", RowOutcome::RenamePending);
    QVERIFY(model.row(1).hasProposal());
    QCOMPARE(model.data(model.index(1, ResultModel::NewColumn)).toString(), QString("b.mp3"));
    QCOMPARE(model.data(model.index(1, ResultModel::FolderColumn)).toString(), QString("/music"));
}

void TestResultModel::batchAppendAnnouncesOnce() {
    ResultModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.appendRows(FolderWithTwoFiles());
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.rowCount(), 3);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.mutableRow(1).status = "s";
    model.mutableRow(2).status = "s";
    model.rowsChanged(1, 2);
    QCOMPARE(changed.count(), 1);
}

// Qt's own checks of the model's rules, run after every change the scan, the
// runs and the commands make: inserts, edits, a full rescan's clear.
void TestResultModel::modelTesterAcceptsEveryChange() {
    ResultModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.appendRows(FolderWithTwoFiles());
    model.AddResultRow("[/y]", QString());
    model.AddResultRow("3.mp3", "/y");
    model.appendRows({});
    model.setProposal(1, "one.mp3", "rename pending", RowOutcome::RenamePending);
    model.setStatus(4, "renamed", RowOutcome::Renamed);
    model.mutableRow(2).status = "s";
    model.rowsChanged(1, 2);
    model.rowsChanged(-1, -1);
    model.checksChanged();
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.rowCount(model.index(1, 0)), 0);
    QCOMPARE(model.columnCount(model.index(1, 0)), 0);
    QVERIFY(!model.data(model.index(1, 0), Qt::EditRole).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    model.clear();
    model.AddResultRow("[/z]", QString());
    QCOMPARE(model.rowCount(), 1);
}

// A name's kept bytes and its check text lie in a record only rows that have
// them hold: a copy changed leaves the original as it was, and a row whose
// both are cleared holds no record.
void TestResultModel::rareFieldsAreEachRowsOwn() {
    ResultRow row;
    QVERIFY(!row.extras);
    row.setCheck("same new name as 'a.mp3'");
    row.setExistingBytes("caf\xe9.mp3");
    ResultRow copy = row;
    copy.setCheck("no such folder");
    copy.setExistingBytes({});
    QCOMPARE(row.check(), QString("same new name as 'a.mp3'"));
    QCOMPARE(row.existingBytes(), QByteArray("caf\xe9.mp3"));
    QCOMPARE(copy.check(), QString("no such folder"));
    QVERIFY(copy.existingBytes().isEmpty());
    copy.setCheck({});
    QVERIFY(!copy.extras);
    row.setExistingBytes({});
    QVERIFY(row.extras);
    QCOMPARE(row.check(), QString("same new name as 'a.mp3'"));
    row.setCheck({});
    QVERIFY(!row.extras);
}

QTEST_GUILESS_MAIN(TestResultModel)
#include "tst_resultmodel.moc"
