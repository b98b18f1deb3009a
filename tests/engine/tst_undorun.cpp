#include <QSignalSpy>
#include <QTest>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/ResultModel.h"
#include "engine/UndoRun.h"

namespace {

const QString kUndone = "rename undone";
const QString kTaken = "error: undo failed: the original name is taken";
const QString kGone = "error: undo failed: the renamed file is gone";

struct Fixture {
    disk::TemporaryFolder dir;
    QByteArray root = dir.path();
    ResultModel model;
    UndoSet renames;

    // A row and the rename "old>new" that an execute run carried out for it.
    void addRename(const QString& rename) {
        const QStringList parts = rename.split('>');
        model.appendRows({FileRow(root, QFile::encodeName(parts[0]), parts[1], "renamed")});
        renames.append(UndoEntry::of(model.size() - 1, model.row(model.size() - 1)));
    }
    QString status(int row) const { return model.row(row).status; }
};

}  // namespace

class TestUndoRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decisions_data();
    void decisions();
    void nonUtf8NameComesBackExactly();
    void lastRenameFirst_data();
    void lastRenameFirst();
    void fileRenamedTwiceStaysWhenItsLaterRenameStays();
    void undoneRenamesLeaveTheSetFailedOnesStay();
    void executeRunTakesTheSet();
    void laterEditsDoNotChangeTheSet();
    void failedExecuteRunKeepsWhatItRenamed();
    void listStartedAgainUndoesNothing();
    void onlyStatusChangesInOneBatch();
};

// One rename put back, against what is on disk since.
void TestUndoRun::decisions_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("rename");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("old name free")
        << QStringList{"b.mp3:A"} << "a.mp3>b.mp3" << kUndone << QStringList{"a.mp3:A"};
    QTest::newRow("old name taken") << QStringList{"a.mp3:X", "b.mp3:A"} << "a.mp3>b.mp3" << kTaken
                                    << QStringList{"a.mp3:X", "b.mp3:A"};
    QTest::newRow("old name held by a folder") << QStringList{"a.mp3/", "b.mp3:A"} << "a.mp3>b.mp3"
                                               << kTaken << QStringList{"a.mp3/", "b.mp3:A"};
    QTest::newRow("old name held by a dangling link")
        << QStringList{"a.mp3->nowhere", "b.mp3:A"} << "a.mp3>b.mp3" << kTaken
        << QStringList{"a.mp3->nowhere", "b.mp3:A"};
    QTest::newRow("renamed file gone")
        << QStringList{"c.mp3:C"} << "a.mp3>b.mp3" << kGone << QStringList{"c.mp3:C"};
    QTest::newRow("a folder holds the new name")
        << QStringList{"b.mp3/"} << "a.mp3>b.mp3" << kGone << QStringList{"b.mp3/"};
    QTest::newRow("case only") << QStringList{"A.MP3:A"} << "a.mp3>A.MP3" << kUndone
                               << QStringList{"a.mp3:A"};
    // On a file system that keeps case, the old spelling is another file.
    QTest::newRow("case only, old spelling taken")
        << QStringList{"a.mp3:X", "A.mp3:A"} << "a.mp3>A.mp3" << kTaken
        << QStringList{"A.mp3:A", "a.mp3:X"};
    QTest::newRow("out of a subfolder")
        << QStringList{"Live/", "Live/a.mp3:A"} << "a.mp3>Live/a.mp3" << kUndone
        << QStringList{"Live/", "a.mp3:A"};
}

void TestUndoRun::decisions() {
    QFETCH(QStringList, before);
    QFETCH(QString, rename);
    QFETCH(QString, status);
    QFETCH(QStringList, after);
    after.sort();

    Fixture f;
    QVERIFY(f.dir.isValid());
    QVERIFY(disk::Build(f.root, before));
    f.addRename(rename);
    RecordingServices services;
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(f.status(0), status);
    QCOMPARE(f.model.row(0).outcome,
             status == kUndone ? RowOutcome::RenameUndone : RowOutcome::UndoFailed);
    QCOMPARE(disk::Describe(f.root), after);
}

// A name that is not valid UTF-8 gets its exact bytes back.
void TestUndoRun::nonUtf8NameComesBackExactly() {
    Fixture f;
    const QByteArray latin1 = "Sigur R\xf3s - Hopp\xedpolla.mp3";
    QVERIFY(disk::WriteFile(disk::Join(f.root, latin1), "tune"));
    f.model.appendRows({FileRow(f.root, latin1, QString::fromUtf8("Sigur Rós - Hoppípolla.mp3"))});
    RecordingServices services;
    ExecuteRows(f.model, services, &f.renames);
    QCOMPARE(disk::ListNames(f.root),
             QList<QByteArray>{"Sigur R\xc3\xb3s - Hopp\xc3\xadpolla.mp3"});
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(f.status(0), kUndone);
    QCOMPARE(disk::ListNames(f.root), QList<QByteArray>{latin1});
    QCOMPARE(disk::ReadFile(disk::Join(f.root, latin1)), QByteArray("tune"));
}

// The renames of one run go back the last one first, so that a chain or a
// swap through a free name comes apart as it was made.
void TestUndoRun::lastRenameFirst_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("proposals");  // "existing>new", one row each
    QTest::addColumn<QStringList>("statuses");   // after the execute run
    QTest::addColumn<int>("renames");

    QTest::newRow("chain") << QStringList{"a.mp3:A", "b.mp3:B"}
                           << QStringList{"b.mp3>c.mp3", "a.mp3>b.mp3"}
                           << QStringList{"renamed", "renamed"} << 2;
    QTest::newRow("swap through a free name")
        << QStringList{"a.mp3:A", "b.mp3:B"}
        << QStringList{"a.mp3>t.mp3", "b.mp3>a.mp3", "t.mp3>b.mp3"}
        << QStringList{"renamed", "renamed", "renamed"} << 3;
    QTest::newRow("case changes and collisions")
        << QStringList{"a.mp3:A", "b.mp3:B", "c.mp3:C"}
        << QStringList{"a.mp3>A.mp3", "b.mp3>A.mp3", "c.mp3>a.mp3", "A.mp3>Live/x.mp3"}
        << QStringList{"renamed", "error: new file already exists", "renamed",
                       "error: rename failed"}
        << 2;
}

void TestUndoRun::lastRenameFirst() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, proposals);
    QFETCH(QStringList, statuses);
    QFETCH(int, renames);
    before.sort();

    Fixture f;
    QVERIFY(disk::Build(f.root, before));
    AddProposals(f.model, f.root, proposals);
    RecordingServices services;
    ExecuteRows(f.model, services, &f.renames);
    for (int i = 0; i < statuses.size(); ++i)
        QCOMPARE(f.status(i), statuses[i]);
    QCOMPARE(f.renames.size(), renames);

    UndoRenames(f.model, f.renames, services);
    QCOMPARE(disk::Describe(f.root), before);
    for (int i = 0; i < statuses.size(); ++i)
        QCOMPARE(f.status(i), statuses[i] == "renamed" ? kUndone : statuses[i]);
    QVERIFY(f.renames.isEmpty());
}

// One file renamed by two rows of a run (a to b, then b to c): when the
// second cannot be undone because b is taken, the first must not move
// whatever holds b now.
void TestUndoRun::fileRenamedTwiceStaysWhenItsLaterRenameStays() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"c.mp3:A", "b.mp3:someone else's"}));
    f.addRename("a.mp3>b.mp3");
    f.addRename("b.mp3>c.mp3");
    RecordingServices services;
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(f.status(1), kTaken);
    QCOMPARE(f.status(0), kGone);
    QCOMPARE(disk::Describe(f.root), QStringList({"b.mp3:someone else's", "c.mp3:A"}));
    QCOMPARE(f.renames.size(), 2);

    // Once b is free again, trying once more puts the file back step by step.
    QVERIFY(::unlink(disk::Join(f.root, "b.mp3").constData()) == 0);
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(f.status(1), kUndone);
    QCOMPARE(f.status(0), kUndone);
    QCOMPARE(disk::Describe(f.root), QStringList{"a.mp3:A"});
    QVERIFY(f.renames.isEmpty());
}

void TestUndoRun::undoneRenamesLeaveTheSetFailedOnesStay() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"x.mp3:A", "y.mp3:B", "b.mp3:taken", "z.mp3:C"}));
    f.addRename("a.mp3>x.mp3");
    f.addRename("b.mp3>y.mp3");
    f.addRename("c.mp3>z.mp3");
    RecordingServices services;
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(f.status(0), kUndone);
    QCOMPARE(f.status(1), kTaken);
    QCOMPARE(f.status(2), kUndone);
    QCOMPARE(f.renames.size(), 1);
    QCOMPARE(f.renames.at(0).row, 1);
    QCOMPARE(UndoEntry::oldName(f.model.row(1)), QByteArray("b.mp3"));
    // The bar counts the renames, the last first; the frame is that of a run.
    QCOMPARE(services.positions, QList<int>({0, 250, 500, 750}));
    QCOMPARE(services.log.first(), QString("busy"));
    QCOMPARE(services.log.mid(services.log.size() - 3), QStringList({"idle", "events", "hide"}));

    // Nothing left to undo: nothing changes.
    f.renames.clear();
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(f.status(1), kTaken);
}

// The set holds what the run renamed, row by row, and nothing else.
void TestUndoRun::executeRunTakesTheSet() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A", "b.mp3:B", "c.mp3:C"}));
    f.model.appendRows({FolderRow("music"), FileRow(f.root, "a.mp3", "x.mp3"),
                        FileRow(f.root, "b.mp3", {}), FileRow(f.root, "c.mp3", "a.mp3"),
                        FileRow(f.root, "missing.mp3", "m.mp3")});
    f.renames = {UndoEntry::of(9, FileRow("/stale", "stale", "stale"))};
    RecordingServices services;
    ExecuteRows(f.model, services, SetSelection({1, 2, 3, 4}), &f.renames);
    QCOMPARE(f.renames.size(), 2);
    QCOMPARE(f.renames[0].row, 1);
    QCOMPARE(f.renames[0].folder(), f.root);
    QVERIFY(f.renames[0].isOf(f.model.row(1)));
    QCOMPARE(f.renames[0].newName(), QByteArray("x.mp3"));
    QCOMPARE(f.renames[1].row, 3);
    QCOMPARE(f.renames[1].newName(), QByteArray("a.mp3"));

    // Executing again renames nothing: the set is that run's, empty.
    ExecuteRows(f.model, services, &f.renames);
    QVERIFY(f.renames.isEmpty());
}

void TestUndoRun::laterEditsDoNotChangeTheSet() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A"}));
    f.model.appendRows({FileRow(f.root, "a.mp3", "b.mp3")});
    RecordingServices services;
    ExecuteRows(f.model, services, &f.renames);
    f.model.setProposal(0, "other.mp3", "manual rename (pending)", RowOutcome::ManualPending);
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(disk::Describe(f.root), QStringList{"a.mp3:A"});
    QCOMPARE(f.status(0), kUndone);
    // The proposal stays, so executing again redoes the rename the user now wants.
    ExecuteRows(f.model, services, &f.renames);
    QCOMPARE(disk::Describe(f.root), QStringList{"other.mp3:A"});
}

// An error that ends an execute run half-way leaves the renames made so far undoable.
void TestUndoRun::failedExecuteRunKeepsWhatItRenamed() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A", "b.mp3:B"}));
    f.model.appendRows({FileRow(f.root, "a.mp3", "x.mp3"), FileRow(f.root, "b.mp3", "y.mp3")});
    RecordingServices services;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             ExecuteRows(f.model, services, SetSelection({0, 1}, 1), &f.renames));
    QCOMPARE(f.renames.size(), 1);
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(disk::Describe(f.root), QStringList({"a.mp3:A", "b.mp3:B"}));
}

// A set kept past the list it was made from (the list cleared and filled
// again, by the same names) renames nothing: its rows are gone.
void TestUndoRun::listStartedAgainUndoesNothing() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"x.mp3:A", "b.mp3:B"}));
    f.addRename("a.mp3>x.mp3");
    f.model.clear();
    f.model.appendRows({FileRow(f.root, "b.mp3", "x.mp3", "renamed")});
    RecordingServices services;
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(disk::Describe(f.root), QStringList({"b.mp3:B", "x.mp3:A"}));
    QCOMPARE(f.status(0), QString("renamed"));
    QCOMPARE(f.renames.size(), 1);
}

void TestUndoRun::onlyStatusChangesInOneBatch() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"x.mp3:A", "z.mp3:C"}));
    f.model.appendRows({FolderRow("music")});
    f.addRename("a.mp3>x.mp3");
    f.model.appendRows({FileRow(f.root, "b.mp3", "y.mp3", "rename pending")});
    f.addRename("c.mp3>z.mp3");
    const QVector<ResultRow> before = f.model.rows();
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    UndoRenames(f.model, f.renames, services);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().row(), 1);
    QCOMPARE(changed[0][1].value<QModelIndex>().row(), 3);
    for (int i = 0; i < f.model.size(); ++i) {
        QCOMPARE(f.model.row(i).existing, before[i].existing);
        QCOMPARE(f.model.row(i).newName, before[i].newName);
        QCOMPARE(f.model.row(i).folder(), before[i].folder());
    }
    QCOMPARE(f.status(0), QString());
    QCOMPARE(f.status(2), QString("rename pending"));
}

QTEST_GUILESS_MAIN(TestUndoRun)
#include "tst_undorun.moc"
