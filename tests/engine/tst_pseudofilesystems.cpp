#include <QFile>
#include <QTest>

#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/FileScanner.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"
#include "support/TempTree.h"

// The kernel's own file systems are never entered by a scan: an input folder
// on one gives its folder row and a word to the window; a subfolder that is
// one (a mount point, a bind mount, a link) is left out. A real file system
// mounted below an input folder is scanned as usual.

namespace {

class SkipRecorder : public WindowServices {
public:
    QStringList skipped;  // "folder|type"
    void skippedSystemFolder(const QString& folder, const QString& fileSystem) override {
        skipped.append(folder + u'|' + fileSystem);
    }
};

// Every file, not only ".mp3": the pseudo file systems hold no music, and
// would show here if they were entered.
ScanOptions AllFiles() {
    ScanOptions options;
    options.extensionFilter = false;
    return options;
}

// The rows as "[label]" and "folder | name", with the tree's root written as "~".
QStringList Rows(const ResultModel& model, const QString& root) {
    QStringList rows;
    for (const ResultRow& row : model.rows()) {
        QString text = row.isFolderRow() ? row.existing.toString()
                                           : row.folder() + " | " + row.existing.toString();
        rows.append(root.isEmpty() ? text : text.replace(root, "~"));
    }
    return rows;
}

// Whether the mount table holds a mount of that type at that mount point.
bool MountedAs(const QByteArray& mountPoint, const QByteArray& type) {
    QFile table("/proc/self/mountinfo");
    if (!table.open(QIODevice::ReadOnly))
        return false;
    // "36 25 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw": the mount
    // point is the fifth field, the type the first after " - ".
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() > 4 && dash > 0 && dash + 1 < fields.size() &&
            fields.at(4) == mountPoint && fields.at(dash + 1) == type)
            return true;
    }
    return false;
}

// A file system mounted at a folder of a test's tree, undone when it goes.
class TestMount {
public:
    ~TestMount() {
        if (!m_target.isEmpty())
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    // Returns an empty text when mounted, else why not.
    QString mount(const char* source, const QByteArray& target, const char* type,
                  unsigned long flags) {
        if (::geteuid() != 0)
            return "needs root to mount";
        if (::mount(source, target.constData(), type, flags, nullptr) != 0)
            return QString("mount %1 on %2: %3")
                .arg(source, QFile::decodeName(target), QString::fromLocal8Bit(strerror(errno)));
        m_target = target;
        return {};
    }

private:
    QByteArray m_target;
};

}  // namespace

class TestPseudoFileSystems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inputFolderOnPseudoFileSystem_data();
    void inputFolderOnPseudoFileSystem();
    void realFolderSaysNothing();
    void linkIntoPseudoFileSystemLeftOut();
    void mountsBelowInputFolder();
};

void TestPseudoFileSystems::inputFolderOnPseudoFileSystem_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("type");
    QTest::newRow("proc") << "/proc"
                          << "proc";
    QTest::newRow("inside proc") << "/proc/self"
                                 << "proc";
    QTest::newRow("sysfs") << "/sys"
                           << "sysfs";
    QTest::newRow("devtmpfs") << "/dev"
                              << "devtmpfs";
}

void TestPseudoFileSystems::inputFolderOnPseudoFileSystem() {
    QFETCH(QString, folder);
    QFETCH(QString, type);
    struct statfs fs {};
    if (::statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        QSKIP(qPrintable(folder + " is not there on this machine"));
    if (type == "devtmpfs" && !MountedAs("/dev", "devtmpfs"))
        QSKIP("/dev is not devtmpfs here (a container's /dev is often tmpfs)");
    ResultModel model;
    SkipRecorder services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({folder}, -1, -1, AllFiles());
    QCOMPARE(Rows(model, QString()), QStringList{'[' + folder + ']'});
    QCOMPARE(services.skipped, QStringList{folder + '|' + type});
    QCOMPARE(scanner.FileCount(), 0);
    QCOMPARE(scanner.TotalSize(), 0);
}

void TestPseudoFileSystems::realFolderSaysNothing() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 3));
    ResultModel model;
    SkipRecorder services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, -1, -1, AllFiles());
    QCOMPARE(Rows(model, tree.path()), QStringList({"[~]", "~ | a.mp3"}));
    QCOMPARE(services.skipped, QStringList());
}

// A link below a music folder that leads into /proc is a folder like any
// other to the walk, and it lies on a pseudo file system: left out.
void TestPseudoFileSystems::linkIntoPseudoFileSystemLeftOut() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 3));
    QVERIFY(tree.addSymlink("kernel", "/proc/self"));
    QVERIFY(tree.addFile("z/b.mp3", 4));
    ResultModel model;
    SkipRecorder services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, -1, -1, AllFiles());
    QCOMPARE(Rows(model, tree.path()), QStringList({"[~]", "~ | a.mp3", "[z]", "~/z | b.mp3"}));
    QCOMPARE(services.skipped, QStringList());
}

// proc mounted, and /sys bound, at folders of a music tree: neither is
// entered nor gets a row. A tmpfs mounted there is a real file system and is
// scanned. Mounting needs root; the test says so when it cannot.
void TestPseudoFileSystems::mountsBelowInputFolder() {
    TempTree tree;
    QVERIFY(tree.addFile("a.mp3", 3));
    QVERIFY(tree.addFolder("mnt/proc"));
    QVERIFY(tree.addFolder("mnt/sys"));
    QVERIFY(tree.addFolder("stick"));
    QVERIFY(tree.addFile("zed/b.mp3", 4));
    TestMount proc;
    TestMount sys;
    TestMount stick;
    QString problem = proc.mount("proc", tree.filePathBytes("mnt/proc"), "proc", 0);
    if (problem.isEmpty())
        problem = sys.mount("/sys", tree.filePathBytes("mnt/sys"), nullptr, MS_BIND);
    if (problem.isEmpty())
        problem = stick.mount("tmpfs", tree.filePathBytes("stick"), "tmpfs", 0);
    if (!problem.isEmpty())
        QSKIP(qPrintable("cannot mount file systems in the test tree: " + problem));
    QVERIFY(tree.addFile("stick/c.mp3", 5));

    ResultModel model;
    SkipRecorder services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({tree.path()}, -1, -1, AllFiles());
    QCOMPARE(Rows(model, tree.path()), QStringList({"[~]", "~ | a.mp3", "[mnt]", "[stick]",
                                                    "~/stick | c.mp3", "[zed]", "~/zed | b.mp3"}));
    QCOMPARE(services.skipped, QStringList());
    QCOMPARE(scanner.FileCount(), 3);
    QCOMPARE(scanner.TotalSize(), 12);
}

QTEST_GUILESS_MAIN(TestPseudoFileSystems)
#include "tst_pseudofilesystems.moc"
