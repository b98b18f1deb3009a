#include <sys/statvfs.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <system_error>

#include "settings/store/ERegistryException.h"
#include "settings/store/TRegistryIniFile.h"
#include "shared/General/General.h"
#include "tests/settings/SettingsFixture.h"

using namespace SettingsFixture;

// The settings file is never cut, never misread and never written back with
// another key's values: files too large to read whole, lines that end in
// "\", other keys' sections, and a save onto a full disk.
namespace {

QByteArray fileHash(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

// A small tmpfs mounted over a folder for as long as it lives (root only).
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kilobytes) : m_folder(folder) {
        if (geteuid() != 0)
            return;
        const QStringList mount = {
            "-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kilobytes), "tmpfs", folder};
        m_mounted = QProcess::execute("mount", mount) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            QProcess::execute("umount", {m_folder});
    }
    bool isMounted() const { return m_mounted; }

    // Fills the disk with one file until only `left` bytes stay free.
    bool fillLeaving(qint64 left) const {
        struct statvfs st {};
        if (::statvfs(QFile::encodeName(m_folder).constData(), &st) != 0)
            return false;
        const qint64 free = qint64(st.f_bavail) * qint64(st.f_frsize);
        QFile filler(m_folder + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(qMax<qint64>(free - left, 0), 'f');
        return filler.write(block) == block.size() && filler.flush();
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

}  // namespace

class TestSettingsFileSafety : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetProgramFilePath(kProgramFile); }
    void init() {
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void cleanup() { m_home.reset(); }

    void tooLargeFileIsNeverReplaced_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size");  // the file's size: content, then NUL bytes to it
        QTest::addColumn<bool>("read");

        constexpr qint64 kLimit = TRegistryIniFile::kMaxFileSize;
        const QByteArray value = sectionLine() + "\"MainTop\"=dword:00000009\n";
        QByteArray lines = value;
        while (lines.size() < kLimit + 2 * 1024 * 1024)
            lines += QByteArray(999, 'g') + '\n';
        lines += "\"Late\"=\"x\"\n";
        QTest::newRow("many lines beyond the limit") << lines << qint64(lines.size()) << false;
        QTest::newRow("no line break at all") << QByteArray() << qint64(50 * 1024 * 1024) << false;
        QTest::newRow("one byte beyond the limit") << value << kLimit + 1 << false;
        QTest::newRow("exactly the limit") << value << kLimit << true;
    }

    // Such a file is a user's or a tool's mistake: the program keeps its
    // defaults and leaves the file exactly as it is.
    void tooLargeFileIsNeverReplaced() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        QFETCH(bool, read);
        QVERIFY(writeKeyFile(content, false));
        QVERIFY(QFile::resize(keyFile(), size));
        const QByteArray before = fileHash(keyFile());
        {
            TRegistryIniFile store(SettingsKeyPath());
            QCOMPARE(store.readInteger(QString(), "MainTop", -1), read ? 9 : -1);
            store.writeInteger(QString(), "MainTop", 1);
            if (read) {
                store.updateFile();
                return;
            }
            try {
                store.updateFile();
                QFAIL("the save went through");
            } catch (const ERegistryException& e) {
                QCOMPARE(e.message(), QStringLiteral("The settings file %1 is larger than %2 "
                                                     "bytes: it is not read, and left as it is.")
                                          .arg(keyFile())
                                          .arg(TRegistryIniFile::kMaxFileSize));
            }
            store.writeInteger(QString(), "MainLeft", 1);
        }
        QCOMPARE(QFileInfo(keyFile()).size(), size);
        QCOMPARE(fileHash(keyFile()), before);
    }

    void onlyHexValuesGoOnOverTheNextLine_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("name");   // a value to read besides "Extensions"
        QTest::addColumn<QString>("value");  // null: absent

        const QByteArray ext = "\"Extensions\"=\".ogg\"\n";
        QTest::newRow("string with \"=hex\" cut off after a \"\\\"")
            << "\"Cmd\"=\"tool --mode=hex \\\n" + ext << "Cmd" << QString();
        QTest::newRow("unparseable line") << "garbage=hex:01,\\\n" + ext << "garbage" << QString();
        QTest::newRow("number with a \"\\\"")
            << "\"N\"=dword:0000002a\\\n" + ext << "N" << QString();
        QTest::newRow("hex value whose next line is a value")
            << "\"Blob\"=hex:01,\\\n" + ext << "Blob" << QString();
        QTest::newRow("hex value continued, then a value")
            << "\"Name\"=hex(1):2e,00,\\\n  6f,00,\\\n  67,00,00,00\n" + ext << "Name"
            << ".og";
        QTest::newRow("hex value continued by upper-case digits")
            << "\"Name\"=HEX(1):2E,00,\\\n  4F,00\n" + ext << "Name"
            << ".O";
        QTest::newRow("hex value before a blank line")
            << "\"Name\"=hex(1):2e,00,\\\n\n  6f,00\n" + ext << "Name" << QString();
    }

    void onlyHexValuesGoOnOverTheNextLine() {
        QFETCH(QByteArray, lines);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QVERIFY(writeKeyFile(lines));
        {
            TRegistryIniFile store(SettingsKeyPath());
            QCOMPARE(store.readString(QString(), "Extensions", "default"), QString(".ogg"));
            if (value.isNull())
                QVERIFY(!store.valueExists(QString(), name));
            else
                QCOMPARE(store.readString(QString(), name, QString()), value);
            store.writeString(QString(), "Extensions", ".wav");
            store.updateFile();
        }
        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readString(QString(), "Extensions", "default"), QString(".wav"));
        if (!value.isNull())
            QCOMPARE(store.readString(QString(), name, QString()), value);
    }

    // A line the program does not own that ends in "\" is the file's last:
    // what the program then writes after it is still its own on the next load.
    void valueAfterAnOpenLastLineSurvives_data() {
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("string") << QByteArray("\"Cmd\"=\"tool --mode=hex \\");
        QTest::newRow("hex value") << QByteArray("\"Blob\"=hex:01,\\\n");
        QTest::newRow("garbage") << QByteArray("x=hex:\\\n");
    }

    void valueAfterAnOpenLastLineSurvives() {
        QFETCH(QByteArray, last);
        QVERIFY(writeKeyFile(last));
        for (const char* value : {".ogg", ".wav"}) {
            {
                TRegistryIniFile store(SettingsKeyPath());
                store.writeString(QString(), "Extensions", value);
                store.writeInteger(QString(), "MainTop", 3);
                store.updateFile();
            }
            TRegistryIniFile store(SettingsKeyPath());
            QCOMPARE(store.readString(QString(), "Extensions", "default"), QString(value));
            QCOMPARE(store.readInteger(QString(), "MainTop", -1), 3);
        }
        QVERIFY(readKeyFile().contains(last.trimmed() + '\n'));
    }

    // Only the values of the program's own section are its own: other keys'
    // sections stay as they are, in their order, and the program's values
    // go into its section, which a save writes first.
    void otherSectionsStayTheirs() {
        const QByteArray other =
            "[Software\\\\Other\\\\Key] 1700000000\n"
            "\"Extensions\"=\".flac\"\n"
            "\"Theme\"=\"dark\"\n"
            "\n"
            "; a comment of that key\n";
        const QByteArray third =
            "[Software\\\\Third]\n"
            "\"Recursive\"=\"0\"\n";
        QVERIFY(writeKeyFile(
            "WINE REGISTRY Version 2\n" + other + sectionLine() + "\"Recursive\"=\"1\"\n" + third,
            false));
        {
            TRegistryIniFile store(SettingsKeyPath());
            QCOMPARE(store.readString(QString(), "Extensions", "default"), QString("default"));
            QVERIFY(!store.valueExists(QString(), "Theme"));
            QCOMPARE(store.readBool(QString(), "Recursive", false), true);
            store.writeString(QString(), "Extensions", ".ogg");
            store.writeBool(QString(), "Recursive", false);
            store.updateFile();
        }
        QCOMPARE(readKeyFile(), sectionLine() +
                                    "WINE REGISTRY Version 2\n"
                                    "\"Recursive\"=\"0\"\n"
                                    "\"Extensions\"=\".ogg\"\n" +
                                    other + third);
        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readString(QString(), "Extensions", "default"), QString(".ogg"));
        QCOMPARE(store.readBool(QString(), "Recursive", true), false);
    }

    void fullDiskIsReportedAsSuch_data() {
        QTest::addColumn<qint64>("left");  // bytes left free
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("room for the lock only") << qint64(8192);
    }

    void fullDiskIsReportedAsSuch() {
        QFETCH(qint64, left);
        const QString folder = QFileInfo(keyFile()).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        SmallDisk disk(folder, 256);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs here (needs root)");
        const QByteArray old = sectionLine() + "\"MainTop\"=dword:00000009\n";
        QVERIFY(writeKeyFile(old, false));
        QVERIFY(disk.fillLeaving(left));

        TRegistryIniFile store(SettingsKeyPath());
        QCOMPARE(store.readInteger(QString(), "MainTop", 0), 9);
        store.writeString(QString(), "Extensions", QString(64 * 1024, 'e'));
        try {
            store.updateFile();
            QFAIL("the save went through");
        } catch (const ERegistryException& e) {
            const QString reason = QString::fromStdString(std::generic_category().message(ENOSPC));
            QCOMPARE(
                e.message(),
                QStringLiteral("Cannot write the settings file %1: %2.").arg(keyFile(), reason));
        }
        QCOMPARE(readKeyFile(), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"filler", "norvane.reg"}));
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_GUILESS_MAIN(TestSettingsFileSafety)
#include "tst_settingsfilesafety.moc"
