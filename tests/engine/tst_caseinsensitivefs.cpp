#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/FileExistence.h"
#include "engine/ResultModel.h"
#include "engine/SafeRename.h"
#include "engine/UndoRun.h"
#include "support/ExfatMount.h"

// The rename on a file system that ignores letter case: an exFAT image
// mounted through FUSE (support/ExfatMount.h). exFAT through FUSE refuses the
// no-replace flag and gives each spelling of a name its own inode number, so
// it takes the paths that ext4 never does.

namespace {

const QString kRenamed = "renamed";
const QString kExists = "error: new file already exists";
const QString kFailed = "error: rename failed";

}  // namespace

class TestCaseInsensitiveFs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void caseOnlyRename_data();
    void caseOnlyRename();
    void executeRows_data();
    void executeRows();
    void refusedOverwriteOfOtherSpelling();
    void reservationRemovedWhenRenameFails();
    void spellingOfAFileRenamedAwayIsNotRenamed();
    void executeThenUndo_data();
    void executeThenUndo();
    void randomProposalsKeepEveryFile();
    void refusedFlagLearnedPerFileSystem();

private:
    QByteArray m_folder;
    std::unique_ptr<ExfatMount> m_mount;
    int m_testNumber = 0;
};

void TestCaseInsensitiveFs::initTestCase() {
    m_mount = std::make_unique<ExfatMount>();
    const QString problem = m_mount->setUp();
    if (!problem.isEmpty()) {
        m_mount.reset();
        QSKIP(qPrintable("exFAT test folder not available: " + problem));
    }
    // The tests mean something only where case is ignored.
    const QByteArray probe = disk::Join(m_mount->path(), "Probe.mp3");
    QVERIFY(disk::WriteFile(probe, "x"));
    QVERIFY(FileExistsAt(disk::Join(m_mount->path(), "PROBE.MP3")));
    QVERIFY(::unlink(probe.constData()) == 0);
}

void TestCaseInsensitiveFs::init() {
    m_folder = disk::Join(m_mount->path(), "t" + QByteArray::number(++m_testNumber));
    QVERIFY(::mkdir(m_folder.constData(), 0755) == 0);
}

void TestCaseInsensitiveFs::cleanup() {
    disk::RemoveTree(m_folder);
}

void TestCaseInsensitiveFs::cleanupTestCase() {
    m_mount.reset();
}

void TestCaseInsensitiveFs::caseOnlyRename_data() {
    QTest::addColumn<QByteArray>("oldName");
    QTest::addColumn<QByteArray>("newName");
    QTest::newRow("letters") << QByteArray("song.mp3") << QByteArray("Song.MP3");
    QTest::newRow("extension only") << QByteArray("a.MP3") << QByteArray("a.mp3");
    QTest::newRow("non-ASCII") << QByteArray("\xc3\xa9t\xc3\xa9.mp3")
                               << QByteArray("\xc3\x89T\xc3\x89.mp3");
}

// The new spelling names the file itself here; the rename goes through a
// temporary name and leaves nothing else behind.
void TestCaseInsensitiveFs::caseOnlyRename() {
    QFETCH(QByteArray, oldName);
    QFETCH(QByteArray, newName);
    QVERIFY(disk::WriteFile(disk::Join(m_folder, oldName), "tune"));
    QCOMPARE(SafeRename(disk::Join(m_folder, oldName), disk::Join(m_folder, newName)), 0);
    QCOMPARE(disk::ListNames(m_folder), QList<QByteArray>{newName});
    QCOMPARE(disk::ReadFile(disk::Join(m_folder, newName)), QByteArray("tune"));
}

void TestCaseInsensitiveFs::executeRows_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("proposals");  // "existing>new", one row each
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("case only") << QStringList{"a.mp3:A"} << QStringList{"a.mp3>A.mp3"}
                               << QStringList{kRenamed} << QStringList{"A.mp3:A"};
    QTest::newRow("free name") << QStringList{"a.mp3:A"} << QStringList{"a.mp3>b.mp3"}
                               << QStringList{kRenamed} << QStringList{"b.mp3:A"};
    QTest::newRow("taken in other case")
        << QStringList{"a.mp3:A", "b.mp3:B"} << QStringList{"a.mp3>B.MP3"} << QStringList{kExists}
        << QStringList{"a.mp3:A", "b.mp3:B"};
    QTest::newRow("two rows to one name")
        << QStringList{"a.mp3:A", "b.mp3:B"} << QStringList{"a.mp3>c.mp3", "b.mp3>C.mp3"}
        << QStringList{kRenamed, kExists} << QStringList{"b.mp3:B", "c.mp3:A"};
    QTest::newRow("swap") << QStringList{"a.mp3:A", "b.mp3:B"}
                          << QStringList{"a.mp3>b.mp3", "b.mp3>a.mp3"}
                          << QStringList{kExists, kExists} << QStringList{"a.mp3:A", "b.mp3:B"};
    QTest::newRow("case change twice")
        << QStringList{"a.mp3:A"} << QStringList{"a.mp3>A.mp3", "a.mp3>A.MP3"}
        << QStringList{kRenamed, kRenamed} << QStringList{"A.MP3:A"};
    QTest::newRow("folder in other case")
        << QStringList{"a.mp3:A", "B.mp3/"} << QStringList{"a.mp3>b.mp3"} << QStringList{kFailed}
        << QStringList{"B.mp3/", "a.mp3:A"};
    QTest::newRow("into existing subfolder")
        << QStringList{"a.mp3:A", "Live/"} << QStringList{"a.mp3>live/A.mp3"}
        << QStringList{kRenamed} << QStringList{"Live/", "Live/A.mp3:A"};
    // Names that Windows could not open again are never written here.
    QTest::newRow("refused character") << QStringList{"a.mp3:A"} << QStringList{"a.mp3>x: y.mp3"}
                                       << QStringList{kFailed} << QStringList{"a.mp3:A"};
    QTest::newRow("a dot at the end") << QStringList{"a.mp3:A"} << QStringList{"a.mp3>x."}
                                      << QStringList{kFailed} << QStringList{"a.mp3:A"};
    QTest::newRow("a space at the end") << QStringList{"a.mp3:A"} << QStringList{"a.mp3>x.mp3 "}
                                        << QStringList{kFailed} << QStringList{"a.mp3:A"};
    QTest::newRow("a dot at the end, in a subfolder")
        << QStringList{"a.mp3:A", "Live/"} << QStringList{"a.mp3>Live/x."} << QStringList{kFailed}
        << QStringList{"Live/", "a.mp3:A"};
}

void TestCaseInsensitiveFs::executeRows() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, proposals);
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, after);
    after.sort();
    QVERIFY(disk::Build(m_folder, before));
    ResultModel model;
    AddProposals(model, m_folder, proposals);
    RecordingServices services;
    ExecuteRows(model, services);
    for (int i = 0; i < statuses.size(); ++i)
        QCOMPARE(model.row(i).status, statuses[i]);
    QCOMPARE(disk::Describe(m_folder), after);
}

// A different file under another spelling is never taken for the file itself.
void TestCaseInsensitiveFs::refusedOverwriteOfOtherSpelling() {
    QVERIFY(disk::Build(m_folder, {"a.mp3:A", "b.mp3:B"}));
    for (const RenameMethod method : {RenameMethod::Automatic, RenameMethod::ReserveNewName}) {
        QCOMPARE(SafeRename(disk::Join(m_folder, "a.mp3"), disk::Join(m_folder, "B.mp3"), method),
                 EEXIST);
        QCOMPARE(SafeRename(disk::Join(m_folder, "a.mp3"), disk::Join(m_folder, "b.mp3"), method),
                 EEXIST);
        QCOMPARE(disk::Describe(m_folder), QStringList({"a.mp3:A", "b.mp3:B"}));
    }
}

// The reservation of the new name is ours to remove when the rename onto it fails.
void TestCaseInsensitiveFs::reservationRemovedWhenRenameFails() {
    QVERIFY(disk::Build(m_folder, {"Live/", "Live/a.mp3:A"}));
    QVERIFY(SafeRename(disk::Join(m_folder, "Live"), disk::Join(m_folder, "x.mp3")) != 0);
    QCOMPARE(disk::Describe(m_folder), QStringList({"Live/", "Live/a.mp3:A"}));
}

// The kernel keeps a spelling that stood for a file for a second after the
// file was renamed away under another spelling: the old name still seems to
// exist. Renaming it then must fail, and must not rename the reservation of
// the new name onto itself (which "succeeded" and left an empty file).
void TestCaseInsensitiveFs::spellingOfAFileRenamedAwayIsNotRenamed() {
    // Renamed to itself, and to another spelling; each with names of its own.
    for (const QByteArray& name : {QByteArray("a.mp3"), QByteArray("b.mp3")}) {
        const QByteArray upper = name.toUpper();
        const QByteArray newName = name == "a.mp3" ? name : upper;
        QVERIFY(disk::WriteFile(disk::Join(m_folder, name), "tune"));
        QVERIFY(FileExistsAt(disk::Join(m_folder, name)));
        QVERIFY(FileExistsAt(disk::Join(m_folder, upper)));
        QCOMPARE(SafeRename(disk::Join(m_folder, upper), disk::Join(m_folder, "away " + name)), 0);
        QVERIFY(SafeRename(disk::Join(m_folder, name), disk::Join(m_folder, newName)) != 0);
        QCOMPARE(disk::ListNames(m_folder), QList<QByteArray>{"away " + name});
        QVERIFY(::unlink(disk::Join(m_folder, "away " + name).constData()) == 0);
    }
}

void TestCaseInsensitiveFs::executeThenUndo_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("proposals");  // "existing>new", one row each

    QTest::newRow("case only") << QStringList{"a.mp3:A"} << QStringList{"a.mp3>A.MP3"};
    QTest::newRow("swap of case through a free name")
        << QStringList{"a.mp3:A", "B.mp3:B"}
        << QStringList{"a.mp3>t.mp3", "B.mp3>b.mp3", "t.mp3>A.mp3"};
    // The second row reaches the file by another spelling; its undo gives
    // the file the spelling of the first row's old name back.
    QTest::newRow("one file renamed twice by case")
        << QStringList{"A.mp3:A"} << QStringList{"A.mp3>a.mp3", "A.mp3>A.MP3"};
    QTest::newRow("into a subfolder of other case")
        << QStringList{"a.mp3:A", "Live/"} << QStringList{"a.mp3>live/A.mp3"};
}

// An undo on a file system that ignores case gives every file its old name
// back, spelled as before.
void TestCaseInsensitiveFs::executeThenUndo() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, proposals);
    before.sort();
    QVERIFY(disk::Build(m_folder, before));
    ResultModel model;
    AddProposals(model, m_folder, proposals);
    RecordingServices services;
    UndoSet renames;
    ExecuteRows(model, services, &renames);
    QCOMPARE(renames.size(), proposals.size());
    // What the kernel knew of the spellings just renamed away goes stale
    // within a second; an undo before that may find a free name taken.
    QTest::qWait(1100);
    UndoRenames(model, renames, services);
    for (int i = 0; i < model.size(); ++i)
        QCOMPARE(model.row(i).status, QString("rename undone"));
    QCOMPARE(disk::Describe(m_folder), before);
}

// Random proposals in one folder, executed: every file is there once, with
// its contents, under its new name exactly as proposed when its row says
// "renamed" and under its old name otherwise; no temporary or reserved name
// is left.
void TestCaseInsensitiveFs::randomProposalsKeepEveryFile() {
    const QList<QByteArray> names = {"a.mp3", "A.mp3",        "b.mp3",        "B.MP3",  "c.mp3",
                                     "C.Mp3", "\xc3\xa9.mp3", "\xc3\x89.mp3", "d e.mp3"};
    const quint32 seed = qEnvironmentVariableIntValue("NORVANE_SAFETY_SEED") + 7;
    QRandomGenerator random(seed);
    for (int round = 0; round < 40; ++round) {
        const QByteArray folder = disk::Join(m_folder, "r" + QByteArray::number(round));
        QVERIFY(::mkdir(folder.constData(), 0755) == 0);
        ResultModel model;
        QList<QByteArray> contents;
        for (int i = 0; i < 5; ++i) {
            const QByteArray name = names[random.bounded(names.size())];
            if (FileExistsAt(disk::Join(folder, name)))
                continue;
            contents << "file " + QByteArray::number(i);
            QVERIFY(disk::WriteFile(disk::Join(folder, name), contents.last()));
            const QString proposal = QFile::decodeName(names[random.bounded(names.size())]);
            model.appendRows({FileRow(folder, name, proposal)});
        }
        RecordingServices services;
        ExecuteRows(model, services);
        const QList<QByteArray> listed = disk::ListNames(folder);
        const QString context = QString("seed %1, round %2").arg(seed).arg(round);
        QVERIFY2(listed.size() == model.size(), qPrintable(context));
        for (int i = 0; i < model.size(); ++i) {
            const ResultRow& row = model.row(i);
            const QByteArray name =
                row.status == kRenamed ? QFile::encodeName(row.newName) : row.existingOnDisk();
            QVERIFY2(listed.contains(name), qPrintable(context + ": " + row.existing + " > " +
                                                       row.newName + ": " + row.status));
            QCOMPARE(disk::ReadFile(disk::Join(folder, name)), contents[i]);
        }
    }
}

namespace {

// The names created in a folder while it is watched: a rename with the
// no-replace flag creates none, the reservation of a new name creates it.
class CreationWatch {
public:
    explicit CreationWatch(const QByteArray& folder)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0)
            m_watch = ::inotify_add_watch(m_fd, folder.constData(), IN_CREATE);
    }
    ~CreationWatch() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isReady() const { return m_fd >= 0 && m_watch >= 0; }
    QList<QByteArray> created() {
        QList<QByteArray> names;
        alignas(inotify_event) char buffer[8192];
        ssize_t n;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0)
                    names.append(QByteArray(event->name));
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd;
    int m_watch = -1;
};

}  // namespace

// One run over the exFAT image and a folder on the machine's own file system,
// rows of both taking turns: the image refuses the no-replace flag, and the
// run learns that for the image alone. The other file system still renames
// with the flag (no name is created there), and on both nothing is replaced.
void TestCaseInsensitiveFs::refusedFlagLearnedPerFileSystem() {
    QTemporaryDir local;
    QVERIFY(local.isValid());
    const QByteArray other = QFile::encodeName(local.path());
    QVERIFY(disk::Build(m_folder, {"a.mp3:A", "c.mp3:C", "taken.mp3:T"}));
    QVERIFY(disk::Build(other, {"b.mp3:B", "d.mp3:D", "taken.mp3:T"}));
    CreationWatch watch(other);
    QVERIFY(watch.isReady());
    ResultModel model;
    model.appendRows({FileRow(m_folder, "a.mp3", "a2.mp3"), FileRow(other, "b.mp3", "b2.mp3"),
                      FileRow(m_folder, "c.mp3", "taken.mp3"), FileRow(other, "d.mp3", "d2.mp3"),
                      FileRow(other, "taken.mp3", "b2.mp3"),
                      FileRow(m_folder, "taken.mp3", "t2.mp3")});
    RecordingServices services;
    ExecuteRows(model, services);
    const QStringList statuses = {kRenamed, kRenamed, kExists, kRenamed, kExists, kRenamed};
    for (int i = 0; i < statuses.size(); ++i)
        QCOMPARE(model.row(i).status, statuses[i]);
    QCOMPARE(disk::Describe(m_folder), QStringList({"a2.mp3:A", "c.mp3:C", "t2.mp3:T"}));
    QCOMPARE(disk::Describe(other), QStringList({"b2.mp3:B", "d2.mp3:D", "taken.mp3:T"}));
    QCOMPARE(watch.created(), QList<QByteArray>());
}

QTEST_GUILESS_MAIN(TestCaseInsensitiveFs)
#include "tst_caseinsensitivefs.moc"
