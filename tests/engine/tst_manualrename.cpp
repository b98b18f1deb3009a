#include <QSignalSpy>
#include <QTest>

#include "DiskFixture.h"
#include "engine/ManualRename.h"
#include "engine/ResultModel.h"

namespace {

const QString kPending = "manual rename (pending)";
const QString kCancelled = "manual rename (cancelled)";

// Rows from a layout: "F" a folder row, "f" a file row, in list order.
void AddLayout(ResultModel& model, const QString& layout) {
    QVector<ResultRow> rows;
    for (int i = 0; i < layout.size(); ++i) {
        if (layout.at(i) == u'F')
            rows.append(FolderRow(QString::number(i)));
        else
            rows.append(FileRow("/music", QByteArray::number(i) + ".mp3"));
    }
    model.appendRows(std::move(rows));
}

}  // namespace

// The manual rename as an operation on rows, without a window.
class TestManualRename : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editText_data();
    void editText();
    void apply_data();
    void apply();
    void folderRowsAndOtherRowsStay();
    void sameName_data();
    void sameName();
    void moveTarget_data();
    void moveTarget();
};

void TestManualRename::editText_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("text");
    QTest::newRow("no proposal") << "Song.MP3"
                                 << ""
                                 << "Song";
    QTest::newRow("the proposal, not the existing name") << "x.mp3"
                                                         << "y.ogg"
                                                         << "y";
    QTest::newRow("last dot only") << "a.b.mp3"
                                   << ""
                                   << "a.b";
    QTest::newRow("a leading dot starts no extension") << ".mp3"
                                                       << ""
                                                       << ".mp3";
    QTest::newRow("no extension") << "song"
                                  << ""
                                  << "song";
}

void TestManualRename::editText() {
    QFETCH(QString, existing);
    QFETCH(QString, newName);
    QFETCH(QString, text);
    QCOMPARE(ManualRenameText(FileRow("/music", existing.toUtf8(), newName)), text);
}

void TestManualRename::apply_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("newName");  // before
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("lowercase");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedStatus");
    QTest::addColumn<RowOutcome>("outcome");

    const RowOutcome pending = RowOutcome::ManualPending;
    const RowOutcome cancelled = RowOutcome::ManualCancelled;
    QTest::newRow("edit as filled, lower case on")
        << "Song.MP3"
        << ""
        << "Song" << true << "Song.mp3" << kPending << pending;
    QTest::newRow("edit as filled, lower case off")
        << "Song.MP3"
        << ""
        << "Song" << false << "" << kCancelled << cancelled;
    QTest::newRow("another extension gets the row's")
        << "x.mp3"
        << ""
        << "a.txt" << true << "a.txt.mp3" << kPending << pending;
    QTest::newRow("the extension in another case is kept")
        << "x.mp3"
        << ""
        << "a.MP3" << false << "a.MP3" << kPending << pending;
    QTest::newRow("kept also with lower case on")
        << "x.MP3"
        << ""
        << "y.Mp3" << true << "y.Mp3" << kPending << pending;
    QTest::newRow("empty edit") << "x.mp3"
                                << ""
                                << "" << true << "" << kCancelled << cancelled;
    QTest::newRow("nothing but the extension") << "x.mp3"
                                               << "y.mp3"
                                               << ".mp3" << true << "" << kCancelled << cancelled;
    QTest::newRow("the existing name") << "x.mp3"
                                       << "y.mp3"
                                       << "x" << true << "" << kCancelled << cancelled;
    QTest::newRow("the row's own proposal changes nothing")
        << "x.mp3"
        << "y.mp3"
        << "y" << true << "y.mp3"
        << "replaced (rename pending)" << RowOutcome::ReplacedPending;
    QTest::newRow("no extension anywhere") << "song"
                                           << ""
                                           << "tune" << true << "tune" << kPending << pending;
    QTest::newRow("no extension, empty edit") << "song"
                                              << ""
                                              << "" << true << "" << kCancelled << cancelled;
    QTest::newRow("taken verbatim") << "x.mp3"
                                    << ""
                                    << " a/b: " << true << " a/b: .mp3" << kPending << pending;
}

void TestManualRename::apply() {
    QFETCH(QString, existing);
    QFETCH(QString, newName);
    QFETCH(QString, typed);
    QFETCH(bool, lowercase);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedStatus);
    QFETCH(RowOutcome, outcome);
    ResultModel model;
    ResultRow row = FileRow("/music", existing.toUtf8(), newName, "replaced (rename pending)");
    row.outcome = RowOutcome::ReplacedPending;
    model.appendRows({row});
    ApplyManualRename(model, 0, typed, lowercase);
    QCOMPARE(model.row(0).newName, expectedName);
    QCOMPARE(model.row(0).status, expectedStatus);
    QCOMPARE(model.row(0).outcome, outcome);
    QCOMPARE(model.row(0).existing, existing);
}

void TestManualRename::folderRowsAndOtherRowsStay() {
    ResultModel model;
    AddLayout(model, "Fff");
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    ApplyManualRename(model, 0, "new", true);
    ApplyManualRename(model, 3, "new", true);
    ApplyManualRename(model, -1, "new", true);
    QCOMPARE(changed.count(), 0);
    ApplyManualRename(model, 2, "new", true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.row(2).newName, QString("new.mp3"));
    QVERIFY(model.row(0).newName.isEmpty());
    QVERIFY(model.row(1).newName.isEmpty());
    QVERIFY(model.row(1).status.isEmpty());
}

void TestManualRename::moveTarget_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("target");
    const QString small = "FffffFf";
    QTest::newRow("down passes over a folder row") << small << 4 << 1 << 6;
    QTest::newRow("up passes over a folder row") << small << 6 << -1 << 4;
    QTest::newRow("down on the last file row") << small << 6 << 1 << 6;
    QTest::newRow("up on the first file row") << small << 1 << -1 << 1;
    QTest::newRow("page down near the end") << small << 3 << 10 << 6;
    QTest::newRow("page up past the top") << small << 4 << -10 << 1;
    const QString large = "F" + QString(8, 'f') + "F" + QString(12, 'f');
    QTest::newRow("page down ten rows") << large << 1 << 10 << 11;
    QTest::newRow("page up onto a folder row goes on upwards") << large << 19 << -10 << 8;
    QTest::newRow("page up past the top turns once") << large << 10 << -10 << 1;
    QTest::newRow("page down past the end") << large << 15 << 10 << 21;
    QTest::newRow("one file row") << "Ff" << 1 << 1 << 1;
    QTest::newRow("one file row, page up") << "FfF" << 1 << -10 << 1;
    QTest::newRow("a row outside the list") << small << 9 << 1 << 9;
}

void TestManualRename::moveTarget() {
    QFETCH(QString, layout);
    QFETCH(int, from);
    QFETCH(int, step);
    QFETCH(int, target);
    ResultModel model;
    AddLayout(model, layout);
    QCOMPARE(ManualRenameMoveTarget(model, from, step), target);
}

// Typing the name a file has is no rename, in either Unicode form; but a name
// read in a legacy encoding is renamed to its UTF-8 form by its own text.
void TestManualRename::sameName_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");  // as listed
    QTest::addColumn<bool>("notUtf8");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<RowOutcome>("outcome");
    QTest::newRow("the same text") << QByteArray("Caf\xc3\xa9.mp3") << "Caf\u00e9.mp3" << false
                                   << "Caf\u00e9" << RowOutcome::ManualCancelled;
    QTest::newRow("the same name decomposed")
        << QByteArray("Caf\xc3\xa9.mp3") << "Caf\u00e9.mp3" << false << "Cafe\u0301"
        << RowOutcome::ManualCancelled;
    QTest::newRow("legacy bytes, the same text")
        << QByteArray("Caf\xe9.mp3") << "Caf\u00e9.mp3" << true << "Caf\u00e9"
        << RowOutcome::ManualPending;
}

void TestManualRename::sameName() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, notUtf8);
    QFETCH(QString, typed);
    QFETCH(RowOutcome, outcome);
    ResultRow row = FileRow("/music", bytes);
    row.existing = text;
    row.nameNotUtf8 = notUtf8;
    ResultModel model;
    model.appendRows({row});
    ApplyManualRename(model, 0, typed, true);
    QCOMPARE(model.row(0).outcome, outcome);
    QCOMPARE(model.row(0).newName, outcome == RowOutcome::ManualPending ? text : QString());
}

QTEST_GUILESS_MAIN(TestManualRename)
#include "tst_manualrename.moc"
