#include <QSignalSpy>
#include <QTest>

#include "DiskFixture.h"
#include "engine/ResultModel.h"
#include "engine/SearchReplace.h"

namespace {

const QString kReplaced = "replaced (rename pending)";

// Rows from "existing" or "existing>new"; a name in brackets is a folder row.
ResultModel* MakeModel(const QStringList& rows, QObject* parent) {
    auto* model = new ResultModel(parent);
    QVector<ResultRow> list;
    for (const QString& row : rows) {
        if (row.startsWith(u'[')) {
            list.append(FolderRow(row.mid(1, row.size() - 2)));
            continue;
        }
        const QStringList parts = row.split(u'>');
        list.append(FileRow("/music", parts[0].toUtf8(), parts.value(1),
                            parts.size() > 1 ? "rename pending" : ""));
    }
    model->appendRows(std::move(list));
    return model;
}

}  // namespace

// Search & Replace as an operation on rows, without a window.
class TestSearchReplace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replaces_data();
    void replaces();
    void progressAndCleanUp();
    void emptySearchChangesNothing();
};

void TestSearchReplace::replaces_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<QStringList>("newNames");  // one a row; "-" for a row left as it was
    QTest::addColumn<int>("changed");

    const QStringList fruit{"[music]", "banana.mp3", "aaaa.mp3", "Song.MP3"};
    QTest::newRow("every occurrence")
        << fruit << "a"
        << "b" << QStringList{"-", "bbnbnb.mp3", "bbbb.mp3", "-"} << 2;
    QTest::newRow("case-sensitive") << fruit << "A"
                                    << "b" << QStringList{"-", "-", "-", "-"} << 0;
    QTest::newRow("no overlap") << fruit << "aa"
                                << "a" << QStringList{"-", "-", "aa.mp3", "-"} << 1;
    QTest::newRow("inserted text is not searched again")
        << fruit << "a"
        << "aa" << QStringList{"-", "baanaanaa.mp3", "aaaaaaaa.mp3", "-"} << 2;
    QTest::newRow("the extension too") << fruit << ".MP3"
                                       << ".ogg" << QStringList{"-", "-", "-", "Song.ogg"} << 1;
    QTest::newRow("by itself still counts")
        << fruit << "Song"
        << "Song" << QStringList{"-", "-", "-", "Song.MP3"} << 1;
    QTest::newRow("an empty replace deletes") << fruit << "an"
                                              << "" << QStringList{"-", "ba.mp3", "-", "-"} << 1;
    QTest::newRow("folder rows never change")
        << QStringList{"[music]", "[music/Live]", "x.mp3"} << "music"
        << "x" << QStringList{"-", "-", "-"} << 0;
    QTest::newRow("a proposal is searched, not the existing name")
        << QStringList{"a.mp3>b.mp3", "b.mp3"} << "b"
        << "c" << QStringList{"c.mp3", "c.mp3"} << 2;
    QTest::newRow("the existing name of a proposal is not searched")
        << QStringList{"a.mp3>b.mp3"} << "a"
        << "c" << QStringList{"-"} << 0;
    QTest::newRow("nothing left is no proposal") << QStringList{"x.mp3", "xx.mp3"} << "x.mp3"
                                                 << "" << QStringList{"-", "x"} << 1;
    QTest::newRow("an empty list") << QStringList{} << "a"
                                   << "b" << QStringList{} << 0;
}

void TestSearchReplace::replaces() {
    QFETCH(QStringList, rows);
    QFETCH(QString, search);
    QFETCH(QString, replace);
    QFETCH(QStringList, newNames);
    QFETCH(int, changed);
    ResultModel* model = MakeModel(rows, this);
    const QVector<ResultRow> before = model->rows();
    RecordingServices services;

    QCOMPARE(SearchReplace(*model, search, replace, services), changed);

    for (int i = 0; i < model->size(); ++i) {
        const ResultRow& row = model->row(i);
        QCOMPARE(row.existing, before[i].existing);
        if (newNames[i] == "-") {
            QCOMPARE(row.newName, before[i].newName);
            QCOMPARE(row.status, before[i].status);
            QCOMPARE(row.outcome, before[i].outcome);
        } else {
            QCOMPARE(row.newName, newNames[i]);
            QCOMPARE(row.status, kReplaced);
            QCOMPARE(row.outcome, RowOutcome::ReplacedPending);
        }
    }
}

// The bar counts every row, folder rows included; the window's events are
// handled once, at the end.
void TestSearchReplace::progressAndCleanUp() {
    ResultModel* model = MakeModel({"[music]", "a.mp3", "b.mp3", "c.mp3"}, this);
    RecordingServices services;
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QCOMPARE(SearchReplace(*model, ".mp3", ".ogg", services), 3);
    QCOMPARE(services.positions, (QList<int>{0, 166, 333, 500, 666}));
    QCOMPARE(services.log.first(), QString("busy"));
    QCOMPARE(services.log.mid(services.log.size() - 3), (QStringList{"idle", "events", "hide"}));
    QCOMPARE(services.log.count("events"), 1);
    QCOMPARE(changed.count(), 1);
}

void TestSearchReplace::emptySearchChangesNothing() {
    ResultModel* model = MakeModel({"[music]", "a.mp3"}, this);
    RecordingServices services;
    QCOMPARE(SearchReplace(*model, QString(), "b", services), 0);
    QVERIFY(model->row(1).newName.isEmpty());
    QVERIFY(services.log.isEmpty());
}

QTEST_GUILESS_MAIN(TestSearchReplace)
#include "tst_searchreplace.moc"
