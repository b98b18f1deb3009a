#include <QSignalSpy>
#include <QTest>

#include "engine/ResultModel.h"

class TestResultModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headersAndRowKinds();
    void batchAppendAnnouncesOnce();
};

void TestResultModel::headersAndRowKinds() {
    ResultModel model;
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Existing Filename"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Folder"));
    model.AddResultRow("[/music]", QString());
    model.AddResultRow("a.mp3", "/music");
    QVERIFY(model.row(0).isFolderRow());
    QVERIFY(model.row(1).isFileRow());
    QVERIFY(!model.row(1).hasProposal());
    model.setProposal(1, "b.mp3", "rename pending");
    QVERIFY(model.row(1).hasProposal());
    QCOMPARE(model.data(model.index(1, ResultModel::NewColumn)).toString(), QString("b.mp3"));
    QCOMPARE(model.data(model.index(1, ResultModel::FolderColumn)).toString(), QString("/music"));
}

void TestResultModel::batchAppendAnnouncesOnce() {
    ResultModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QVector<ResultRow> rows(3);
    rows[0].existing = "[x]";
    rows[1].existing = "1.mp3";
    rows[1].folder = "/x";
    rows[2].existing = "2.mp3";
    rows[2].folder = "/x";
    model.appendRows(std::move(rows));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.rowCount(), 3);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.mutableRow(1).status = "s";
    model.mutableRow(2).status = "s";
    model.rowsChanged(1, 2);
    QCOMPARE(changed.count(), 1);
}

QTEST_GUILESS_MAIN(TestResultModel)
#include "tst_resultmodel.moc"
