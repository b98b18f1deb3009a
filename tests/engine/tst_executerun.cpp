#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <unistd.h>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/ResultModel.h"
#include "engine/UndoSet.h"

namespace {

const QString kRenamed = "renamed";
const QString kMissing = "error: file does not exist";
const QString kExists = "error: new file already exists";
const QString kFailed = "error: rename failed";

// The outcome that goes with each status of the run.
RowOutcome OutcomeOf(const QString& status) {
    if (status == kRenamed)
        return RowOutcome::Renamed;
    if (status == kMissing)
        return RowOutcome::FileDoesNotExist;
    if (status == kExists)
        return RowOutcome::NewFileExists;
    if (status == kFailed)
        return RowOutcome::RenameFailed;
    return RowOutcome::Count;
}

// A temporary folder and a results list whose rows point into it.
struct Fixture {
    disk::TemporaryFolder dir;
    QByteArray root = dir.path();
    ResultModel model;

    void addFile(const QByteArray& name, const QString& newName, const QString& status = {}) {
        model.appendRows({FileRow(root, name, newName, status)});
    }
    void addFolderRow() { model.appendRows({FolderRow(QFile::decodeName(dir.path()))}); }
    QString status(int row) const { return model.row(row).status; }
};

}  // namespace

class TestExecuteRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decisions_data();
    void decisions();
    void runChangesOnlyStatusInOneBatch();
    void rowsOfOneRun_data();
    void rowsOfOneRun();
    void sameRowExecutedTwice();
    void folderChangesDuringTheRun_data();
    void folderChangesDuringTheRun();
    void selectedRowsOnly();
    void nothingToExecute_data();
    void nothingToExecute();
    void progressPositions_data();
    void progressPositions();
    void cleanUpWhenRunFails();
    void nonUtf8NameRenamed();
    void newNameBelowFolder_data();
    void newNameBelowFolder();
    void manyFoldersAtOnce_data();
    void manyFoldersAtOnce();
    void moveIntoAnotherFolderKeepsListOrder();
    void folderReachedTwiceKeepsListOrder();
};

// One row against what is on disk: the four statuses and what they leave.
void TestExecuteRun::decisions_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("after");

    const QStringList a{"a.mp3:A"};
    QTest::newRow("free new name") << a << "b.mp3" << kRenamed << QStringList{"b.mp3:A"};
    QTest::newRow("both missing") << QStringList{"x.mp3:X"} << "b.mp3" << kMissing
                                  << QStringList{"x.mp3:X"};
    QTest::newRow("new name taken") << QStringList{"a.mp3:A", "b.mp3:B"} << "b.mp3" << kExists
                                    << QStringList{"a.mp3:A", "b.mp3:B"};
    QTest::newRow("new name taken in other case") << QStringList{"a.mp3:A", "B.MP3:B"} << "b.mp3"
                                                  << kRenamed << QStringList{"B.MP3:B", "b.mp3:A"};
    QTest::newRow("old gone, new there")
        << QStringList{"b.mp3:B"} << "b.mp3" << kFailed << QStringList{"b.mp3:B"};
    QTest::newRow("case only") << a << "A.MP3" << kRenamed << QStringList{"A.MP3:A"};
    QTest::newRow("case only, hard-linked pair") << QStringList{"a.mp3:A", "A.mp3=a.mp3"} << "A.mp3"
                                                 << kFailed << QStringList{"A.mp3:A", "a.mp3:A"};
    QTest::newRow("folder at new path") << QStringList{"a.mp3:A", "b.mp3/"} << "b.mp3" << kFailed
                                        << QStringList{"a.mp3:A", "b.mp3/"};
    QTest::newRow("dangling link at new path") << QStringList{"a.mp3:A", "b.mp3->gone"} << "b.mp3"
                                               << kExists << QStringList{"a.mp3:A", "b.mp3->gone"};
    QTest::newRow("folder at old path")
        << QStringList{"a.mp3/"} << "b.mp3" << kMissing << QStringList{"a.mp3/"};
    QTest::newRow("into existing subfolder") << QStringList{"a.mp3:A", "Live/"} << "Live/a.mp3"
                                             << kRenamed << QStringList{"Live/", "Live/a.mp3:A"};
    QTest::newRow("into missing subfolder") << a << "Live/a.mp3" << kFailed << a;
    QTest::newRow("name with NUL") << a << QString::fromUtf8("b\0.mp3", 6) << kFailed << a;
    QTest::newRow("name with NUL, old missing")
        << QStringList{} << QString::fromUtf8("b\0.mp3", 6) << kMissing << QStringList{};
    QTest::newRow("name too long") << a << QString(300, 'n') + ".mp3" << kFailed << a;
    QTest::newRow("name not encodable") << a << QString(QChar(0xdc00)) + ".mp3" << kFailed << a;
    QTest::newRow("dot dot") << a << ".." << kFailed << a;
    QTest::newRow("ends in dot") << QStringList{"a.mp3:A", "Live/"} << "Live/." << kFailed
                                 << QStringList{"a.mp3:A", "Live/"};
    QTest::newRow("same name") << a << "a.mp3" << kFailed << a;
}

void TestExecuteRun::decisions() {
    QFETCH(QStringList, before);
    QFETCH(QString, newName);
    QFETCH(QString, status);
    QFETCH(QStringList, after);
    after.sort();

    Fixture f;
    QVERIFY(f.dir.isValid());
    QVERIFY(disk::Build(f.root, before));
    f.addFile("a.mp3", newName, "rename pending");
    RecordingServices services;
    ExecuteRows(f.model, services);
    QCOMPARE(f.status(0), status);
    QCOMPARE(f.model.row(0).outcome, OutcomeOf(status));
    QVERIFY(IsExecuteError(f.model.row(0).outcome) == (status != kRenamed));
    QCOMPARE(disk::Describe(f.root), after);
}

void TestExecuteRun::runChangesOnlyStatusInOneBatch() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A", "b.mp3:B", "c.mp3:C"}));
    f.addFolderRow();
    f.addFile("a.mp3", "x.mp3", "rename pending");
    f.addFile("b.mp3", {}, "already in output format");
    f.addFile("c.mp3", "y.mp3", "not input format: too many items.");  // the status is not read
    f.addFolderRow();
    const QVector<ResultRow> before = f.model.rows();

    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    ExecuteRows(f.model, services);

    QCOMPARE(disk::Describe(f.root), QStringList({"b.mp3:B", "x.mp3:A", "y.mp3:C"}));
    const QStringList statuses{"", kRenamed, "already in output format", kRenamed, ""};
    for (int i = 0; i < f.model.size(); ++i) {
        const ResultRow& row = f.model.row(i);
        QCOMPARE(row.status, statuses[i]);
        QCOMPARE(row.existing, before[i].existing);
        QCOMPARE(row.newName, before[i].newName);
        QCOMPARE(row.folder(), before[i].folder());
        QCOMPARE(row.existingBytes(), before[i].existingBytes());
    }
    // One announcement from the first to the last row the run wrote.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().row(), 1);
    QCOMPARE(changed[0][1].value<QModelIndex>().row(), 3);
}

// Several rows of one run meet the disk as the earlier rows left it.
void TestExecuteRun::rowsOfOneRun_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("proposals");  // "existing>new", one row each
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("two rows to one name")
        << QStringList{"a.mp3:A", "b.mp3:B"} << QStringList{"a.mp3>c.mp3", "b.mp3>c.mp3"}
        << QStringList{kRenamed, kExists} << QStringList{"b.mp3:B", "c.mp3:A"};
    QTest::newRow("swap") << QStringList{"a.mp3:A", "b.mp3:B"}
                          << QStringList{"a.mp3>b.mp3", "b.mp3>a.mp3"}
                          << QStringList{kExists, kExists} << QStringList{"a.mp3:A", "b.mp3:B"};
    QTest::newRow("chain in list order")
        << QStringList{"a.mp3:A", "b.mp3:B"} << QStringList{"b.mp3>c.mp3", "a.mp3>b.mp3"}
        << QStringList{kRenamed, kRenamed} << QStringList{"b.mp3:A", "c.mp3:B"};
    QTest::newRow("chain against list order")
        << QStringList{"a.mp3:A", "b.mp3:B"} << QStringList{"a.mp3>b.mp3", "b.mp3>c.mp3"}
        << QStringList{kExists, kRenamed} << QStringList{"a.mp3:A", "c.mp3:B"};
    QTest::newRow("one file listed twice")
        << QStringList{"a.mp3:A"} << QStringList{"a.mp3>b.mp3", "a.mp3>b.mp3"}
        << QStringList{kRenamed, kFailed} << QStringList{"b.mp3:A"};
    QTest::newRow("both files missing")
        << QStringList{} << QStringList{"a.mp3>c.mp3", "b.mp3>d.mp3"}
        << QStringList{kMissing, kMissing} << QStringList{};
    QTest::newRow("case swap with a hard-linked pair")
        << QStringList{"a.mp3:A", "A.mp3=a.mp3"} << QStringList{"a.mp3>A.mp3", "A.mp3>a.mp3"}
        << QStringList{kFailed, kFailed} << QStringList{"A.mp3:A", "a.mp3:A"};
}

void TestExecuteRun::rowsOfOneRun() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, proposals);
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, after);
    after.sort();

    Fixture f;
    QVERIFY(disk::Build(f.root, before));
    for (const QString& proposal : proposals) {
        const QStringList parts = proposal.split('>');
        f.addFile(QFile::encodeName(parts[0]), parts[1]);
    }
    RecordingServices services;
    ExecuteRows(f.model, services);
    for (int i = 0; i < statuses.size(); ++i)
        QCOMPARE(f.status(i), statuses[i]);
    QCOMPARE(disk::Describe(f.root), after);
}

void TestExecuteRun::sameRowExecutedTwice() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A"}));
    f.addFile("a.mp3", "b.mp3");
    RecordingServices services;
    ExecuteRows(f.model, services);
    QCOMPARE(f.status(0), kRenamed);
    ExecuteRows(f.model, services);
    QCOMPARE(f.status(0), kFailed);
    QCOMPARE(f.model.row(0).newName, QString("b.mp3"));
    QCOMPARE(disk::Describe(f.root), QStringList{"b.mp3:A"});
}

namespace {

// Changes the disk as the run comes to its second row, after it has read the
// folder for the first one.
class ChangingServices : public RecordingServices {
public:
    explicit ChangingServices(std::function<void()> change) : m_change(std::move(change)) {}
    void setProgressPosition(int position) override {
        RecordingServices::setProgressPosition(position);
        // The first position is the run's start, the second its first row.
        if (++m_positions == 3)
            m_change();
    }

private:
    std::function<void()> m_change;
    int m_positions = 0;
};

}  // namespace

// The run reads a folder once for all its rows; what changes in it
// meanwhile is still found.
void TestExecuteRun::folderChangesDuringTheRun_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("second");  // the second row, "old>new"
    QTest::addColumn<QString>("change");  // "-name": removed; "+name:contents": made
    QTest::addColumn<QString>("status");  // of the second row
    QTest::addColumn<QStringList>("after");

    const QStringList ab{"a.mp3:A", "b.mp3:B"};
    QTest::newRow("file gone") << ab << "b.mp3>y.mp3" << "-b.mp3" << kMissing
                               << QStringList{"x.mp3:A"};
    QTest::newRow("file made") << QStringList{"a.mp3:A"} << "c.mp3>z.mp3" << "+c.mp3:C"
                               << kRenamed << QStringList{"x.mp3:A", "z.mp3:C"};
    QTest::newRow("new name taken") << ab << "b.mp3>y.mp3" << "+y.mp3:Y" << kExists
                                    << QStringList{"b.mp3:B", "x.mp3:A", "y.mp3:Y"};
    QTest::newRow("the first row's file again")
        << QStringList{"a.mp3:A"} << "a.mp3>y.mp3" << "+q.mp3:Q" << kMissing
        << QStringList{"q.mp3:Q", "x.mp3:A"};
}

void TestExecuteRun::folderChangesDuringTheRun() {
    QFETCH(QStringList, before);
    QFETCH(QString, second);
    QFETCH(QString, change);
    QFETCH(QString, status);
    QFETCH(QStringList, after);

    Fixture f;
    QVERIFY(disk::Build(f.root, before));
    f.addFile("a.mp3", "x.mp3");
    const QStringList parts = second.split('>');
    f.addFile(QFile::encodeName(parts[0]), parts[1]);
    const QByteArray changed = disk::Join(f.root, QFile::encodeName(change.mid(1).section(':', 0, 0)));
    ChangingServices services([&] {
        if (change.startsWith('-'))
            QCOMPARE(::unlink(changed.constData()), 0);
        else
            QVERIFY(disk::WriteFile(changed, change.section(':', 1).toUtf8()));
    });
    ExecuteRows(f.model, services);
    QCOMPARE(f.status(0), kRenamed);
    QCOMPARE(f.status(1), status);
    QCOMPARE(disk::Describe(f.root), after);
}

void TestExecuteRun::selectedRowsOnly() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A", "b.mp3:B", "c.mp3:C"}));
    f.addFolderRow();
    f.addFile("a.mp3", "x.mp3");
    f.addFile("b.mp3", "y.mp3");
    f.addFile("c.mp3", "z.mp3");
    RecordingServices services;
    ExecuteRows(f.model, services, SetSelection({0, 2}));
    QCOMPARE(disk::Describe(f.root), QStringList({"a.mp3:A", "c.mp3:C", "y.mp3:B"}));
    QCOMPARE(f.status(1), QString());
    QCOMPARE(f.status(2), kRenamed);
    QCOMPARE(f.status(3), QString());
    // Two rows selected, the folder row among them: the bar counts both.
    QCOMPARE(services.positions, QList<int>({0, 500, 1000}));
}

void TestExecuteRun::nothingToExecute_data() {
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<bool>("selectedOnly");
    QTest::newRow("all, empty list") << false << false;
    QTest::newRow("selected, empty list") << false << true;
    QTest::newRow("selected, nothing selected") << true << true;
}

void TestExecuteRun::nothingToExecute() {
    QFETCH(bool, withRows);
    QFETCH(bool, selectedOnly);
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A"}));
    if (withRows)
        f.addFile("a.mp3", "b.mp3", "rename pending");
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    if (selectedOnly)
        ExecuteRows(f.model, services, SetSelection({}));
    else
        ExecuteRows(f.model, services);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(disk::Describe(f.root), QStringList{"a.mp3:A"});
    if (withRows)
        QCOMPARE(f.status(0), QString("rename pending"));
    QCOMPARE(services.log, QStringList({"busy", "position 0", "show", "idle", "events", "hide"}));
}

void TestExecuteRun::progressPositions_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("four rows") << 4 << QList<int>{0, 166, 333, 500, 666};
    QTest::newRow("one row") << 1 << QList<int>{0, 500};
    QTest::newRow("two rows") << 2 << QList<int>{0, 500, 1000};
}

void TestExecuteRun::progressPositions() {
    QFETCH(int, rows);
    QFETCH(QList<int>, positions);
    Fixture f;
    f.addFolderRow();
    for (int i = 1; i < rows; ++i)
        f.addFile(QByteArray::number(i) + ".mp3", "new.mp3");
    RecordingServices services;
    ExecuteRows(f.model, services);
    QCOMPARE(services.positions, positions);
    QCOMPARE(services.log.first(), QString("busy"));
    QCOMPARE(services.log.mid(services.log.size() - 3), QStringList({"idle", "events", "hide"}));
}

// An error in the middle of a run ends it; the clean-up still runs, and rows
// already handled keep their status and are announced.
void TestExecuteRun::cleanUpWhenRunFails() {
    Fixture f;
    QVERIFY(disk::Build(f.root, {"a.mp3:A", "b.mp3:B"}));
    f.addFile("a.mp3", "x.mp3");
    f.addFile("b.mp3", "y.mp3");
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    RecordingServices services;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             ExecuteRows(f.model, services, SetSelection({0, 1}, 1)));
    QCOMPARE(f.status(0), kRenamed);
    QCOMPARE(f.status(1), QString());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(disk::Describe(f.root), QStringList({"b.mp3:B", "x.mp3:A"}));
    QCOMPARE(services.log,
             QStringList({"busy", "position 0", "show", "position 500", "idle", "events", "hide"}));
}

void TestExecuteRun::nonUtf8NameRenamed() {
    Fixture f;
    const QByteArray latin1 = "Sigur R\xf3s - Hopp\xedpolla.mp3";
    QVERIFY(disk::WriteFile(disk::Join(f.root, latin1), "tune"));
    f.addFile(latin1, QString::fromUtf8("Sigur Rós - Hoppípolla.mp3"));
    RecordingServices services;
    ExecuteRows(f.model, services);
    QCOMPARE(f.status(0), kRenamed);
    QCOMPARE(disk::Describe(f.root),
             QStringList{QString::fromUtf8("Sigur Rós - Hoppípolla.mp3:tune")});
}

// A New Filename that begins with "/" still names a path below the row's
// folder. The names carry a token of this run ("{t}", "{T}" in upper case),
// so that a file that did reach the root folder is found and removed again;
// "{out}" is the absolute path of a folder beside the row's folder.
void TestExecuteRun::newNameBelowFolder_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("where");  // the file's path below the folder afterwards

    const QStringList one{"{t}.mp3:A"};
    QTest::newRow("one leading slash") << one << "/{t}b.mp3" << kRenamed << "{t}b.mp3";
    QTest::newRow("the same path as the old one") << one << "/{t}.mp3" << kFailed << "{t}.mp3";
    QTest::newRow("case only") << one << "/{T}.mp3" << kRenamed << "{T}.mp3";
    QTest::newRow("new name taken")
        << QStringList{"{t}.mp3:A", "{t}b.mp3:B"} << "/{t}b.mp3" << kExists << "{t}.mp3";
    QTest::newRow("doubled slashes into a subfolder")
        << QStringList{"{t}.mp3:A", "{t}/"} << "//{t}//{t}.mp3" << kRenamed << "{t}/{t}.mp3";
    QTest::newRow("only slashes") << one << "//" << kFailed << "{t}.mp3";
    QTest::newRow("absolute path elsewhere") << one << "{out}/{t}.mp3" << kFailed << "{t}.mp3";
    QTest::newRow("up into the parent folder") << one << "../{t}.mp3" << kFailed << "{t}.mp3";
    QTest::newRow("down and up out of the folder")
        << QStringList{"{t}.mp3:A", "{t}/"} << "{t}/../../outside/{t}.mp3" << kFailed << "{t}.mp3";
    QTest::newRow("absolute path mirrored below the folder")
        << QStringList{"{t}.mp3:A", "{out}/"} << "{out}/{t}.mp3" << kRenamed << "{out}/{t}.mp3";
}

void TestExecuteRun::newNameBelowFolder() {
    QFETCH(QStringList, before);
    QFETCH(QString, newName);
    QFETCH(QString, status);
    QFETCH(QString, where);

    disk::TemporaryFolder parent;
    QVERIFY(parent.isValid());
    const QByteArray root = disk::Join(parent.path(), "folder");
    const QByteArray outside = disk::Join(parent.path(), "outside");
    QVERIFY(::mkdir(root.constData(), 0755) == 0 && ::mkdir(outside.constData(), 0755) == 0);
    const QString token =
        "norvane-" + QString::number(QRandomGenerator::global()->generate64(), 16);
    const auto expand = [&](QString text, bool outsideRelative) {
        const QString out = QFile::decodeName(outside);
        text.replace("{out}", outsideRelative ? out.mid(1) : out);
        text.replace("{t}", token);
        return text.replace("{T}", token.toUpper());
    };
    for (const QString& entry : before) {
        const QString made = expand(entry, true);
        if (made.endsWith('/'))
            QVERIFY(QDir().mkpath(QFile::decodeName(root) + '/' + made));
        else
            QVERIFY(disk::Build(root, {made}));
    }
    ResultModel model;
    model.appendRows({FileRow(root, QFile::encodeName(token + ".mp3"), expand(newName, false))});
    RecordingServices services;
    ExecuteRows(model, services);

    // Whatever reached the root folder goes again before the checks.
    QStringList escaped;
    for (const QByteArray& name : disk::ListNames("/")) {
        if (QFile::decodeName(name).contains(token, Qt::CaseInsensitive)) {
            escaped << QFile::decodeName(name);
            disk::RemoveTree("/" + name);
        }
    }
    QCOMPARE(escaped, QStringList());
    QCOMPARE(disk::ListNames(outside), QList<QByteArray>());
    QCOMPARE(model.row(0).status, status);
    QCOMPARE(disk::ReadFile(disk::Join(root, QFile::encodeName(expand(where, true)))),
             QByteArray("A"));
}

// Folders are renamed at the same time, but each in list order: every
// folder's four rows give the outcomes that order gives, and the undo set
// holds the renames in list order.
void TestExecuteRun::manyFoldersAtOnce_data() {
    QTest::addColumn<bool>("firstStepSelected");
    QTest::newRow("all rows") << true;
    QTest::newRow("selected, but the first row of each folder") << false;
}

void TestExecuteRun::manyFoldersAtOnce() {
    QFETCH(bool, firstStepSelected);
    constexpr int kFolders = 24;
    // In list order, in each folder: a taken name, the rename that frees it,
    // the rename into the freed name, a file that is not there.
    const QStringList steps{"b.mp3>c.mp3", "c.mp3>d.mp3", "a.mp3>c.mp3", "x.mp3>y.mp3"};
    const QStringList statuses{kExists, kRenamed, kRenamed, kMissing};
    disk::TemporaryFolder root;
    QList<QByteArray> folders;
    for (int k = 0; k < kFolders; ++k) {
        folders << disk::Join(root.path(), "f" + QByteArray::number(k));
        QVERIFY(::mkdir(folders.last().constData(), 0755) == 0);
        const QString n = QString::number(k);
        QVERIFY(disk::Build(folders.last(), {"a.mp3:A" + n, "b.mp3:B" + n, "c.mp3:C" + n}));
    }
    // The folders take turns in the list.
    ResultModel model;
    QSet<int> selected;
    for (int step = 0; step < steps.size(); ++step) {
        for (int k = 0; k < kFolders; ++k) {
            if (step > 0 || firstStepSelected)
                selected << model.size();
            AddProposals(model, folders[k], {steps[step]});
        }
    }
    RecordingServices services;
    UndoSet undo;
    ExecuteRows(model, services, SetSelection(selected), &undo);

    QList<int> renamedRows;
    for (int row = 0; row < model.size(); ++row) {
        const int step = row / kFolders;
        const QString expected = step == 0 && !firstStepSelected ? QString() : statuses[step];
        QCOMPARE(model.row(row).status, expected);
        if (expected == kRenamed)
            renamedRows << row;
    }
    for (int k = 0; k < kFolders; ++k) {
        const QString n = QString::number(k);
        QCOMPARE(disk::Describe(folders[k]),
                 QStringList({"b.mp3:B" + n, "c.mp3:A" + n, "d.mp3:C" + n}));
    }
    QList<int> undoRows;
    for (const UndoEntry& entry : undo)
        undoRows << entry.row;
    QCOMPARE(undoRows, renamedRows);
    // Every row counted on the bar once, whichever thread did it.
    QCOMPARE(services.positions.size(), selected.size() + 1);
    QCOMPARE(services.positions.last(), 500 * selected.size() / (selected.size() - 1));
}

namespace {

// Rows enough to keep the thread of their folder busy for a while: their
// files are not there, and each costs the run a look at the disk.
constexpr int kGone = 3000;

void AddRowsOfGoneFiles(ResultModel& model, const QByteArray& folder) {
    for (int i = 0; i < kGone; ++i)
        AddProposals(model, folder, {QString("gone%1.mp3>z%1.mp3").arg(i)});
}

}  // namespace

// A new name that leads into another folder of the run: that folder's rows
// wait for it in list order, however many rows come before it.
void TestExecuteRun::moveIntoAnotherFolderKeepsListOrder() {
    disk::TemporaryFolder root;
    const QByteArray outer = disk::Join(root.path(), "outer");
    const QByteArray inner = disk::Join(outer, "inner");
    QVERIFY(::mkdir(outer.constData(), 0755) == 0 && ::mkdir(inner.constData(), 0755) == 0);
    QVERIFY(disk::Build(outer, {"x.mp3:X"}));
    ResultModel model;
    AddRowsOfGoneFiles(model, outer);
    AddProposals(model, outer, {"x.mp3>inner/n.mp3"});
    AddProposals(model, inner, {"n.mp3>m.mp3"});
    RecordingServices services;
    ExecuteRows(model, services);
    QCOMPARE(model.row(kGone).status, kRenamed);
    QCOMPARE(model.row(kGone + 1).status, kRenamed);
    QCOMPARE(disk::Describe(outer), QStringList({"inner/", "inner/m.mp3:X"}));
}

// One folder reached by two paths, its own and a link's: the rows of both
// meet in it, and they go in list order, however many rows come before.
void TestExecuteRun::folderReachedTwiceKeepsListOrder() {
    disk::TemporaryFolder root;
    const QByteArray real = disk::Join(root.path(), "real");
    const QByteArray link = disk::Join(root.path(), "link");
    QVERIFY(::mkdir(real.constData(), 0755) == 0 && ::symlink("real", link.constData()) == 0);
    QVERIFY(disk::Build(real, {"a.mp3:A"}));
    ResultModel model;
    AddRowsOfGoneFiles(model, real);
    AddProposals(model, real, {"a.mp3>b.mp3"});
    AddProposals(model, link, {"a.mp3>c.mp3"});
    RecordingServices services;
    ExecuteRows(model, services);
    QCOMPARE(model.row(kGone).status, kRenamed);
    QCOMPARE(model.row(kGone + 1).status, kMissing);
    QCOMPARE(disk::Describe(real), QStringList({"b.mp3:A"}));
}

QTEST_GUILESS_MAIN(TestExecuteRun)
#include "tst_executerun.moc"
