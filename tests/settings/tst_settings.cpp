#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>

#include "engine/FilenameScheme.h"
#include "settings/FormPlacement.h"
#include "settings/Settings.h"
#include "settings/SettingsControls.h"
#include "settings/WorkArea.h"
#include "settings/store/SettingsKeys.h"
#include "settings/store/TRegistryIniFile.h"
#include "shared/General/General.h"
#include "tests/settings/SettingsFixture.h"

using namespace SettingsFixture;

namespace {

// Stand-ins for the main window's controls, in the window's designed state:
// every option ticked, ".mp3", the default schemes, " - " dividers.
struct StandIns {
    QWidget window;
    QCheckBox recursive;
    QCheckBox includeExts;
    QPlainTextEdit extensions;
    QCheckBox removeUnderscores;
    QCheckBox extensionLowercase;
    std::array<QListWidget, kSlotCount> inSlots;
    std::array<QListWidget, kSlotCount> outSlots;
    std::array<QLineEdit, kDividerCount> inDividers;
    std::array<QLineEdit, kDividerCount> outDividers;

    StandIns() {
        window.resize(851, 462);
        for (QCheckBox* box : {&recursive, &includeExts, &removeUnderscores, &extensionLowercase})
            box->setChecked(true);
        extensions.setPlainText(QStringLiteral(".mp3"));
        const FilenameScheme in = DefaultScheme(SchemeRole::Existing);
        const FilenameScheme out = DefaultScheme(SchemeRole::New);
        for (int k = 0; k < kSlotCount; ++k) {
            inSlots[k].addItems(FieldKindTexts());
            outSlots[k].addItems(FieldKindTexts());
            inSlots[k].setCurrentRow(in.slots[k]);
            outSlots[k].setCurrentRow(out.slots[k]);
        }
        for (int k = 0; k < kDividerCount; ++k) {
            inDividers[k].setText(in.dividers[k]);
            outDividers[k].setText(out.dividers[k]);
        }
    }

    // The stand-ins bound as the window binds its controls; the control of
    // the key missing is not handed over.
    SettingsControls controls(const QString& missing = QString()) {
        using namespace SettingsKeys;
        SettingsControls c;
        c.window = &window;
        const auto bind = [&](const QString& key, auto* control) {
            c.bind(key, key == missing ? nullptr : control);
        };
        bind(kRecursive, &recursive);
        bind(kIncludeExtsChecked, &includeExts);
        bind(kExtensions, &extensions);
        bind(kRemoveUnderscores, &removeUnderscores);
        bind(kExtensionLowercase, &extensionLowercase);
        for (int k = 0; k < kSlotCount; ++k) {
            bind(SlotKey(kInIndex, k), &inSlots[k]);
            bind(SlotKey(kOutIndex, k), &outSlots[k]);
        }
        for (int k = 0; k < kDividerCount; ++k) {
            bind(SlotKey(kInDivider, k), &inDividers[k]);
            bind(SlotKey(kOutDivider, k), &outDividers[k]);
        }
        return c;
    }

    // Everything the settings hold, as one comparable list.
    QStringList state() const {
        QStringList s;
        for (const QCheckBox* box :
             {&recursive, &includeExts, &removeUnderscores, &extensionLowercase})
            s += box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        s += extensions.toPlainText();
        for (int k = 0; k < kSlotCount; ++k)
            s += QStringLiteral("%1/%2").arg(inSlots[k].currentRow()).arg(outSlots[k].currentRow());
        for (int k = 0; k < kDividerCount; ++k)
            s += QLatin1Char('[') + inDividers[k].text() + QStringLiteral("][") +
                 outDividers[k].text() + QLatin1Char(']');
        return s;
    }
};

QStringList allKeys() {
    QStringList keys = {
        "MainTop",   "MainLeft",           "MainHeight", "MainWidth",         "MainState",
        "Recursive", "IncludeExtsChecked", "Extensions", "RemoveUnderscores", "ExtensionLowercase"};
    for (int n = 0; n < kSlotCount; ++n)
        keys << QStringLiteral("InIndex%1").arg(n) << QStringLiteral("OutIndex%1").arg(n);
    for (int n = 0; n < kDividerCount; ++n)
        keys << QStringLiteral("InDivider%1").arg(n) << QStringLiteral("OutDivider%1").arg(n);
    return keys;
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        SetProgramFilePath(kProgramFile);
        SetMainWindow(nullptr);
        SetMainWindowShowsMaximized(false);
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void cleanup() { m_home.reset(); }

    void firstRunKeepsTheDesignAndTheFirstSaveWritesEveryKey() {
        StandIns controls;
        const QStringList designed = controls.state();
        LoadSettings(controls.controls());
        QCOMPARE(controls.state(), designed);
        // Opening the key leaves an empty one behind.
        QCOMPARE(readKeyFile(), sectionLine());

        SaveSettings(controls.controls());
        const QByteArray saved = readKeyFile();
        QList<QByteArray> names;
        for (const QByteArray& line : saved.split('\n').mid(1)) {
            if (!line.isEmpty())
                names += line.left(line.indexOf('='));
        }
        QStringList expected;
        for (const QString& key : allKeys())
            expected += QLatin1Char('"') + key + QLatin1Char('"');
        QStringList written;
        for (const QByteArray& name : names)
            written += QString::fromUtf8(name);
        QCOMPARE(written, expected);
        QVERIFY(saved.contains("\"Recursive\"=\"1\"\n"));
        QVERIFY(saved.contains("\"Extensions\"=\".mp3\"\n"));
        QVERIFY(saved.contains("\"InIndex0\"=dword:00000000\n"));
        QVERIFY(saved.contains("\"OutIndex4\"=dword:00000006\n"));
        QVERIFY(saved.contains("\"InDivider3\"=\" - \"\n"));
    }

    void everythingSurvivesARestart() {
        StandIns before;
        before.recursive.setChecked(false);
        before.extensionLowercase.setChecked(false);
        before.extensions.setPlainText(QStringLiteral(".mp3\n.OGG\n\n.flac "));
        const std::array<int, kSlotCount> in = {6, 5, 4, 3, 2};
        const std::array<int, kSlotCount> out = {1, 0, 6, 2, 3};
        for (int k = 0; k < kSlotCount; ++k) {
            before.inSlots[k].setCurrentRow(in[k]);
            before.outSlots[k].setCurrentRow(out[k]);
        }
        const std::array<QString, kDividerCount> dividers = {
            QStringLiteral("  -  "), QString(), QStringLiteral(" _"), QStringLiteral("\"\\x\" ")};
        for (int k = 0; k < kDividerCount; ++k) {
            before.inDividers[k].setText(dividers[k]);
            before.outDividers[k].setText(dividers[kDividerCount - 1 - k]);
        }
        SaveSettings(before.controls());

        StandIns after;
        LoadSettings(after.controls());
        QCOMPARE(after.state(), before.state());
        // The stored extension lines are separated by CR LF.
        QVERIFY(readKeyFile().contains("\"Extensions\"=\".mp3\\r\\n.OGG\\r\\n\\r\\n.flac \"\n"));
    }

    void storedDividers_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty string") << QByteArray("\"InDivider2\"=\"\"") << QString();
        QTest::newRow("value without data") << QByteArray("\"InDivider2\"=hex(1):") << QString();
        QTest::newRow("absent") << QByteArray("\"InDivider9\"=\"x\"") << QStringLiteral(" - ");
        QTest::newRow("spaces") << QByteArray("\"InDivider2\"=\"  \"") << QStringLiteral("  ");
    }

    void storedDividers() {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        QVERIFY(writeKeyFile(line + '\n'));
        StandIns controls;
        QSignalSpy changed(&controls.inDividers[2], &QLineEdit::textChanged);
        LoadSettings(controls.controls());
        QCOMPARE(controls.inDividers[2].text(), expected);
        QCOMPARE(changed.size(), expected == QLatin1String(" - ") ? 0 : 1);
        for (int k : {0, 1, 3})
            QCOMPARE(controls.inDividers[k].text(), QStringLiteral(" - "));
    }

    void outOfRangeIndexKeepsTheSlot_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("7") << QByteArray("dword:00000007");
        QTest::newRow("9") << QByteArray("dword:00000009");
        QTest::newRow("-3") << QByteArray("dword:fffffffd");
        QTest::newRow("-3 as text") << QByteArray("\"-3\"");
    }

    void outOfRangeIndexKeepsTheSlot() {
        QFETCH(QByteArray, stored);
        QVERIFY(writeKeyFile("\"OutIndex0\"=dword:00000002\n\"OutIndex1\"=" + stored +
                             "\n\"OutIndex2\"=dword:00000006\n\"InDivider0\"=\"+\"\n"));
        StandIns controls;
        const int designed = controls.outSlots[1].currentRow();
        LoadSettings(controls.controls());
        QCOMPARE(controls.outSlots[1].currentRow(), designed);
        QCOMPARE(controls.outSlots[0].currentRow(), 2);
        QCOMPARE(controls.outSlots[2].currentRow(), 6);
        QCOMPARE(controls.inDividers[0].text(), QStringLiteral("+"));
    }

    void recursiveAsStored_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::addColumn<bool>("loadGoesOn");
        QTest::newRow("text 2") << QByteArray("\"2\"") << false << true << true;
        QTest::newRow("text 0") << QByteArray("\"0\"") << true << false << true;
        QTest::newRow("text not a number, ticked") << QByteArray("\"on\"") << true << true << true;
        QTest::newRow("text not a number, unticked")
            << QByteArray("\"on\"") << false << false << true;
        QTest::newRow("number 0") << QByteArray("dword:00000000") << true << false << true;
        QTest::newRow("number 1") << QByteArray("dword:00000001") << false << true << true;
        QTest::newRow("binary ends the load") << QByteArray("hex:01") << false << false << false;
        QTest::newRow("expandable string ends the load")
            << QByteArray("str(2):\"1\"") << false << false << false;
    }

    void recursiveAsStored() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, before);
        QFETCH(bool, after);
        QFETCH(bool, loadGoesOn);
        QVERIFY(writeKeyFile("\"Recursive\"=" + stored + "\n\"IncludeExtsChecked\"=\"0\"\n"));
        StandIns controls;
        controls.recursive.setChecked(before);
        LoadSettings(controls.controls());
        QCOMPARE(controls.recursive.isChecked(), after);
        QCOMPARE(controls.includeExts.isChecked(), !loadGoesOn);
    }

    void binaryExtensionsEndTheLoadThere() {
        QVERIFY(
            writeKeyFile("\"MainTop\"=dword:00000014\n\"MainLeft\"=dword:0000001e\n"
                         "\"MainHeight\"=dword:000000c8\n\"MainWidth\"=dword:0000012c\n"
                         "\"Recursive\"=\"0\"\n\"IncludeExtsChecked\"=\"0\"\n"
                         "\"Extensions\"=hex:2e,6f,67,67\n\"RemoveUnderscores\"=\"0\"\n"
                         "\"ExtensionLowercase\"=\"0\"\n\"InIndex0\"=dword:00000006\n"
                         "\"InDivider0\"=\"x\"\n"));
        StandIns controls;
        const QStringList designed = controls.state();
        LoadSettings(controls.controls());
        QStringList expected = designed;
        expected[0] = expected[1] = QStringLiteral("off");
        QCOMPARE(controls.state(), expected);
        const QRect area = GetWorkArea();
        QCOMPARE(controls.window.geometry(), QRect(area.x() + 30, area.y() + 20, 300, 200));
    }

    void extensionLineBreaks_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("memo");
        QTest::newRow("CR LF") << QByteArray("a\\r\\nb") << QStringLiteral("a\nb");
        QTest::newRow("LF") << QByteArray("a\\nb") << QStringLiteral("a\nb");
        QTest::newRow("CR") << QByteArray("a\\rb") << QStringLiteral("a\nb");
        QTest::newRow("LF CR") << QByteArray("a\\n\\rb") << QStringLiteral("a\nb");
        QTest::newRow("two CR LF") << QByteArray("a\\r\\n\\r\\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("LF LF") << QByteArray("a\\n\\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("empty") << QByteArray("") << QString();
    }

    void extensionLineBreaks() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, memo);
        QVERIFY(writeKeyFile("\"Extensions\"=\"" + stored + "\"\n"));
        StandIns controls;
        LoadSettings(controls.controls());
        QCOMPARE(controls.extensions.toPlainText(), memo);
    }

    void anErrorEndsTheSaveButKeepsWhatCameBefore() {
        StandIns controls;
        controls.recursive.setChecked(false);
        SaveSettings(controls.controls(QStringLiteral("OutIndex1")));
        TRegistryIniFile store(SettingsKeyPath());
        QVERIFY(store.valueExists(QString(), QStringLiteral("MainWidth")));
        QCOMPARE(store.readBool(QString(), QStringLiteral("Recursive"), true), false);
        QCOMPARE(store.readInteger(QString(), QStringLiteral("InIndex1"), -1), 1);
        QVERIFY(!store.valueExists(QString(), QStringLiteral("OutIndex1")));
        QVERIFY(!store.valueExists(QString(), QStringLiteral("InDivider0")));
    }

    void aRenamedProgramUsesAFreshKey() {
        const QString folder = m_home->path() + QStringLiteral("/bin");
        QVERIFY(QDir().mkpath(folder));
        for (const char* name : {"norvane.bin", "other.bin"}) {
            QFile file(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        SetProgramFilePath(folder + QStringLiteral("/norvane.bin"));
        StandIns changed;
        changed.removeUnderscores.setChecked(false);
        changed.inDividers[0].setText(QStringLiteral("~"));
        SaveSettings(changed.controls());

        SetProgramFilePath(folder + QStringLiteral("/other.bin"));
        StandIns fresh;
        const QStringList designed = fresh.state();
        LoadSettings(fresh.controls());
        QCOMPARE(fresh.state(), designed);
        QVERIFY(keyFile().endsWith(QStringLiteral("/Tarnik/Norvane/other.reg")));
        QVERIFY(QFileInfo::exists(keyFile()));

        // Another spelling of the same program path finds the same key.
        SetProgramFilePath(folder + QStringLiteral("/../bin/./norvane.bin"));
        QCOMPARE(ProgramFilePath(), folder + QStringLiteral("/norvane.bin"));
        StandIns again;
        LoadSettings(again.controls());
        QCOMPARE(again.state(), changed.state());
    }

    void aConfigurationThatCannotBeCreatedChangesNothing() {
        const QString blocker = m_home->path() + QStringLiteral("/file");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
        StandIns controls;
        controls.recursive.setChecked(false);
        const QStringList before = controls.state();
        LoadSettings(controls.controls());
        QCOMPARE(controls.state(), before);
        SaveSettings(controls.controls());
        QCOMPARE(QFileInfo(blocker).size(), 0);
    }

    void garbageLoadsWhatCanBeRead() {
        QVERIFY(
            writeKeyFile(QByteArray("\x01\x02garbage\xff\n\"Recursive\"=\"0\"\n"
                                    "\"IncludeExtsChecked\"=dword:zz\n\"recursive\"=\"\"\n"
                                    "\"RemoveUnderscores\"=\"0\"\n\"Theme\"=\"dark\"\n"
                                    "\"InDivider1\"=\"cut")));
        StandIns controls;
        LoadSettings(controls.controls());
        // The last "Recursive" wins and is not a number; the malformed flag is absent.
        QVERIFY(controls.recursive.isChecked());
        QVERIFY(controls.includeExts.isChecked());
        QVERIFY(!controls.removeUnderscores.isChecked());
        QCOMPARE(controls.inDividers[1].text(), QStringLiteral(" - "));

        SaveSettings(controls.controls());
        TRegistryIniFile store(SettingsKeyPath());
        for (const QString& key : allKeys())
            QVERIFY2(store.valueExists(QString(), key), qPrintable(key));
        QCOMPARE(store.readString(QString(), QStringLiteral("Theme"), QString()),
                 QStringLiteral("dark"));
        QCOMPARE(store.readString(QString(), QStringLiteral("InDivider1"), QString()),
                 QStringLiteral(" - "));
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
