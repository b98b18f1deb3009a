#include <sys/stat.h>
#include <QFile>
#include <QTest>

#include "engine/FileScanner.h"
#include "engine/FolderListing.h"
#include "engine/NameSorter.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"
#include "support/TempTree.h"

namespace {

// Scans one folder with the filter off and a window that does nothing.
void Scan(ResultModel& model, const QString& folder, bool recursive = true) {
    WindowServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({folder}, 0, 0, ScanOptions{recursive, false});
}

QStringList Captions(const ResultModel& model) {
    QStringList captions;
    for (const ResultRow& row : model.rows())
        captions.append(row.existing);
    return captions;
}

// Whether a file row's bytes address an entry on disk (a link counts, even a dangling one).
bool Addressable(const ResultRow& row) {
    struct stat st;
    return lstat(JoinPath(row.folderOnDisk(), row.existingOnDisk()).constData(), &st) == 0;
}

}  // namespace

class TestFolderListing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void joinPath_data();
    void joinPath();
    void rootFolder();
    void namesThatAreNotUtf8();
    void unusualNames();
    void links();
    void sortOrder_data();
    void sortOrder();
};

void TestFolderListing::joinPath_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("root") << "/"
                          << "a.mp3"
                          << "/a.mp3";
    QTest::newRow("folder") << "/music"
                            << "a.mp3"
                            << "/music/a.mp3";
    QTest::newRow("relative") << "Live"
                              << "Deep"
                              << "Live/Deep";
}

void TestFolderListing::joinPath() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(JoinPath(folder, name), path);
    QCOMPARE(JoinPath(QFile::encodeName(folder), QFile::encodeName(name)), QFile::encodeName(path));
}

void TestFolderListing::rootFolder() {
    // The root keeps its "/": its folder row reads "[/]" and its files lie in "/".
    ResultModel model;
    Scan(model, "/", false);
    QVERIFY(model.size() >= 1);
    QCOMPARE(model.row(0).existing, QString("[/]"));
    for (int i = 1; i < model.size(); ++i) {
        const ResultRow& row = model.row(i);
        QCOMPARE(row.folder(), QString("/"));
        QCOMPARE(row.folderBytes(), QByteArray("/"));
        QVERIFY2(Addressable(row), row.existingOnDisk().constData());
    }
}

void TestFolderListing::namesThatAreNotUtf8() {
    TempTree tree;
    const QByteArray folder("d\xfcr");     // Latin-1 "dür"
    const QByteArray name("caf\xe9.mp3");  // Latin-1 "café.mp3"
    QVERIFY(tree.addFileBytes(folder + '/' + name, 1234));
    QVERIFY(tree.addFile("ok.mp3"));

    ResultModel model;
    WindowServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, 0, 0, ScanOptions{true, false});
    QCOMPARE(model.size(), 4);
    QCOMPARE(scanner.FileCount(), 2);
    QCOMPARE(scanner.TotalSize(), qint64(1234));
    const ResultRow& row = model.row(3);
    QCOMPARE(row.existingOnDisk(), name);
    QCOMPARE(row.folderBytes(), tree.filePathBytes(folder));
    // Read in Windows-1252, the default, byte for byte: nothing is replaced.
    QCOMPARE(row.existing, QString::fromUtf8("caf\u00e9.mp3"));
    QVERIFY(row.nameNotUtf8);
    QCOMPARE(row.folder(), tree.path() + QString::fromUtf8("/d\u00fcr"));
    QVERIFY(row.folderNotUtf8());
    QCOMPARE(model.row(2).existing, QString::fromUtf8("[d\u00fcr]"));
    QVERIFY(model.row(2).nameNotUtf8);
    QVERIFY(!model.row(1).nameNotUtf8 && !model.row(1).folderNotUtf8());
    QVERIFY(Addressable(row));
}

void TestFolderListing::unusualNames() {
    TempTree tree;
    const QByteArray longName = QByteArray(251, 'n') + ".mp3";
    QCOMPARE(longName.size(), 255);
    QVERIFY(tree.addFileBytes(longName));
    QVERIFY(tree.addFileBytes("two\nlines.mp3"));
    QVERIFY(tree.addFileBytes("sub\nfolder/x.mp3"));

    ResultModel model;
    Scan(model, tree.path());
    QCOMPARE(model.size(), 5);
    QCOMPARE(model.row(1).existingOnDisk(), longName);
    QCOMPARE(model.row(2).existing, QString("two\nlines.mp3"));
    QCOMPARE(model.row(3).existing, QString("[sub\nfolder]"));
    for (int i : {1, 2, 4})
        QVERIFY(Addressable(model.row(i)));
}

void TestFolderListing::links() {
    TempTree tree;
    QVERIFY(tree.addFile("a/song.mp3", 10));
    QVERIFY(tree.addSymlink("a/loop", ".."));  // back to the input folder
    QVERIFY(tree.addSymlink("a/self", "."));
    QVERIFY(tree.addSymlink("b", "a"));  // a sibling: walked like a folder
    QVERIFY(tree.addSymlink("dead.mp3", "nowhere"));
    QVERIFY(tree.addSymlink("live.mp3", "a/song.mp3"));

    ResultModel model;
    WindowServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, 0, 0, ScanOptions{true, false});
    // The cycles end where they would enter a folder of their own branch.
    const QStringList expected{
        "[" + tree.path() + "]", "dead.mp3", "live.mp3", "[a]", "song.mp3", "[b]", "song.mp3"};
    QCOMPARE(Captions(model), expected);
    QCOMPARE(model.row(6).folder(), tree.filePath("b"));
    // A link has its target's size; a dangling link counts as an empty file.
    QCOMPARE(scanner.TotalSize(), qint64(30));
    QCOMPARE(scanner.FileCount(), 4);
}

void TestFolderListing::sortOrder_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    const QStringList names{"b.mp3", "Zed.mp3", "B.mp3", "a.mp3", "_x.mp3", "A.mp3"};
    const QStringList sorted{"_x.mp3", "A.mp3", "a.mp3", "B.mp3", "b.mp3", "Zed.mp3"};
    // The C locale's collation keys would put every capital first.
    QTest::newRow("C") << "C" << names << sorted;
    QTest::newRow("en_US") << "en_US" << names << sorted;
    QTest::newRow("en_US accents")
        << "en_US" << QStringList{"fa", "éa", "Ea", "ea"} << QStringList{"Ea", "ea", "éa", "fa"};
}

void TestFolderListing::sortOrder() {
    QFETCH(QString, locale);
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    QStringList result;
    for (qsizetype i : NameSorter(QLocale(locale)).sortedOrder(names))
        result.append(names.at(i));
    QCOMPARE(result, sorted);
}

QTEST_GUILESS_MAIN(TestFolderListing)
#include "tst_folderlisting.moc"
