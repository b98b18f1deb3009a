#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/FileExistence.h"
#include "engine/ResultModel.h"
#include "engine/SafeRename.h"
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
    void randomProposalsKeepEveryFile();

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
    for (const QString& proposal : proposals) {
        const QStringList parts = proposal.split('>');
        model.appendRows({FileRow(m_folder, QFile::encodeName(parts[0]), parts[1])});
    }
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
                row.status == kRenamed ? QFile::encodeName(row.newName) : row.existingBytes;
            QVERIFY2(listed.contains(name), qPrintable(context + ": " + row.existing + " > " +
                                                       row.newName + ": " + row.status));
            QCOMPARE(disk::ReadFile(disk::Join(folder, name)), contents[i]);
        }
    }
}

QTEST_GUILESS_MAIN(TestCaseInsensitiveFs)
#include "tst_caseinsensitivefs.moc"
