#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CliRunner.h"
#include "support/TempTree.h"

using Records = QList<QList<QByteArray>>;

namespace {

QList<QByteArray> Record(const QString& existing, const QString& newName, const QString& status,
                         const QString& folder) {
    return {existing.toUtf8(), newName.toUtf8(), status.toUtf8(), folder.toUtf8()};
}

QList<QByteArray> FolderRecord(const QString& label) {
    return Record(QLatin1Char('[') + label + QLatin1Char(']'), {}, {}, {});
}

}  // namespace

class TestCliRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void dryRunProposesAndLeavesDiskAlone();
    void executeRenamesAndReportsStatuses_data();
    void executeRenamesAndReportsStatuses();
    void switches_data();
    void switches();
    void searchAndReplace_data();
    void searchAndReplace();
    void replacedNamesAreExecuted();
    void outcomesDoNotDependOnTheLanguage();
    void savedSettings_data();
    void savedSettings();
    void noSettingsFileIsMade();
    void folderArgumentsFollowTheListRules();
    void argumentsThatAreNotUtf8_data();
    void argumentsThatAreNotUtf8();
    void outputThatCannotBeWritten();
    void extensionWithoutDotIsWarnedAbout();
    void newNameStaysBelowTheFolder_data();
    void newNameStaysBelowTheFolder();
};

void TestCliRun::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
}

void TestCliRun::dryRunProposesAndLeavesDiskAlone() {
    TempTree tree;
    QVERIFY(tree.addFile("Music/Best Of/Some_Band - Best Of - 07 - Night_Drive.MP3", 10));
    QVERIFY(tree.addFile("Music/Best Of/Other Band - Best Of - 07.mp3", 20));
    QVERIFY(tree.addFile("Music/Best Of/notes.txt"));
    QVERIFY(tree.addFile("Music/Best Of/Live/A - B - 1 - x.mp3"));
    const QList<QByteArray> before = cli::Snapshot(tree);
    cli::Runner runner;

    const cli::Outcome outcome = runner.run({"--defaults", tree.filePath("Music/Best Of")});

    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, QByteArray());
    const QString folder = tree.filePath("Music/Best Of");
    const Records expected = {
        FolderRecord(folder),
        Record("Other Band - Best Of - 07.mp3", "", "not input format: Track# does not exist",
               folder),
        Record("Some_Band - Best Of - 07 - Night_Drive.MP3",
               "Best Of - Music - 07 - Night Drive.mp3", "rename pending", folder),
        FolderRecord("Live"),
        Record("A - B - 1 - x.mp3", "Live - Best Of - 1 - x.mp3", "rename pending",
               folder + "/Live"),
    };
    QCOMPARE(cli::TsvRecords(outcome.out), expected);
    QCOMPARE(cli::Snapshot(tree), before);
}

void TestCliRun::executeRenamesAndReportsStatuses_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("all go through")
        << QStringList{"Album - Music - 01 - Intro.mp3", "Band - Album - 02 - Song_Two.mp3"}
        << QStringList{"already in output format", "renamed"}
        << QStringList{"Album - Music - 01 - Intro.mp3", "Album - Music - 02 - Song Two.mp3"} << 0;
    // Both propose "Album - Music - 03 - Three.mp3": the first in list order gets it.
    QTest::newRow("two rows, one new name")
        << QStringList{"Band - Album - 03 - Three.MP3", "Cover - Album - 03 - Three.mp3",
                       "Dub - Album - 04 - Four.mp3"}
        << QStringList{"renamed", "error: new file already exists", "renamed"}
        << QStringList{"Album - Music - 03 - Three.mp3", "Album - Music - 04 - Four.mp3",
                       "Cover - Album - 03 - Three.mp3"}
        << 1;
}

void TestCliRun::executeRenamesAndReportsStatuses() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, after);
    QFETCH(int, exitCode);
    TempTree tree;
    for (const QString& file : files)
        QVERIFY(tree.addFile("Music/Album/" + file));
    cli::Runner runner;

    const cli::Outcome outcome =
        runner.run({"--defaults", "-x", "--format", "tsv", tree.filePath("Music/Album")});

    QCOMPARE(outcome.exitCode, exitCode);
    const Records records = cli::TsvRecords(outcome.out);
    QCOMPARE(records.size(), files.size() + 1);
    for (qsizetype i = 0; i < files.size(); ++i) {
        QCOMPARE(records.at(i + 1).at(0), files.at(i).toUtf8());
        QCOMPARE(records.at(i + 1).at(2), statuses.at(i).toUtf8());
    }
    QList<QByteArray> expected;
    for (const QString& name : after)
        expected.append(name.toUtf8());
    QCOMPARE(tree.entryNames("Music/Album"), expected);
}

void TestCliRun::switches_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("rows");  // Existing Filename > New Filename, file rows only

    const QString song = "Band - Album - 01 - My_Song.MP3";
    const QString x = "x.mp3 > ";
    QTest::newRow("none") << QStringList()
                          << QStringList{song + " > Album - Music - 01 - My Song.mp3", x};
    QTest::newRow("--no-recursive") << QStringList{"--no-recursive"}
                                    << QStringList{song + " > Album - Music - 01 - My Song.mp3"};
    QTest::newRow("--all-files") << QStringList{"-a"}
                                 << QStringList{song + " > Album - Music - 01 - My Song.mp3",
                                                "notes.txt > ", x};
    QTest::newRow("--keep-underscores")
        << QStringList{"--keep-underscores"}
        << QStringList{song + " > Album - Music - 01 - My_Song.mp3", x};
    QTest::newRow("--keep-extension-case")
        << QStringList{"--keep-extension-case"}
        << QStringList{song + " > Album - Music - 01 - My Song.MP3", x};
    QTest::newRow("a short option's value attached")
        << QStringList{"-oTrackname"} << QStringList{song + " > My Song.mp3", x};
    QTest::newRow("--ext, twice") << QStringList{"--ext", ".txt", "-e", ".MP3"}
                                  << QStringList{song + " > Album - Music - 01 - My Song.mp3",
                                                 "notes.txt > ", x};
}

void TestCliRun::switches() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, rows);
    TempTree tree;
    QVERIFY(tree.addFile("Music/Album/Band - Album - 01 - My_Song.MP3"));
    QVERIFY(tree.addFile("Music/Album/notes.txt"));
    QVERIFY(tree.addFile("Music/Album/Sub/x.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome =
        runner.run(QStringList{"--defaults"} + options + QStringList{tree.filePath("Music/Album")});

    QCOMPARE(outcome.exitCode, 0);
    QStringList got;
    for (const QList<QByteArray>& record : cli::TsvRecords(outcome.out)) {
        if (!record.at(3).isEmpty())
            got.append(QString::fromUtf8(record.at(0) + " > " + record.at(1)));
    }
    QCOMPARE(got, rows);
}

void TestCliRun::searchAndReplace_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("rows");  // Existing Filename > New Filename > Status
    QTest::addColumn<QByteArray>("warning");

    const QString one = "Band - Album - 01 - One.mp3 > ";
    const QString notes = "notes.mp3 > ";
    const QString pending = " > rename pending";
    const QString replaced = " > replaced (rename pending)";
    const QString unfit = " > not input format: Artist does not exist";
    QTest::newRow("in the proposal")
        << QStringList{"--search", "Album", "--replace", "Disc"}
        << QStringList{one + "Disc - Music - 01 - One.mp3" + replaced, notes + unfit}
        << QByteArray();
    QTest::newRow("pairs apply in order")
        << QStringList{"--search=One", "--replace=Two", "--search", "Two", "--replace", "Three"}
        << QStringList{one + "Album - Music - 01 - Three.mp3" + replaced, notes + unfit}
        << QByteArray();
    QTest::newRow("a file without a proposal gets one")
        << QStringList{"--search", "notes", "--replace", "memo"}
        << QStringList{one + "Album - Music - 01 - One.mp3" + pending,
                       notes + "memo.mp3" + replaced}
        << QByteArray();
    QTest::newRow("an empty replace deletes")
        << QStringList{"--search", " - 01", "--replace", ""}
        << QStringList{one + "Album - Music - One.mp3" + replaced, notes + unfit} << QByteArray();
    QTest::newRow("a text found nowhere is worth a word")
        << QStringList{"--search", "Zither", "--replace", "x"}
        << QStringList{one + "Album - Music - 01 - One.mp3" + pending, notes + unfit}
        << QByteArray(
               "norvane-cli: warning: the search text \"Zither\" is not found in any name\n");
}

// The window's Search & Replace after the process run, pair by pair.
void TestCliRun::searchAndReplace() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, warning);
    TempTree tree;
    QVERIFY(tree.addFile("Music/Album/Band - Album - 01 - One.mp3"));
    QVERIFY(tree.addFile("Music/Album/notes.mp3"));
    const QList<QByteArray> before = cli::Snapshot(tree);
    cli::Runner runner;

    const cli::Outcome outcome = runner.run(QStringList{"--defaults", "-f", "tsv"} + options +
                                            QStringList{tree.filePath("Music/Album")});

    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, warning);
    QStringList got;
    for (const QList<QByteArray>& record : cli::TsvRecords(outcome.out)) {
        if (!record.at(3).isEmpty())
            got.append(
                QString::fromUtf8(record.at(0) + " > " + record.at(1) + " > " + record.at(2)));
    }
    QCOMPARE(got, rows);
    QCOMPARE(cli::Snapshot(tree), before);
}

// Replaced proposals are carried out like any other; the JSON says so in
// words that do not depend on the language.
void TestCliRun::replacedNamesAreExecuted() {
    TempTree tree;
    QVERIFY(tree.addFile("Music/Album/Band - Album - 01 - One.mp3"));
    QVERIFY(tree.addFile("Music/Album/notes.mp3"));
    QVERIFY(tree.addFile("Music/Album/memo.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome = runner.run(
        {"--defaults", "-x", "-f", "json", "--search", "Album - Music", "--replace", "Disc",
         "--search", "notes", "--replace", "memo", tree.filePath("Music/Album")});

    // "memo.mp3" is taken: that row's error makes the exit status 1.
    QCOMPARE(outcome.exitCode, 1);
    QStringList got;
    const QJsonArray rows = QJsonDocument::fromJson(outcome.out).array();
    for (const QJsonValue& row : rows) {
        const QJsonObject object = row.toObject();
        got.append(object.value("existing").toString() + " > " + object.value("new").toString() +
                   " > " + object.value("outcome").toString());
    }
    QCOMPARE(got, (QStringList{"[" + tree.filePath("Music/Album") + "] >  > none",
                               "Band - Album - 01 - One.mp3 > Disc - 01 - One.mp3 > renamed",
                               "memo.mp3 >  > not_input_format",
                               "notes.mp3 > memo.mp3 > new_file_exists"}));
    QCOMPARE(tree.entryNames("Music/Album"),
             (QList<QByteArray>{"Disc - 01 - One.mp3", "memo.mp3", "notes.mp3"}));
}

// In German the statuses are German; the exit status and the outcome words
// are the same as in English.
void TestCliRun::outcomesDoNotDependOnTheLanguage() {
    TempTree tree;
    QVERIFY(tree.addFile("Music/Album/Band - Album - 03 - Three.MP3"));
    QVERIFY(tree.addFile("Music/Album/Cover - Album - 03 - Three.mp3"));
    cli::Runner runner;
    const QString german = "de_DE.UTF-8";
    runner.setLocale({{"LANG", german}, {"LC_ALL", german}});

    const cli::Outcome outcome =
        runner.run({"--defaults", "-x", "-f", "json", tree.filePath("Music/Album")});

    QCOMPARE(outcome.exitCode, 1);
    const QJsonArray rows = QJsonDocument::fromJson(outcome.out).array();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1).toObject().value("outcome").toString(), QString("renamed"));
    const QJsonObject taken = rows.at(2).toObject();
    QCOMPARE(taken.value("outcome").toString(), QString("new_file_exists"));
    QVERIFY2(!taken.value("status").toString().startsWith("error: "),
             qPrintable(taken.value("status").toString()));
}

void TestCliRun::savedSettings_data() {
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<Records>("expected");

    // Existing scheme "Track#. Trackname", new scheme "Trackname", subfolders
    // off, only ".ogg", underscores kept.
    const QStringList saved = {
        "\"Recursive\"=\"0\"",          "\"Extensions\"=\".OGG\"",
        "\"RemoveUnderscores\"=\"0\"",  "\"InIndex0\"=dword:00000002",
        "\"InIndex1\"=dword:00000003",  "\"InIndex2\"=dword:00000006",
        "\"InIndex3\"=dword:00000006",  "\"InDivider0\"=\". \"",
        "\"OutIndex0\"=dword:00000003", "\"OutIndex1\"=dword:00000006",
        "\"OutIndex2\"=\"9\"",  // out of range: the slot keeps its default, Track#
        "\"OutIndex3\"=dword:00000006", "\"OutDivider0\"=\"+\"",
    };
    const Records savedRows = {
        {"[Album]", "", "", ""},
        {"01. My_Song.ogg", "My_Song+01.ogg", "rename pending", "Album"},
    };
    const Records defaultRows = {
        {"[Album]", "", "", ""},
        {"02. Other.mp3", "", "not input format: Artist does not exist", "Album"},
        {"[Sub]", "", "", ""},
        {"04 - Deep.mp3", "", "not input format: Album does not exist", "Album/Sub"},
    };
    QTest::newRow("saved settings apply") << saved << QStringList() << savedRows;
    QTest::newRow("--defaults ignores them") << saved << QStringList{"--defaults"} << defaultRows;
    QTest::newRow("options go before them")
        << saved << QStringList{"-e", ".mp3", "--keep-extension-case"}
        << Records{{"[Album]", "", "", ""},
                   {"02. Other.mp3", "Other+02.mp3", "rename pending", "Album"}};
    // A value of the wrong kind ends the reading: what came before it stands.
    QTest::newRow("a value that cannot be read")
        << QStringList{"\"Recursive\"=\"0\"", "\"Extensions\"=hex:2e,6f,67,67",
                       "\"InIndex0\"=dword:00000002"}
        << QStringList()
        << Records{{"[Album]", "", "", ""},
                   {"02. Other.mp3", "", "not input format: Artist does not exist", "Album"}};
}

void TestCliRun::savedSettings() {
    QFETCH(QStringList, saved);
    QFETCH(QStringList, options);
    QFETCH(Records, expected);
    TempTree tree;
    QVERIFY(tree.addFile("Album/01. My_Song.ogg"));
    QVERIFY(tree.addFile("Album/02. Other.mp3"));
    QVERIFY(tree.addFile("Album/Sub/03. Deep.ogg"));
    QVERIFY(tree.addFile("Album/Sub/04 - Deep.mp3"));
    cli::Runner runner;
    QVERIFY(runner.saveSettings(saved));
    QFile file(runner.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray settingsBefore = file.readAll();
    file.close();

    const cli::Outcome outcome =
        runner.run(options + QStringList{"-f", "tsv", tree.filePath("Album")});

    QCOMPARE(outcome.exitCode, 0);
    // Folders in the expectation are relative to the tree.
    Records records = cli::TsvRecords(outcome.out);
    for (QList<QByteArray>& record : records) {
        if (record.size() == 4 && !record.at(3).isEmpty())
            record[3] = record.at(3).mid(tree.pathBytes().size() + 1);
    }
    if (!records.isEmpty())
        records[0][0] = "[Album]";
    QCOMPARE(records, expected);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), settingsBefore);
}

void TestCliRun::noSettingsFileIsMade() {
    TempTree tree;
    QVERIFY(tree.addFile("Album/a.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome = runner.run({tree.filePath("Album")});

    QCOMPARE(outcome.exitCode, 0);
    QVERIFY(
        QDir(runner.configPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

// A file gives its folder; a folder given again, in any letter case or with a
// trailing "/", is listed once; the list is sorted; relative paths are taken
// from the working folder; a path that names nothing is skipped with a word.
void TestCliRun::folderArgumentsFollowTheListRules() {
    TempTree tree;
    QVERIFY(tree.addFile("b/x.mp3"));
    QVERIFY(tree.addFile("a/z.mp3"));
    QVERIFY(tree.addFile("A/y.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome =
        runner.run({"--defaults", "b", "a/z.mp3", "A", "b/", "nowhere"}, tree.path());

    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.err.contains("\"nowhere\""), outcome.err.constData());
    const QString root = tree.path();
    const Records expected = {
        FolderRecord(root + "/a"),
        Record("z.mp3", "", "not input format: Artist does not exist", root + "/a"),
        FolderRecord(root + "/b"),
        Record("x.mp3", "", "not input format: Artist does not exist", root + "/b"),
    };
    QCOMPARE(cli::TsvRecords(outcome.out), expected);
}

void TestCliRun::argumentsThatAreNotUtf8_data() {
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("firstRecord");

    // The scan reaches folders through their text, so a folder path that does
    // not decode cannot be listed; a file's own name does not matter.
    QTest::newRow("a file named in Latin-1 gives its folder")
        << QByteArray("Clean/caf\xe9.mp3") << 0 << QByteArray("[%1/Clean]");
    QTest::newRow("a folder named in Latin-1") << QByteArray("Caf\xe9") << 2 << QByteArray();
}

void TestCliRun::argumentsThatAreNotUtf8() {
    QFETCH(QByteArray, argument);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, firstRecord);
    TempTree tree;
    QVERIFY(tree.addFileBytes("Clean/caf\xe9.mp3"));
    QVERIFY(tree.addFileBytes("Caf\xe9/song.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome =
        runner.runWithBytes({"--defaults"}, tree.pathBytes() + '/' + argument);

    QCOMPARE(outcome.exitCode, exitCode);
    if (exitCode == 0) {
        const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).at(0), firstRecord.replace("%1", tree.pathBytes()));
        QCOMPARE(records.at(1).at(0), QByteArray("caf\xe9.mp3"));
    } else {
        QVERIFY2(outcome.err.contains("is not valid UTF-8"), outcome.err.constData());
    }
}

// A full disk must not pass for a run that went through.
void TestCliRun::outputThatCannotBeWritten() {
    if (!QFile::exists("/dev/full"))
        QSKIP("this system has no /dev/full to write to");
    TempTree tree;
    QVERIFY(tree.addFile("Album/a.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome =
        runner.run({"--defaults", tree.filePath("Album")}, QString(), "/dev/full");

    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.err.contains("cannot write the output"), outcome.err.constData());
}

// A line is compared whole, dot included, as in the window.
void TestCliRun::extensionWithoutDotIsWarnedAbout() {
    TempTree tree;
    QVERIFY(tree.addFile("Album/a.mp3"));
    cli::Runner runner;

    const cli::Outcome outcome = runner.run({"-e", "mp3", tree.filePath("Album")});

    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.err.contains("\"mp3\" does not start with \".\""), outcome.err.constData());
    QCOMPARE(cli::TsvRecords(outcome.out).size(), 1);
}

// A new-name scheme whose first field is empty and whose divider begins with
// "/" names a path below the folder, never one elsewhere on the disk: here
// the absolute path of a folder beside the music.
void TestCliRun::newNameStaysBelowTheFolder_data() {
    QTest::addColumn<bool>("mirrored");  // the same path exists below the folder
    QTest::newRow("no such subfolder") << false;
    QTest::newRow("the same path below the folder") << true;
}

void TestCliRun::newNameStaysBelowTheFolder() {
    QFETCH(bool, mirrored);
    TempTree tree;
    QVERIFY(tree.addFile("Music/Band - Song.mp3"));
    QVERIFY(tree.addFolder("outside"));
    const QString outside = tree.filePath("outside");
    QVERIFY(outside.startsWith('/'));
    const QString below = "Music" + outside;
    if (mirrored)
        QVERIFY(tree.addFolder(below));
    cli::Runner runner;

    const cli::Outcome outcome =
        runner.run({"-i", "Artist - Trackname", "-o", "Album" + outside + "/Trackname", "-x",
                    "--format", "tsv", "--no-recursive", tree.filePath("Music")});

    QCOMPARE(outcome.exitCode, mirrored ? 0 : 1);
    const Records records = cli::TsvRecords(outcome.out);
    QCOMPARE(tree.entryNames("outside"), QList<QByteArray>());
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).at(1), (outside.mid(1) + "/Song.mp3").toUtf8());
    QCOMPARE(records.at(1).at(2), mirrored ? QByteArray("renamed") : "error: rename failed");
    if (mirrored)
        QVERIFY(tree.exists((below + "/Song.mp3").toUtf8()));
    else
        QVERIFY(tree.exists("Music/Band - Song.mp3"));
}

QTEST_GUILESS_MAIN(TestCliRun)
#include "tst_clirun.moc"
