#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CheckFixture.h"
#include "engine/FileSystemRules.h"
#include "engine/check/CaseProbe.h"

// What the check and the execute run learn of a folder's file system: its
// rules by type, and whether it ignores letter case, asked of the file
// system itself without writing.

class TestFileSystemRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void windowsNameFaults_data();
    void windowsNameFaults();
    void rulesAndLetterCase_data();
    void rulesAndLetterCase();

private:
    check::FileSystems m_fileSystems;
};

void TestFileSystemRules::initTestCase() {
    m_fileSystems.setUp();
}

void TestFileSystemRules::cleanupTestCase() {
    m_fileSystems.tearDown();
}

void TestFileSystemRules::windowsNameFaults_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("fault");  // the character, "end:" and it, or empty
    QTest::newRow("plain") << QByteArray("01 - Intro.mp3") << "";
    QTest::newRow("non-ASCII") << QByteArray("Caf\xc3\xa9 \xe2\x80\x94 live.mp3") << "";
    for (const char c : QByteArray(":*?\"<>|\\"))
        QTest::newRow(qPrintable(QString("refused %1").arg(c)))
            << QByteArray("a") + c + "b.mp3" << QString(QChar(c));
    QTest::newRow("the first of two") << QByteArray("a?b:c.mp3") << "?";
    QTest::newRow("a space at the end") << QByteArray("song.mp3 ") << "end: ";
    QTest::newRow("a dot at the end") << QByteArray("song.") << "end:.";
    QTest::newRow("a leading dot and space") << QByteArray(". song.mp3") << "";
}

void TestFileSystemRules::windowsNameFaults() {
    QFETCH(QByteArray, name);
    QFETCH(QString, fault);
    const std::optional<WindowsNameFault> found = FindWindowsNameFault(name);
    QString got;
    if (found)
        got = (found->atEnd ? "end:" : "") + QString(QChar(found->character));
    QCOMPARE(got, fault);
    FileSystemRules windows;
    windows.windowsNames = true;
    QCOMPARE(NameAllowedBy(windows, name), fault.isEmpty());
    QVERIFY(NameAllowedBy(FileSystemRules{}, name));
}

void TestFileSystemRules::rulesAndLetterCase_data() {
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("byType");  // LetterCase
    QTest::addColumn<bool>("windowsNames");
    QTest::addColumn<int>("probed");

    const int keeps = static_cast<int>(LetterCase::Keeps);
    const int ignores = static_cast<int>(LetterCase::Ignores);
    const int unknown = static_cast<int>(LetterCase::Unknown);
    QTest::newRow("ext4") << "ext4" << QStringList{"01 - a.mp3"} << keeps << false << keeps;
    QTest::newRow("ext4, both spellings listed")
        << "ext4" << QStringList{"a.mp3", "A.MP3"} << keeps << false << unknown;
    QTest::newRow("ext4, no letter")
        << "ext4" << QStringList{"01", "02"} << keeps << false << unknown;
    // exFAT through FUSE: its type says nothing of case, the probe does.
    QTest::newRow("exfat") << "exfat" << QStringList{"01 - a.mp3"} << unknown << true << ignores;
    QTest::newRow("exfat, a folder")
        << "exfat" << QStringList{"Live/"} << unknown << true << ignores;
}

void TestFileSystemRules::rulesAndLetterCase() {
    QFETCH(QString, fileSystem);
    QFETCH(QStringList, entries);
    QFETCH(int, byType);
    QFETCH(bool, windowsNames);
    QFETCH(int, probed);
    QString skip;
    const QByteArray root = m_fileSystems.folder(fileSystem, &skip);
    if (root.isEmpty())
        QSKIP(qPrintable(skip));
    QVERIFY(::mkdir(root.constData(), 0755) == 0);
    QVERIFY(disk::Build(root, entries));

    const int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const FileSystemRules rules = RulesOfFileSystem(fd);
    QCOMPARE(static_cast<int>(rules.letterCase), byType);
    QCOMPARE(rules.windowsNames, windowsNames);
    QCOMPARE(rules.nameMax, 255);

    QVector<QByteArray> names;
    QVector<EntryKind> kinds;
    for (const QByteArray& name : disk::ListNames(root)) {
        names.append(name);
        kinds.append(EntryKindAt(fd, name));
    }
    const QStringList before = disk::Describe(root);
    QCOMPARE(static_cast<int>(ProbeLetterCase(fd, names, kinds)), probed);
    QCOMPARE(disk::Describe(root), before);
    ::close(fd);
    disk::RemoveTree(root);
}

QTEST_GUILESS_MAIN(TestFileSystemRules)
#include "tst_filesystemrules.moc"
