#include <QSignalSpy>
#include <QTest>

#include "DiskFixture.h"
#include "engine/CancelRename.h"
#include "engine/ResultModel.h"

// Cancel Rename as an operation on rows, without a window. Rows: 0 [folder],
// 1 a proposal, 2 no proposal with a status, 3 a proposal with a format error,
// 4 a manual proposal.
class TestCancelRename : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectedProposalsGo_data();
    void selectedProposalsGo();
};

void TestCancelRename::selectedProposalsGo_data() {
    QTest::addColumn<QSet<int>>("selected");
    QTest::addColumn<QSet<int>>("cancelled");
    QTest::newRow("nothing selected") << QSet<int>{} << QSet<int>{};
    QTest::newRow("all selected") << QSet<int>{0, 1, 2, 3, 4} << QSet<int>{1, 3, 4};
    QTest::newRow("rows without a proposal") << QSet<int>{0, 2} << QSet<int>{};
    QTest::newRow("whatever the status") << QSet<int>{3} << QSet<int>{3};
    QTest::newRow("some") << QSet<int>{2, 4} << QSet<int>{4};
}

void TestCancelRename::selectedProposalsGo() {
    QFETCH(QSet<int>, selected);
    QFETCH(QSet<int>, cancelled);
    ResultModel model;
    model.appendRows({FolderRow("music"), FileRow("/music", "a.mp3", "b.mp3", "rename pending"),
                      FileRow("/music", "c.mp3", "", "already in output format"),
                      FileRow("/music", "d_e.mp3", "d e.mp3", "not input format: too many items."),
                      FileRow("/music", "f.mp3", "g.mp3", "manual rename (pending)")});
    const QVector<ResultRow> before = model.rows();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QCOMPARE(CancelRename(model, SetSelection(selected)), cancelled.size());

    for (int i = 0; i < model.size(); ++i) {
        const ResultRow& row = model.row(i);
        QCOMPARE(row.existing, before[i].existing);
        if (cancelled.contains(i)) {
            QVERIFY(row.newName.isEmpty());
            QCOMPARE(row.status, QString("rename cancelled"));
            QCOMPARE(row.outcome, RowOutcome::RenameCancelled);
        } else {
            QCOMPARE(row.newName, before[i].newName);
            QCOMPARE(row.status, before[i].status);
            QCOMPARE(row.outcome, before[i].outcome);
        }
    }
    // The views hear of the rows once, from the first to the last changed.
    QCOMPARE(changed.count(), cancelled.isEmpty() ? 0 : 1);
    if (!cancelled.isEmpty()) {
        QCOMPARE(changed[0][0].value<QModelIndex>().row(),
                 *std::min_element(cancelled.begin(), cancelled.end()));
        QCOMPARE(changed[0][1].value<QModelIndex>().row(),
                 *std::max_element(cancelled.begin(), cancelled.end()));
    }
}

QTEST_GUILESS_MAIN(TestCancelRename)
#include "tst_cancelrename.moc"
