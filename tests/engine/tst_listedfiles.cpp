#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include "DiskFixture.h"
#include "engine/ListedFiles.h"

// The files one listing of a folder holds, which the execute run trusts
// without asking the disk again: regular files only.
class TestListedFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void holdsTheRegularFilesOnly_data();
    void holdsTheRegularFilesOnly();
    void aFolderLongerThanOneRead();
    void forgetsARenamedFile();
    void aFolderThatCannotBeRead();
};

void TestListedFiles::holdsTheRegularFilesOnly_data() {
    QTest::addColumn<QString>("entry");  // as disk::Build takes it
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("held");
    QTest::newRow("file") << "a.mp3:A" << QByteArray("a.mp3") << true;
    QTest::newRow("empty file") << "a.mp3:" << QByteArray("a.mp3") << true;
    QTest::newRow("folder") << "a.mp3/" << QByteArray("a.mp3") << false;
    QTest::newRow("link to a file: the disk is asked") << "l->x" << QByteArray("l") << false;
    QTest::newRow("dangling link") << "l->gone" << QByteArray("l") << false;
    QTest::newRow("other case") << "a.mp3:A" << QByteArray("A.mp3") << false;
    QTest::newRow("dot") << "a.mp3:A" << QByteArray(".") << false;
}

void TestListedFiles::holdsTheRegularFilesOnly() {
    QFETCH(QString, entry);
    QFETCH(QByteArray, name);
    QFETCH(bool, held);
    disk::TemporaryFolder dir;
    QVERIFY(disk::Build(dir.path(), {"x:X", entry}));
    const int fd = ::open(dir.path().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    ListedFiles files;
    bool typesGiven = false;
    QVERIFY(files.read(fd, &typesGiven));
    ::close(fd);
    QVERIFY(typesGiven);  // the test folders are on a file system that gives them
    QCOMPARE(files.holds(name), held);
    QVERIFY(files.holds("x"));
}

// A folder of thousands of files takes the kernel several reads; every
// name read before the listing grew still holds.
void TestListedFiles::aFolderLongerThanOneRead() {
    disk::TemporaryFolder dir;
    QStringList entries;
    for (int i = 0; i < 3000; ++i)
        entries << QString("Some Artist - Some Album - %1 - A Fairly Long Title.mp3:").arg(i);
    QVERIFY(disk::Build(dir.path(), entries));
    const int fd = ::open(dir.path().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ListedFiles files;
    bool typesGiven = false;
    QVERIFY(files.read(fd, &typesGiven));
    for (int i = 0; i < 3000; ++i)
        QVERIFY2(files.holds(QString("Some Artist - Some Album - %1 - A Fairly Long Title.mp3")
                                 .arg(i)
                                 .toUtf8()),
                 qPrintable(QString::number(i)));
    // Read again, of a folder with fewer names: only those.
    QVERIFY(disk::Build(dir.path(), {"sub/", "sub/only.mp3:"}));
    const int sub = ::openat(fd, "sub", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(files.read(sub, &typesGiven));
    QVERIFY(files.holds("only.mp3"));
    QVERIFY(!files.holds("Some Artist - Some Album - 7 - A Fairly Long Title.mp3"));
    ::close(sub);
    ::close(fd);
}

void TestListedFiles::forgetsARenamedFile() {
    disk::TemporaryFolder dir;
    // Names are bytes, UTF-8 or not.
    const QByteArray latin1 = "Caf\xe9.mp3";
    QVERIFY(disk::Build(dir.path(), {"a.mp3:A"}));
    QVERIFY(disk::WriteFile(disk::Join(dir.path(), latin1), "B"));
    const int fd = ::open(dir.path().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ListedFiles files;
    bool typesGiven = false;
    QVERIFY(files.read(fd, &typesGiven));
    ::close(fd);
    files.forget("a.mp3");
    QVERIFY(!files.holds("a.mp3"));
    QVERIFY(files.holds(latin1));
    files.forget(latin1);
    QVERIFY(!files.holds(latin1));
}

// A folder one may only pass through is opened as a path, which cannot be
// read: nothing is known of it, and every row asks the disk.
void TestListedFiles::aFolderThatCannotBeRead() {
    ListedFiles files;
    bool typesGiven = true;
    QVERIFY(!files.read(-1, &typesGiven));
    QVERIFY(!typesGiven);
    disk::TemporaryFolder dir;
    QVERIFY(disk::Build(dir.path(), {"a.mp3:A"}));
    const int fd = ::open(dir.path().constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QVERIFY(!files.read(fd, &typesGiven));
    QVERIFY(!files.holds("a.mp3"));
    ::close(fd);
}

QTEST_GUILESS_MAIN(TestListedFiles)
#include "tst_listedfiles.moc"
