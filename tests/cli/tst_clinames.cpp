#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CliRunner.h"

namespace {

// The New Filename of each file record of a tsv output, in list order.
QList<QByteArray> NewNames(const QByteArray& out) {
    QList<QByteArray> names;
    for (const QList<QByteArray>& record : cli::TsvRecords(out)) {
        if (!record.value(3).isEmpty())
            names.append(record.value(1));
    }
    return names;
}

}  // namespace

// norvane-cli with names from other systems and the clean-up options:
// --legacy-encoding, --nfc, --pad-track, --case, --safe-names and
// --safe-replacement, and the same options from the window's saved settings.
class TestCliNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void legacyNamesExecuted_data();
    void legacyNamesExecuted();
    void cleanUpOptions_data();
    void cleanUpOptions();
    void helpNamesTheOptions();
};

void TestCliNames::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
}

void TestCliNames::legacyNamesExecuted_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("renamed");
    // What norvane-cli -x once did to this name: "Caf\xef\xbf\xbd Blue".
    QTest::newRow("Windows-1252 by default")
        << QStringList{} << QByteArray("The Quiet Ones - Harbour - 11 - Caf\xe9 Blue.mp3")
        << QByteArray("Harbour - Music - 11 - Caf\xc3\xa9 Blue.mp3");
    QTest::newRow("ISO-8859-2 by name") << QStringList{"--legacy-encoding", "iso-8859-2"}
                                        << QByteArray(
                                               "Zesp\xf3\xb3 - Harbour - 2 - \xa3\xf3"
                                               "d\xbc.mp3")
                                        << QByteArray(
                                               "Harbour - Music - 2 - \xc5\x81\xc3\xb3"
                                               "d\xc5\xba.mp3");
    QTest::newRow("CP437 by its IBM name")
        << QStringList{"--legacy-encoding=IBM437"}
        << QByteArray("Band - Harbour - 3 - M\x81nchen.mp3")
        << QByteArray("Harbour - Music - 3 - M\xc3\xbcnchen.mp3");
    QTest::newRow("the option over the saved choice")
        << QStringList{"--legacy-encoding", "cp850"} << QByteArray("a - Harbour - 4 - \x9b.mp3")
        << QByteArray("Harbour - Music - 4 - \xc3\xb8.mp3");
}

void TestCliNames::legacyNamesExecuted() {
    QFETCH(QStringList, options);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, renamed);
    TempTree tree;
    QVERIFY(tree.addFileBytes("Music/Harbour/" + name));
    cli::Runner runner;
    // The saved choice is Windows-1252 for the run without an option and
    // KOI8-R for the others: the option goes before it.
    QVERIFY(runner.saveSettings({options.isEmpty() ? "\"LegacyEncoding\"=dword:00000000"
                                                   : "\"LegacyEncoding\"=dword:00000006"}));

    const cli::Outcome outcome =
        runner.run(options + QStringList{"-x", "-f", "json", tree.filePath("Music")});
    QCOMPARE(outcome.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(outcome.out).array();
    const QJsonObject row = rows.at(2).toObject();
    QCOMPARE(row.value("new").toString(), QString::fromUtf8(renamed));
    QCOMPARE(row.value("outcome").toString(), QString("renamed"));
    QCOMPARE(QByteArray::fromBase64(row.value("existing_bytes").toString().toLatin1()), name);
    QVERIFY(!row.value("existing").toString().contains(QChar::ReplacementCharacter));
    QCOMPARE(tree.entryNames("Music/Harbour"), QList<QByteArray>{renamed});
}

void TestCliNames::cleanUpOptions_data() {
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<QByteArray>>("newNames");
    // The files in list order: "the band - 12 - Song.mp3", then the other.
    const QList<QByteArray> none = {"", ""};
    QTest::newRow("defaults change nothing") << QStringList{} << QStringList{} << none;
    QTest::newRow("--nfc") << QStringList{} << QStringList{"--nfc"}
                           << QList<QByteArray>{"", "the band - 7 - caf\xc3\xa9: a?.mp3"};
    QTest::newRow("--pad-track 3")
        << QStringList{} << QStringList{"--pad-track", "3"}
        << QList<QByteArray>{"the band - 012 - Song.mp3", "the band - 007 - cafe\xcc\x81: a?.mp3"};
    QTest::newRow("--case title") << QStringList{} << QStringList{"--case", "title"}
                                  << QList<QByteArray>{"The Band - 12 - Song.mp3",
                                                       "The Band - 7 - Cafe\xcc\x81: A?.mp3"};
    QTest::newRow("--case upper") << QStringList{} << QStringList{"--case=UPPER"}
                                  << QList<QByteArray>{"THE BAND - 12 - SONG.mp3",
                                                       "THE BAND - 7 - CAFE\xcc\x81: A?.mp3"};
    QTest::newRow("--safe-names") << QStringList{} << QStringList{"--safe-names"}
                                  << QList<QByteArray>{"", "the band - 7 - cafe\xcc\x81- a-.mp3"};
    QTest::newRow("--safe-replacement alone turns them on")
        << QStringList{} << QStringList{"--safe-replacement", "_"}
        << QList<QByteArray>{"", "the band - 7 - cafe\xcc\x81_ a_.mp3"};
    QTest::newRow("all together") << QStringList{}
                                  << QStringList{"--nfc", "--pad-track=2", "--case", "title",
                                                 "--safe-names"}
                                  << QList<QByteArray>{"The Band - 12 - Song.mp3",
                                                       "The Band - 07 - Caf\xc3\xa9- A-.mp3"};
    // The window's settings: NFC, pad to 4 digits, UPPER CASE, safe with "+".
    const QStringList saved = {"\"NormalizeNFC\"=\"1\"",
                               "\"PadTrack\"=\"1\"",
                               "\"PadTrackDigits\"=dword:00000002",
                               "\"Capitalisation\"=dword:00000003",
                               "\"SafeNames\"=\"1\"",
                               "\"SafeReplacement\"=\"+\""};
    QTest::newRow("saved settings")
        << saved << QStringList{}
        << QList<QByteArray>{"THE BAND - 0012 - SONG.mp3", "THE BAND - 0007 - CAF\xc3\x89+ A+.mp3"};
    QTest::newRow("options go before the saved settings")
        << saved << QStringList{"--pad-track", "2", "--case", "as-written", "--safe-replacement="}
        << QList<QByteArray>{"", "the band - 07 - caf\xc3\xa9 a.mp3"};
    QTest::newRow("--defaults ignores them") << saved << QStringList{"--defaults"} << none;
    // A replacement edited into the file by hand cannot bring in what it replaces.
    QTest::newRow("a saved replacement that is not safe")
        << QStringList{"\"SafeNames\"=\"1\"", "\"SafeReplacement\"=\"<:>\""} << QStringList{}
        << QList<QByteArray>{"", "the band - 7 - cafe\xcc\x81 a.mp3"};
}

void TestCliNames::cleanUpOptions() {
    QFETCH(QStringList, saved);
    QFETCH(QStringList, options);
    QFETCH(QList<QByteArray>, newNames);
    TempTree tree;
    // A decomposed "é", as a Mac writes it, and characters FAT cannot hold.
    QVERIFY(tree.addFileBytes("Album/the band - 7 - cafe\xcc\x81: a?.mp3"));
    QVERIFY(tree.addFileBytes("Album/the band - 12 - Song.mp3"));
    cli::Runner runner;
    QVERIFY(runner.saveSettings(saved));
    const cli::Outcome outcome = runner.run(
        options + QStringList{"-i", "Artist - Track# - Trackname", "-o",
                              "Artist - Track# - Trackname", "-f", "tsv", tree.filePath("Album")});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(NewNames(outcome.out), newNames);
}

void TestCliNames::helpNamesTheOptions() {
    cli::Runner runner;
    const cli::Outcome help = runner.run({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char* option :
         {"--legacy-encoding NAME", "--nfc", "--pad-track N", "--case CASE", "--safe-names",
          "--safe-replacement TEXT", "Windows-1252", "ISO-8859-2", "CP437", "as-written"})
        QVERIFY2(help.out.contains(option), option);
    QVERIFY(!help.out.contains("replacement characters"));
}

QTEST_GUILESS_MAIN(TestCliNames)
#include "tst_clinames.moc"
