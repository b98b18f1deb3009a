#include <QDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include "engine/FileSizer.h"
#include "support/TempTree.h"

namespace {

int OpenDescriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

}  // namespace

// The sizer sums the sizes of files it is handed folder by folder, on a
// thread beside the caller's; what it gives back must be exact whatever the
// order the folders come in, however many wait, and whatever the caller does
// with its descriptor afterwards.
class TestFileSizer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sumOfManyFolders_data();
    void sumOfManyFolders();
    void unreadableEntriesCountNothing();
    void callerClosesItsDescriptorAtOnce();
    void collectAgainAndEndWithoutCollect();
};

void TestFileSizer::sumOfManyFolders_data() {
    QTest::addColumn<int>("folders");
    QTest::addColumn<int>("filesPerFolder");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one folder") << 1 << 3;
    // More folders than may wait for the worker: the caller sizes some itself.
    QTest::newRow("more than wait") << 300 << 4;
    QTest::newRow("empty folders") << 5 << 0;
}

void TestFileSizer::sumOfManyFolders() {
    QFETCH(int, folders);
    QFETCH(int, filesPerFolder);
    TempTree tree;
    qint64 expected = 0;
    for (int f = 0; f < folders; ++f) {
        QVERIFY(tree.addFolder(QString("f%1").arg(f)));
        for (int i = 0; i < filesPerFolder; ++i) {
            // Sizes beyond 32 bits as well (the files are sparse).
            const qint64 size = (i == 0 ? (qint64(5) << 32) : 0) + f * 100 + i + 1;
            QVERIFY(tree.addFile(QString("f%1/t%2.mp3").arg(f).arg(i), size));
            expected += size;
        }
    }
    FileSizer sizer;
    for (int f = 0; f < folders; ++f) {
        const int fd = open(tree.filePathBytes(QByteArray("f") + QByteArray::number(f)).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        QList<QByteArray> names;
        for (int i = 0; i < filesPerFolder; ++i)
            names.append("t" + QByteArray::number(i) + ".mp3");
        sizer.add(fd, names);
        close(fd);
    }
    QCOMPARE(sizer.collect(), expected);
}

void TestFileSizer::unreadableEntriesCountNothing() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 7));
    QVERIFY(tree.addFile("real.mp3", 30));
    QVERIFY(tree.addSymlink("link.mp3", "real.mp3"));
    QVERIFY(tree.addSymlink("dangling.mp3", "nowhere.mp3"));
    const int fd = open(tree.pathBytes().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    FileSizer sizer;
    // A link counts as what it leads to; a dangling link and a name that has
    // vanished count 0.
    sizer.add(fd, {"a.mp3", "link.mp3", "dangling.mp3", "gone.mp3"});
    QCOMPARE(sizer.collect(), qint64(7 + 30));
    QCOMPARE(SizeOfFiles(fd, {"a.mp3", "dangling.mp3", "real.mp3"}), qint64(37));
    close(fd);
}

// The files are sized in the folder that was handed over, not through the
// caller's descriptor, which the walk closes as soon as it has listed the folder.
void TestFileSizer::callerClosesItsDescriptorAtOnce() {
    TempTree tree;
    QList<QByteArray> names;
    for (int i = 0; i < 200; ++i)
        names.append("t" + QByteArray::number(i) + ".mp3");
    for (const QByteArray& name : names)
        QVERIFY(tree.addFileBytes(name, 3));
    FileSizer sizer;
    for (int round = 0; round < 40; ++round) {
        const int fd = open(tree.pathBytes().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        sizer.add(fd, names);
        QCOMPARE(close(fd), 0);
    }
    QCOMPARE(sizer.collect(), qint64(40 * 200 * 3));
}

void TestFileSizer::collectAgainAndEndWithoutCollect() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 11));
    const int fd = open(tree.pathBytes().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const int descriptors = OpenDescriptors();
    {
        FileSizer sizer;
        QCOMPARE(sizer.collect(), qint64(0));
        sizer.add(fd, {"a.mp3"});
        QCOMPARE(sizer.collect(), qint64(11));
        // Each collect gives what was handed over since the last one.
        QCOMPARE(sizer.collect(), qint64(0));
        sizer.add(fd, {"a.mp3"});
        sizer.add(fd, {"a.mp3"});
        QCOMPARE(sizer.collect(), qint64(22));
        // A sizer that ends with folders still waiting closes their descriptors.
        for (int i = 0; i < 50; ++i)
            sizer.add(fd, {"a.mp3"});
    }
    QCOMPARE(OpenDescriptors(), descriptors);
    QCOMPARE(close(fd), 0);
}

QTEST_GUILESS_MAIN(TestFileSizer)
#include "tst_filesizer.moc"
