#include <unistd.h>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

#include "settings/store/ERegistryException.h"
#include "settings/store/TRegistryIniFile.h"
#include "shared/General/General.h"
#include "tests/settings/SettingsFixture.h"

using namespace SettingsFixture;

namespace {

// Makes a folder read-only with what it holds now. Permissions do not stop
// root, so for root a read-only tmpfs holding a copy of the folder's files is
// mounted over it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : m_folder(folder) {
        if (geteuid() != 0) {
            m_chmodded = QFile::setPermissions(
                folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
            QFile probe(folder + QStringLiteral("/probe"));
            m_valid = m_chmodded && !probe.open(QIODevice::WriteOnly);
            return;
        }
        QDir dir(folder);
        QHash<QString, QByteArray> files;
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                files.insert(name, file.readAll());
        }
        const QStringList mount = {QStringLiteral("-t"),    QStringLiteral("tmpfs"),
                                   QStringLiteral("-o"),    QStringLiteral("size=1m"),
                                   QStringLiteral("tmpfs"), folder};
        if (QProcess::execute(QStringLiteral("mount"), mount) != 0)
            return;
        m_mounted = true;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QFile file(dir.filePath(it.key()));
            if (!file.open(QIODevice::WriteOnly) || file.write(*it) != it->size())
                return;
        }
        const QStringList remount = {QStringLiteral("-o"), QStringLiteral("remount,ro"), folder};
        m_valid = QProcess::execute(QStringLiteral("mount"), remount) == 0;
    }
    ~ReadOnlyFolder() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
        if (m_chmodded)
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool isValid() const { return m_valid; }

private:
    QString m_folder;
    bool m_mounted = false;
    bool m_chmodded = false;
    bool m_valid = false;
};

QList<QByteArray> lines(const QByteArray& data) {
    QList<QByteArray> result = data.split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

int countNamed(const QByteArray& data, const QByteArray& quotedName) {
    int count = 0;
    for (const QByteArray& line : lines(data)) {
        if (line.toLower().startsWith(quotedName.toLower()))
            ++count;
    }
    return count;
}

}  // namespace

class TestRegistryIniFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetProgramFilePath(kProgramFile); }
    void init() {
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void cleanup() { m_home.reset(); }

    void openCreatesFoldersAndAnEmptyKey() {
        QVERIFY(!QFileInfo::exists(keyFile()));
        {
            TRegistryIniFile store(SettingsKeyPath());
            QCOMPARE(store.fileName(), keyFile());
            QVERIFY(keyFile().endsWith(QStringLiteral("/Tarnik/Norvane/norvane.reg")));
        }
        QCOMPARE(readKeyFile(), sectionLine());
    }

    void readsByKind_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("expected");  // invalid: a read error

        const QVariant error;
        // Strings
        QTest::newRow("string") << QByteArray("\"V\"=\"text\"") << "string" << QVariant("d")
                                << QVariant("text");
        QTest::newRow("expandable string, not expanded")
            << QByteArray("\"V\"=str(2):\"%HOME%\\\\x\"") << "string" << QVariant("d")
            << QVariant("%HOME%\\x");
        QTest::newRow("string without data")
            << QByteArray("\"V\"=hex(1):") << "string" << QVariant("d") << QVariant("");
        QTest::newRow("string as UTF-16 bytes, continued")
            << QByteArray("\"V\"=hex(1):41,00,\\\n  62,00,00,00") << "string" << QVariant("d")
            << QVariant("Ab");
        QTest::newRow("name case")
            << QByteArray("\"v\"=\"x\"") << "string" << QVariant("d") << QVariant("x");
        QTest::newRow("absent string")
            << QByteArray("\"Other\"=\"x\"") << "string" << QVariant("d") << QVariant("d");
        QTest::newRow("number as string")
            << QByteArray("\"V\"=dword:0000002a") << "string" << QVariant("d") << error;
        QTest::newRow("binary as string")
            << QByteArray("\"V\"=hex:2e,6d") << "string" << QVariant("d") << error;
        // Integers
        QTest::newRow("decimal text")
            << QByteArray("\"V\"=\"42\"") << "integer" << QVariant(5) << QVariant(42);
        QTest::newRow("negative text")
            << QByteArray("\"V\"=\"-7\"") << "integer" << QVariant(5) << QVariant(-7);
        QTest::newRow("text not a number")
            << QByteArray("\"V\"=\"abc\"") << "integer" << QVariant(5) << QVariant(5);
        QTest::newRow("empty text")
            << QByteArray("\"V\"=\"\"") << "integer" << QVariant(5) << QVariant(5);
        QTest::newRow("hex text is not decimal")
            << QByteArray("\"V\"=\"0x10\"") << "integer" << QVariant(5) << QVariant(5);
        QTest::newRow("text beyond 32 bits")
            << QByteArray("\"V\"=\"2147483648\"") << "integer" << QVariant(5) << QVariant(5);
        QTest::newRow("dword") << QByteArray("\"V\"=dword:0000002a") << "integer" << QVariant(5)
                               << QVariant(42);
        QTest::newRow("dword is signed")
            << QByteArray("\"V\"=dword:ffffffff") << "integer" << QVariant(5) << QVariant(-1);
        QTest::newRow("dword as bytes")
            << QByteArray("\"V\"=hex(4):2a,01,00,00") << "integer" << QVariant(5) << QVariant(298);
        QTest::newRow("dword of two bytes")
            << QByteArray("\"V\"=hex(4):2a,00") << "integer" << QVariant(5) << error;
        QTest::newRow("expandable string as integer")
            << QByteArray("\"V\"=str(2):\"5\"") << "integer" << QVariant(1) << error;
        QTest::newRow("binary as integer")
            << QByteArray("\"V\"=hex:2a,00,00,00") << "integer" << QVariant(5) << error;
        QTest::newRow("string without data as integer")
            << QByteArray("\"V\"=hex(1):") << "integer" << QVariant(5) << QVariant(5);
        QTest::newRow("malformed number reads as absent")
            << QByteArray("\"V\"=dword:zz") << "integer" << QVariant(5) << QVariant(5);
        // Flags
        QTest::newRow("flag 1") << QByteArray("\"V\"=\"1\"") << "bool" << QVariant(false)
                                << QVariant(true);
        QTest::newRow("flag 0") << QByteArray("\"V\"=\"0\"") << "bool" << QVariant(true)
                                << QVariant(false);
        QTest::newRow("flag 2") << QByteArray("\"V\"=\"2\"") << "bool" << QVariant(false)
                                << QVariant(true);
        QTest::newRow("flag not a number, on")
            << QByteArray("\"V\"=\"yes\"") << "bool" << QVariant(true) << QVariant(true);
        QTest::newRow("flag not a number, off")
            << QByteArray("\"V\"=\"yes\"") << "bool" << QVariant(false) << QVariant(false);
        QTest::newRow("flag dword 0")
            << QByteArray("\"V\"=dword:00000000") << "bool" << QVariant(true) << QVariant(false);
        QTest::newRow("flag binary")
            << QByteArray("\"V\"=hex:01") << "bool" << QVariant(true) << error;
    }

    void readsByKind() {
        QFETCH(QByteArray, line);
        QFETCH(QString, read);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, expected);
        QVERIFY(writeKeyFile(line + '\n'));
        TRegistryIniFile store(SettingsKeyPath());
        const QString name = QStringLiteral("V");
        QVariant result;
        try {
            if (read == QLatin1String("string"))
                result = store.readString(QString(), name, defaultValue.toString());
            else if (read == QLatin1String("integer"))
                result = store.readInteger(QString(), name, defaultValue.toInt());
            else
                result = store.readBool(QString(), name, defaultValue.toBool());
        } catch (const ERegistryException& e) {
            QVERIFY2(!expected.isValid(), qPrintable(e.message()));
            return;
        }
        QVERIFY2(expected.isValid(), "a read error was expected");
        QCOMPARE(result, expected);
    }

    void writesKeepTheirKinds() {
        QVERIFY(
            writeKeyFile("\"AsText\"=\"7\"\n\"AsNumber\"=dword:00000007\n"
                         "\"AsBinary\"=hex:01\n\"Text\"=dword:00000001\n"));
        {
            TRegistryIniFile store(SettingsKeyPath());
            store.writeBool(QString(), QStringLiteral("Flag"), true);
            store.writeBool(QString(), QStringLiteral("Off"), false);
            store.writeInteger(QString(), QStringLiteral("New"), 42);
            store.writeInteger(QString(), QStringLiteral("Negative"), -1);
            store.writeInteger(QString(), QStringLiteral("astext"), 42);
            store.writeInteger(QString(), QStringLiteral("AsNumber"), 42);
            store.writeInteger(QString(), QStringLiteral("AsBinary"), 42);
            store.writeString(QString(), QStringLiteral("Text"), QStringLiteral("42"));
            store.updateFile();
        }
        const QList<QByteArray> expected = {
            sectionLine().trimmed(),
            "\"astext\"=\"42\"",
            "\"AsNumber\"=dword:0000002a",
            "\"AsBinary\"=dword:0000002a",
            "\"Text\"=\"42\"",
            "\"Flag\"=\"1\"",
            "\"Off\"=\"0\"",
            "\"New\"=dword:0000002a",
            "\"Negative\"=dword:ffffffff",
        };
        QCOMPARE(lines(readKeyFile()), expected);
    }

    void stringsSurviveASave_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces around") << QStringLiteral("  -  ");
        QTest::newRow("quotes and backslashes") << QStringLiteral("a\"b\\c\\\\\"");
        QTest::newRow("line breaks and tabs") << QStringLiteral(".mp3\r\n.ogg\n\r\t.wav\r");
        QTest::newRow("control characters") << QStringLiteral("\x01x\x1f\x7fy");
        QTest::newRow("escape-like text") << QStringLiteral("\\x41\\n\\\"");
        QTest::newRow("beyond ASCII") << QStringLiteral("Tr\u00e4nen \u2013 \u266a \U0001F3B5");
        QTest::newRow("brackets and equals") << QStringLiteral("[x]=\"y\"=");
    }

    void stringsSurviveASave() {
        QFETCH(QString, text);
        {
            TRegistryIniFile store(SettingsKeyPath());
            store.writeString(QString(), QStringLiteral("Value"), text);
            store.writeString(QString(), text, QStringLiteral("as a name"));
            store.updateFile();
        }
        // One line a value, whatever the text holds.
        QCOMPARE(lines(readKeyFile()).size(), 3);
        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readString(QString(), QStringLiteral("Value"), QStringLiteral("d")), text);
        QCOMPARE(store.readString(QString(), text, QStringLiteral("d")),
                 QStringLiteral("as a name"));
    }

    void keepsWhatItDoesNotOwn() {
        const QList<QByteArray> kept = {
            "; a comment",
            "\"Theme\"=\"dark\"",
            "WINE REGISTRY Version 2",
            "\"Blob\"=hex:00,ff,\\",
            "  10,20",
            "garbage \"Recursive\" without a value",
            QByteArray("bin\xff\xfe\0ary\r", 10),
            "\"Path\"=str(2):\"%HOME%/music\"",
            "\"Broken\"=\"no closing quote",
        };
        // Another key's section, with values of the same names as the program's.
        const QList<QByteArray> other = {
            "[Software\\\\Other]",
            "\"Recursive\"=\"0\"",
            "\"Blob\"=hex:01,\\",
            "  02",
        };
        QVERIFY(
            writeKeyFile(kept.join('\n') + "\n\"Recursive\"=\"0\"\n" + other.join('\n') + '\n'));
        {
            TRegistryIniFile store(SettingsKeyPath());
            store.writeBool(QString(), QStringLiteral("Recursive"), true);
            store.writeInteger(QString(), QStringLiteral("MainTop"), 12);
            store.updateFile();
        }
        QList<QByteArray> expected = {sectionLine().trimmed()};
        expected += kept;
        expected += {"\"Recursive\"=\"1\"", "\"MainTop\"=dword:0000000c"};
        expected += other;
        QCOMPARE(lines(readKeyFile()), expected);

        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readString(QString(), QStringLiteral("Theme"), QString()),
                 QStringLiteral("dark"));
        QCOMPARE(store.readString(QString(), QStringLiteral("Path"), QString()),
                 QStringLiteral("%HOME%/music"));
        QCOMPARE(store.readBool(QString(), QStringLiteral("Recursive"), false), true);
        QVERIFY(store.valueExists(QString(), QStringLiteral("Blob")));
        QVERIFY(!store.valueExists(QString(), QStringLiteral("Broken")));
    }

    void badFilesLoadWhatCanBeRead_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kept");  // the value of "Kept" to read, null when none

        QByteArray binary(4096, '\0');
        QRandomGenerator random(7);
        for (char& byte : binary)
            byte = char(random.bounded(256));
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("no section line") << QByteArray("\"Kept\"=\"k\"\n") << "k";
        QTest::newRow("garbage") << QByteArray("%%%\n=\n\"\n\"=\"\n[\n\"Kept\"=\"k\"\n@@@\n")
                                 << "k";
        QTest::newRow("truncated") << sectionLine() + "\"Kept\"=\"k\"\n\"Recursive\"=\"1"
                                   << "k";
        QTest::newRow("binary") << binary << QString();
        QTest::newRow("binary around a value")
            << binary + "\n\"Kept\"=\"k\"\n" + binary.left(100) << "k";
        QTest::newRow("duplicates, the last wins")
            << sectionLine() + "\"Kept\"=\"a\"\n\"Recursive\"=\"0\"\n\"KEPT\"=\"k\"\n"
            << "k";
        QTest::newRow("wrong kinds") << sectionLine() + "\"Recursive\"=hex:01\n\"Kept\"=\"k\"\n"
                                     << "k";
        QTest::newRow("CR LF and a byte order mark")
            << "\xEF\xBB\xBF" + sectionLine().trimmed() + "\r\n\"Kept\"=\"k\"\r\n"
            << "k";
    }

    void badFilesLoadWhatCanBeRead() {
        QFETCH(QByteArray, content);
        QFETCH(QString, kept);
        QVERIFY(writeKeyFile(content, false));
        {
            TRegistryIniFile store(SettingsKeyPath());
            QCOMPARE(store.readString(QString(), QStringLiteral("Kept"), QString()), kept);
            store.writeBool(QString(), QStringLiteral("Recursive"), true);
            store.updateFile();
        }
        // The next save is a clean key: its section line first, each value once.
        const QByteArray saved = readKeyFile();
        QVERIFY(saved.startsWith(sectionLine()));
        QCOMPARE(countNamed(saved, sectionLine().trimmed()), 1);
        QCOMPARE(countNamed(saved, "\"Recursive\"="), 1);
        QCOMPARE(countNamed(saved, "\"Kept\"="), kept.isNull() ? 0 : 1);
        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readString(QString(), QStringLiteral("Kept"), QString()), kept);
        QCOMPARE(store.readBool(QString(), QStringLiteral("Recursive"), false), true);
    }

    void folderThatCannotBeCreated() {
        // A regular file where the configuration folder should be.
        const QString blocker = m_home->path() + QStringLiteral("/file");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker + QStringLiteral("/config")));

        auto store = std::make_unique<TRegistryIniFile>(SettingsKeyPath());
        QCOMPARE(store->readInteger(QString(), QStringLiteral("MainTop"), 3), 3);
        store->writeInteger(QString(), QStringLiteral("MainTop"), 4);
        QVERIFY_THROWS_EXCEPTION(ERegistryException, store->updateFile());
        store->writeInteger(QString(), QStringLiteral("MainLeft"), 4);
        store.reset();  // freeing it tries once more, silently
        QCOMPARE(QFileInfo(blocker).size(), 0);
    }

    void folderThatCannotBeWrittenKeepsTheOldFile() {
        const QByteArray old = sectionLine() + "\"MainTop\"=dword:00000009\n\"Theme\"=\"x\"\n";
        QVERIFY(writeKeyFile(old, false));
        const QString folder = QFileInfo(keyFile()).absolutePath();
        ReadOnlyFolder readOnly(folder);
        if (!readOnly.isValid())
            QSKIP("cannot make the settings folder read-only here (needs a tmpfs mount as root)");

        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readInteger(QString(), QStringLiteral("MainTop"), 0), 9);
        store.writeInteger(QString(), QStringLiteral("MainTop"), 1);
        QVERIFY_THROWS_EXCEPTION(ERegistryException, store.updateFile());
        QCOMPARE(readKeyFile(), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("norvane.reg")});
    }

    void concurrentSavesNeverMix() {
        // Every copy writes all shared values with its own mark, plus one
        // value only it owns. A save never mixes two copies' marks, and no
        // copy's own value is lost to another's save.
        constexpr int kCopies = 4;
        constexpr int kSaves = 15;
        constexpr int kShared = 12;
        std::atomic<int> failures{0};
        std::atomic<bool> writing{true};
        QList<QThread*> threads;
        for (int copy = 0; copy < kCopies; ++copy) {
            threads += QThread::create([copy, &failures] {
                for (int save = 0; save < kSaves; ++save) {
                    try {
                        TRegistryIniFile store(SettingsKeyPath());
                        const QString mark = QStringLiteral("%1.%2").arg(copy).arg(save);
                        for (int i = 0; i < kShared; ++i)
                            store.writeString(QString(), QStringLiteral("Shared%1").arg(i), mark);
                        store.writeInteger(QString(), QStringLiteral("Own%1").arg(copy), save);
                        store.updateFile();
                    } catch (const ERegistryException&) {
                        ++failures;
                    }
                }
            });
        }
        // Once a save has been seen, every read finds one complete save.
        int mixed = 0;
        int incomplete = 0;
        QThread* reader = QThread::create([&] {
            bool saved = false;
            while (writing) {
                TRegistryIniFile store(SettingsKeyPath());
                QSet<QString> marks;
                for (int i = 0; i < kShared; ++i)
                    marks +=
                        store.readString(QString(), QStringLiteral("Shared%1").arg(i), QString());
                if (marks.size() > 1)
                    ++mixed;
                if (saved && marks.contains(QString()))
                    ++incomplete;
                saved = saved || !marks.contains(QString());
            }
        });
        reader->start();
        for (QThread* thread : threads)
            thread->start();
        for (QThread* thread : threads)
            QVERIFY(thread->wait());
        writing = false;
        QVERIFY(reader->wait());
        qDeleteAll(threads);
        delete reader;

        QCOMPARE(failures.load(), 0);
        QCOMPARE(mixed, 0);
        QCOMPARE(incomplete, 0);
        TRegistryIniFile store(SettingsKeyPath());
        const QString mark = store.readString(QString(), QStringLiteral("Shared0"), QString());
        QVERIFY(mark.endsWith(QStringLiteral(".%1").arg(kSaves - 1)));
        for (int i = 1; i < kShared; ++i)
            QCOMPARE(store.readString(QString(), QStringLiteral("Shared%1").arg(i), QString()),
                     mark);
        for (int copy = 0; copy < kCopies; ++copy)
            QCOMPARE(store.readInteger(QString(), QStringLiteral("Own%1").arg(copy), -1),
                     kSaves - 1);
        QVERIFY(!QFileInfo::exists(keyFile() + QStringLiteral(".lock")));
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_GUILESS_MAIN(TestRegistryIniFile)
#include "tst_registryinifile.moc"
