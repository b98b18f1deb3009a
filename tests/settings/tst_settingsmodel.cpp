#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "settings/SettingsControls.h"
#include "settings/store/ERegistryException.h"
#include "settings/store/SettingsModel.h"
#include "settings/store/SettingsTable.h"
#include "settings/store/TRegistryIniFile.h"
#include "shared/General/General.h"
#include "tests/settings/SettingsFixture.h"

using namespace SettingsFixture;

// The table of settings, their model over the store, and the controls bound
// to them.
class TestSettingsModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetProgramFilePath(kProgramFile); }
    void init() {
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void cleanup() { m_home.reset(); }

    void tableKeysAreUniqueAndDefaultsFit() {
        QSet<QString> keys;
        for (const SettingEntry& entry : SettingsTable()) {
            QVERIFY2(!keys.contains(entry.key.toLower()), qPrintable(entry.key));
            keys.insert(entry.key.toLower());
            if (entry.kind == SettingKind::Choice)
                QVERIFY(entry.number >= 0 && entry.number < entry.choices);
        }
        const SettingsModel defaults;
        QCOMPARE(defaults.text("Extensions"), QString(".mp3"));
        QCOMPARE(defaults.integer("OutIndex0"), 4);
        QCOMPARE(defaults.text("InDivider3"), QString(" - "));
        QVERIFY(!defaults.holds("Recursive"));
    }

    // norvane-cli's open: the user's configuration stays as it was.
    void readOnlyOpenMakesNothing() {
        const QString folder = m_home->path() + "/Tarnik";
        {
            const TRegistryIniFile store(SettingsKeyPath(), TRegistryIniFile::Access::ReadOnly);
            QCOMPARE(store.readString(QString(), "Extensions", "d"), QString("d"));
        }
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(LoadSavedSettings().flag("Recursive"));
        QVERIFY(!QFileInfo::exists(folder));

        QVERIFY(writeKeyFile("\"Recursive\"=\"0\"\n\"Extensions\"=\".ogg\\r\\n.flac\"\n"));
        const QByteArray before = readKeyFile();
        const QDateTime modified = QFileInfo(keyFile()).lastModified();
        const SettingsModel saved = LoadSavedSettings();
        QVERIFY(!saved.flag("Recursive"));
        QCOMPARE(saved.text("Extensions"), QString(".ogg\n.flac"));
        TRegistryIniFile store(SettingsKeyPath(), TRegistryIniFile::Access::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(ERegistryException,
                                 store.writeString(QString(), "Recursive", "1"));
        store.updateFile();
        QCOMPARE(readKeyFile(), before);
        QCOMPARE(QFileInfo(keyFile()).lastModified(), modified);
    }

    // A value that cannot be read ends the load of its own group only.
    void loadStopsWithinItsGroup_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("unknown");
        QTest::addColumn<QStringList>("known");
        QTest::newRow("a placement value")
            << QByteArray(
                   "\"MainLeft\"=dword:00000005\n\"MainHeight\"=hex:01\n"
                   "\"Recursive\"=\"0\"\n\"OutDivider3\"=\"+\"\n")
            << QStringList{"MainHeight", "MainWidth", "MainState"}
            << QStringList{"MainTop", "MainLeft", "Recursive", "OutDivider3"};
        QTest::newRow("an option")
            << QByteArray(
                   "\"MainWidth\"=dword:0000012c\n\"Recursive\"=\"0\"\n"
                   "\"Extensions\"=hex:2e,6f\n\"OutDivider3\"=\"+\"\n")
            << QStringList{"Extensions", "RemoveUnderscores", "InIndex0", "OutDivider3"}
            << QStringList{"MainWidth", "MainState", "Recursive", "IncludeExtsChecked"};
    }

    void loadStopsWithinItsGroup() {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, unknown);
        QFETCH(QStringList, known);
        QVERIFY(writeKeyFile(lines));
        SettingsModel settings;
        settings.setText("OutDivider3", "kept");
        settings.load(TRegistryIniFile(SettingsKeyPath()));
        for (const QString& key : unknown)
            QVERIFY2(!settings.known(key), qPrintable(key));
        for (const QString& key : known)
            QVERIFY2(settings.known(key), qPrintable(key));
        // What the load did not reach keeps what it was.
        QCOMPARE(settings.text("OutDivider3"), settings.known("OutDivider3") ? "+" : "kept");
        QVERIFY(!settings.flag("Recursive"));
    }

    // Only what the model holds is written, in the table's order and kinds.
    void saveWritesWhatIsHeld() {
        SettingsModel settings;
        settings.setText("Extensions", ".ogg\n\n.flac");
        settings.setFlag("Recursive", false);
        settings.setInteger("OutIndex4", -1);
        {
            TRegistryIniFile store(SettingsKeyPath());
            settings.save(store);
        }
        QCOMPARE(readKeyFile(), sectionLine() +
                                    "\"Recursive\"=\"0\"\n"
                                    "\"Extensions\"=\".ogg\\r\\n\\r\\n.flac\"\n"
                                    "\"OutIndex4\"=dword:ffffffff\n");
        // Out of range on the way back: the slot keeps its setting.
        SettingsModel again;
        again.load(TRegistryIniFile(SettingsKeyPath()));
        QCOMPARE(again.integer("OutIndex4"), 6);
        QVERIFY(!again.holds("OutIndex4"));
        QCOMPARE(again.text("Extensions"), QString(".ogg\n\n.flac"));
    }

    void namesAndKindsAreChecked() {
        SettingsModel settings;
        QVERIFY_THROWS_EXCEPTION(ERegistryException, settings.flag("Recursiv"));
        QVERIFY_THROWS_EXCEPTION(ERegistryException, settings.text("Recursive"));
        QVERIFY_THROWS_EXCEPTION(ERegistryException, settings.setInteger("InDivider0", 1));
        SettingsControls controls;
        QLineEdit edit;
        QSpinBox spin;
        QVERIFY_THROWS_EXCEPTION(ERegistryException, controls.bind("Recursive", &edit));
        QVERIFY_THROWS_EXCEPTION(ERegistryException, controls.bind("InDivider0", &spin));
        QVERIFY_THROWS_EXCEPTION(ERegistryException, controls.bind("Theme", &edit));
    }

    // Every kind of control the settings can be bound to, there and back,
    // through the file; a value the file does not hold leaves its control.
    void everyControlKindBothWays() {
        QComboBox combo;
        combo.addItems({"a", "b", "c", "d", "e", "f", "g"});
        combo.setCurrentIndex(5);
        QSpinBox spin;
        spin.setRange(-100000, 100000);
        spin.setValue(-42);
        int width = 321;
        QLineEdit edit;
        edit.setText(" ~ ");
        SettingsControls controls;
        controls.bind("InIndex2", &combo);
        controls.bind("MainTop", &spin);
        controls.bind(
            "MainWidth", [&] { return width; }, [&](int value) { width = value; });
        controls.bind("OutDivider1", &edit);
        SettingsModel out;
        controls.toModel(out);
        {
            TRegistryIniFile store(SettingsKeyPath());
            out.save(store);
        }

        combo.setCurrentIndex(0);
        spin.setValue(7);
        width = 0;
        edit.clear();
        // The file without the divider: the edit keeps what it shows.
        QByteArray values = readKeyFile().mid(sectionLine().size());
        QVERIFY(values.contains("\"OutDivider1\"=\" ~ \"\n"));
        QVERIFY(writeKeyFile(values.replace("\"OutDivider1\"=\" ~ \"\n", "")));
        SettingsModel in;
        controls.toModel(in);
        in.load(TRegistryIniFile(SettingsKeyPath()));
        controls.fromModel(in);
        QCOMPARE(combo.currentIndex(), 5);
        QCOMPARE(spin.value(), -42);
        QCOMPARE(width, 321);
        QVERIFY(edit.text().isEmpty());
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_MAIN(TestSettingsModel)
#include "tst_settingsmodel.moc"
