#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>

#include <cerrno>

#include "DiskFixture.h"
#include "engine/FileExistence.h"
#include "engine/SafeRename.h"

Q_DECLARE_METATYPE(RenameMethod)

class TestSafeRename : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void renameOnDisk_data();
    void renameOnDisk();
    void refusesPathsWithNul();
    void nonUtf8NameGetsCleanName();
    void fileExistence_data();
    void fileExistence();
    void encodeNewName_data();
    void encodeNewName();
    void encodeNewNameOfRandomText();
};

// Every case runs through the program's own method and through the
// reservation that file systems without a no-replace rename need.
void TestSafeRename::renameOnDisk_data() {
    QTest::addColumn<RenameMethod>("method");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QStringList>("after");

    struct Case {
        const char* tag;
        QStringList before;
        QString oldName;
        QString newName;
        bool succeeds;
        QStringList after;
    };
    const QList<Case> cases = {
        {"free name", {"a.mp3:A"}, "a.mp3", "b.mp3", true, {"b.mp3:A"}},
        {"taken by a file",
         {"a.mp3:A", "b.mp3:B"},
         "a.mp3",
         "b.mp3",
         false,
         {"a.mp3:A", "b.mp3:B"}},
        {"taken by a folder",
         {"a.mp3:A", "b.mp3/"},
         "a.mp3",
         "b.mp3",
         false,
         {"a.mp3:A", "b.mp3/"}},
        {"taken by an empty file",
         {"a.mp3:A", "b.mp3:"},
         "a.mp3",
         "b.mp3",
         false,
         {"a.mp3:A", "b.mp3:"}},
        {"taken by a dangling link",
         {"a.mp3:A", "b.mp3->gone"},
         "a.mp3",
         "b.mp3",
         false,
         {"a.mp3:A", "b.mp3->gone"}},
        {"old missing", {"b.mp3:B"}, "a.mp3", "c.mp3", false, {"b.mp3:B"}},
        {"case only, new spelling free", {"a.mp3:A"}, "a.mp3", "A.mp3", true, {"A.mp3:A"}},
        {"case only, new spelling is another file",
         {"a.mp3:A", "A.mp3:B"},
         "a.mp3",
         "A.mp3",
         false,
         {"A.mp3:B", "a.mp3:A"}},
        {"case only, hard-linked pair",
         {"a.mp3:A", "A.mp3=a.mp3"},
         "a.mp3",
         "A.mp3",
         false,
         {"A.mp3:A", "a.mp3:A"}},
        {"same name", {"a.mp3:A"}, "a.mp3", "a.mp3", false, {"a.mp3:A"}},
        // The reservation of the new name must not be renamed onto itself.
        {"same name, file missing", {"b.mp3:B"}, "a.mp3", "a.mp3", false, {"b.mp3:B"}},
        {"into an existing subfolder",
         {"a.mp3:A", "sub/"},
         "a.mp3",
         "sub/a.mp3",
         true,
         {"sub/", "sub/a.mp3:A"}},
        {"into a missing subfolder", {"a.mp3:A"}, "a.mp3", "sub/a.mp3", false, {"a.mp3:A"}},
        {"into a subfolder onto a file",
         {"a.mp3:A", "sub/", "sub/a.mp3:B"},
         "a.mp3",
         "sub/a.mp3",
         false,
         {"a.mp3:A", "sub/", "sub/a.mp3:B"}},
    };
    for (const RenameMethod method : {RenameMethod::Automatic, RenameMethod::ReserveNewName}) {
        const char* prefix = method == RenameMethod::Automatic ? "automatic" : "reserved";
        for (const Case& c : cases) {
            QTest::addRow("%s: %s", prefix, c.tag)
                << method << c.before << c.oldName << c.newName << c.succeeds << c.after;
        }
    }
}

void TestSafeRename::renameOnDisk() {
    QFETCH(RenameMethod, method);
    QFETCH(QStringList, before);
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(bool, succeeds);
    QFETCH(QStringList, after);

    disk::TemporaryFolder dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path();
    QVERIFY(disk::Build(root, before));

    const int error = SafeRename(disk::Join(root, QFile::encodeName(oldName)),
                                 disk::Join(root, QFile::encodeName(newName)), method);
    QCOMPARE(error == 0, succeeds);
    // Nothing else is left behind: no reservation, no temporary name.
    QCOMPARE(disk::Describe(root), after);
}

void TestSafeRename::refusesPathsWithNul() {
    disk::TemporaryFolder dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path();
    QVERIFY(disk::Build(root, {"a.mp3:A", "b:B"}));
    // The C call would stop at the NUL and rename onto "b" without the flag check.
    const QByteArray withNul = disk::Join(root, QByteArray("b\0.mp3", 6));
    QCOMPARE(SafeRename(disk::Join(root, "a.mp3"), withNul), EINVAL);
    QCOMPARE(SafeRename(withNul, disk::Join(root, "c.mp3")), EINVAL);
    QCOMPARE(disk::Describe(root), QStringList({"a.mp3:A", "b:B"}));
}

void TestSafeRename::nonUtf8NameGetsCleanName() {
    disk::TemporaryFolder dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path();
    const QByteArray latin1 = "Caf\xe9 del Mar.mp3";
    QVERIFY(disk::WriteFile(disk::Join(root, latin1), "tune"));
    QVERIFY(FileExistsAt(disk::Join(root, latin1)));
    QCOMPARE(SafeRename(disk::Join(root, latin1), disk::Join(root, *EncodeNewName("Café.mp3"))), 0);
    QCOMPARE(disk::ListNames(root), QList<QByteArray>({"Caf\xc3\xa9.mp3"}));
    QCOMPARE(disk::ReadFile(disk::Join(root, "Caf\xc3\xa9.mp3")), QByteArray("tune"));
}

void TestSafeRename::fileExistence_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("file") << QStringList{"a:x"} << "a" << true;
    QTest::newRow("empty file") << QStringList{"a:"} << "a" << true;
    QTest::newRow("missing") << QStringList{"a:x"} << "b" << false;
    QTest::newRow("other case") << QStringList{"a:x"} << "A" << false;
    QTest::newRow("folder") << QStringList{"a/"} << "a" << false;
    QTest::newRow("link to file") << QStringList{"a:x", "l->a"} << "l" << true;
    QTest::newRow("link to folder") << QStringList{"d/", "l->d"} << "l" << false;
    QTest::newRow("dangling link") << QStringList{"l->gone"} << "l" << true;
    QTest::newRow("file in subfolder") << QStringList{"d/", "d/a:x"} << "d/a" << true;
}

void TestSafeRename::fileExistence() {
    QFETCH(QStringList, entries);
    QFETCH(QString, name);
    QFETCH(bool, exists);
    disk::TemporaryFolder dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path();
    QVERIFY(disk::Build(root, entries));
    QCOMPARE(FileExistsAt(disk::Join(root, QFile::encodeName(name))), exists);
}

void TestSafeRename::encodeNewName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");  // null: refused
    QTest::newRow("plain") << "b.mp3" << QByteArray("b.mp3");
    QTest::newRow("non-ASCII") << QString::fromUtf8("Ära – Öl.mp3")
                               << QByteArray("\xc3\x84ra \xe2\x80\x93 \xc3\x96l.mp3");
    QTest::newRow("subfolder") << "sub/b.mp3" << QByteArray("sub/b.mp3");
    QTest::newRow("longest component") << QString(255, 'x') << QByteArray(255, 'x');
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("NUL") << QString::fromUtf8("b\0.mp3", 6) << QByteArray();
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + ".mp3" << QByteArray();
    QTest::newRow("lone low surrogate") << "a" + QString(QChar(0xdc00)) + ".mp3" << QByteArray();
    QTest::newRow("surrogate pair")
        << QString::fromUtf8("\xf0\x9f\x8e\xb5.mp3") << QByteArray("\xf0\x9f\x8e\xb5.mp3");
    QTest::newRow("leading U+FEFF") << QString(QChar(0xfeff)) + "a.mp3" << QByteArray();
    QTest::newRow("every UTF-8 length")
        << QString::fromUtf8("a\xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9e\xef\xbf\xbf")
        << QByteArray("a\xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9e\xef\xbf\xbf");
    QTest::newRow("inner U+FEFF") << "a" + QString(QChar(0xfeff)) + ".mp3"
                                  << QByteArray("a\xef\xbb\xbf.mp3");
    QTest::newRow("component too long") << QString(256, 'x') << QByteArray();
    QTest::newRow("too long in bytes") << QString(128, QChar(0xe9)) << QByteArray();
    QTest::newRow("dot") << "." << QByteArray();
    QTest::newRow("dot dot") << ".." << QByteArray();
    QTest::newRow("ends in dot dot") << "sub/.." << QByteArray();
    QTest::newRow("ends in separator") << "sub/" << QByteArray();
    // A New Filename is a path below its folder, never an absolute one.
    QTest::newRow("leading slash") << "/b.mp3" << QByteArray("b.mp3");
    QTest::newRow("leading slashes into a subfolder") << "//sub//b.mp3" << QByteArray("sub//b.mp3");
    QTest::newRow("absolute-looking path")
        << "/srv/elsewhere/b.mp3" << QByteArray("srv/elsewhere/b.mp3");
    QTest::newRow("leading slash, extension only") << "/.mp3" << QByteArray(".mp3");
    QTest::newRow("only a slash") << "/" << QByteArray();
    QTest::newRow("only slashes") << "///" << QByteArray();
    QTest::newRow("slash, dot dot") << "/.." << QByteArray();
    // Nor a path that climbs out of the folder on the way.
    QTest::newRow("up and out") << "../b.mp3" << QByteArray();
    QTest::newRow("down, then up twice") << "sub/../../b.mp3" << QByteArray();
    QTest::newRow("slash, then up") << "/../b.mp3" << QByteArray();
    QTest::newRow("dots within a name stay") << "..b../...mp3" << QByteArray("..b../...mp3");
    QTest::newRow("a dot component stays") << "./sub/./b.mp3" << QByteArray("./sub/./b.mp3");
}

void TestSafeRename::encodeNewName() {
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    const std::optional<QByteArray> encoded = EncodeNewName(name);
    QCOMPARE(encoded.has_value(), !expected.isNull());
    if (encoded) {
        QCOMPARE(*encoded, expected);
        // The same bytes as every other path from a text to the disk, the
        // separators before the first component left out.
        QString relative = name;
        while (relative.startsWith(u'/'))
            relative.remove(0, 1);
        QCOMPARE(*encoded, QFile::encodeName(relative));
    }
}

// Text of every kind of UTF-16 unit: a name is taken exactly when it comes
// back unchanged from its bytes, and its bytes are QFile::encodeName's.
void TestSafeRename::encodeNewNameOfRandomText() {
    QRandomGenerator random(20261210);
    const char16_t samples[] = {u'a',   u'Z',   u' ',   0x7f,   0x80,   0xe9,   0x7ff,  0x800,
                                0x20ac, 0xfeff, 0xfffd, 0xffff, 0xd800, 0xdbff, 0xdc00, 0xdfff};
    for (int round = 0; round < 5000; ++round) {
        QString name = QStringLiteral("n");
        if (round % 7 == 0)
            name.clear();
        const int length = 1 + random.bounded(12);
        for (int i = 0; i < length; ++i) {
            if (random.bounded(5) == 0)
                name += QStringLiteral("Some Band - ");
            if (random.bounded(4) == 0)
                name += QChar(char16_t(1 + random.bounded(0xfffe)));
            else
                name += QChar(samples[random.bounded(int(std::size(samples)))]);
        }
        name.replace(u'/', u'_');
        if (name == "." || name == "..")
            continue;
        const QByteArray bytes = QFile::encodeName(name);
        const bool comesBack = QFile::decodeName(bytes) == name && !name.contains(QChar(0));
        const std::optional<QByteArray> encoded = EncodeNewName(name);
        QVERIFY2(encoded.has_value() == comesBack, qPrintable(QString::number(round)));
        if (!encoded)
            continue;
        QCOMPARE(*encoded, bytes);
        // Names are kept for long (the check's folders, the undo set): one
        // that did not need Qt's own encoding holds no room to spare.
        if (!name.startsWith(QChar(0xfeff)))
            QCOMPARE(encoded->capacity(), encoded->size());
    }
}

QTEST_GUILESS_MAIN(TestSafeRename)
#include "tst_saferename.moc"
