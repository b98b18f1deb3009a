#include <QRegularExpression>
#include <QTest>

#include "CliRunner.h"
#include "engine/RowOutcome.h"
#include "engine/check/CheckReason.h"

// What norvane-cli says about itself, and how it refuses a command line it
// cannot run.
class TestCliUsage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion();
};

void TestCliUsage::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
}

void TestCliUsage::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString folder = QStringLiteral("FOLDER");
    QTest::newRow("unknown option")
        << QStringList{"--bogus", folder} << "unknown option \"--bogus\"";
    QTest::newRow("bundled short options")
        << QStringList{"-xa", folder} << "unknown option \"-xa\"";
    QTest::newRow("value for a switch") << QStringList{"--execute=yes", folder} << "takes no value";
    QTest::newRow("the first fault in the order given")
        << QStringList{"--bogus", folder, "-i"} << "unknown option \"--bogus\"";
    QTest::newRow("a short option's value starts right after it")
        << QStringList{"-i=Track# - Trackname", folder}
        << "-i: the scheme \"=Track# - Trackname\" must start with a field, not with \"=\"";
    QTest::newRow("missing value") << QStringList{folder, "-i"} << "\"-i\" needs a value";
    QTest::newRow("bad scheme") << QStringList{"-x", "-i", "The Artist - Trackname", folder}
                                << "-i: the scheme \"The Artist - Trackname\" must start";
    QTest::newRow("bad new scheme")
        << QStringList{"-x", "--out=Title", folder} << "--out: the scheme \"Title\" names no field";
    QTest::newRow("a near miss of a field")
        << QStringList{"-i", "Artist - Albun - Track# - Trackname", folder}
        << "-i: the scheme \"Artist - Albun - Track# - Trackname\" holds \"Albun\", which is not a "
           "field; did you mean \"Album\"?";
    QTest::newRow("bad format") << QStringList{"-f", "xml", folder} << "\"xml\"";
    QTest::newRow("--ext with --all-files")
        << QStringList{"-e", ".mp3", "-a", folder} << "cannot be used together";
    QTest::newRow("a search without its replace")
        << QStringList{"--search", "a", "--replace", "b", "--search", "c", folder}
        << "every --search needs a --replace";
    QTest::newRow("a replace without its search")
        << QStringList{"--replace", "b", folder} << "every --search needs a --replace";
    QTest::newRow("an empty search") << QStringList{"--search=", "--replace", "b", folder}
                                     << "--search needs a text that is not empty";
    QTest::newRow("search needs a value")
        << QStringList{folder, "--search"} << "\"--search\" needs a value";
    QTest::newRow("no folder") << QStringList{"-x"} << "no folder given";
    QTest::newRow("no folder that exists")
        << QStringList{"-x", "nowhere", "nor/here"} << "none of the folders given exists";
    // How names that are not UTF-8 are read, and the clean-up options.
    QTest::newRow("an encoding that is not offered")
        << QStringList{"-x", "--legacy-encoding", "UTF-8", folder}
        << "unknown legacy encoding \"UTF-8\" (use Windows-1252, ISO-8859-1, ISO-8859-2, "
           "ISO-8859-15, Windows-1250, Windows-1251, KOI8-R, CP437, CP850)";
    QTest::newRow("an encoding needs a name")
        << QStringList{folder, "--legacy-encoding"} << "\"--legacy-encoding\" needs a value";
    QTest::newRow("five digits") << QStringList{"-x", "--pad-track", "5", folder}
                                 << "--pad-track takes 2, 3 or 4 digits, not \"5\"";
    QTest::newRow("a number with more") << QStringList{"-x", "--pad-track=2x", folder}
                                        << "--pad-track takes 2, 3 or 4 digits, not \"2x\"";
    QTest::newRow("a number with a sign")
        << QStringList{"-x", "--pad-track=+3", folder} << "not \"+3\"";
    QTest::newRow("a case that is not offered")
        << QStringList{"-x", "--case", "sentence", folder}
        << "unknown capitalisation \"sentence\" (use title, lower, upper or as-written)";
    QTest::newRow("a replacement that is not safe itself")
        << QStringList{"-x", "--safe-replacement", "a:b", folder}
        << "the replacement \"a:b\" holds a character that cannot be in a name";
    QTest::newRow("a replacement with a slash")
        << QStringList{"-x", "--safe-replacement=/", folder} << "the replacement \"/\" holds";
    QTest::newRow("--nfc takes no value") << QStringList{"--nfc=yes", folder} << "takes no value";
}

// Nothing runs and nothing is renamed; the message says what is wrong.
void TestCliUsage::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    TempTree tree;
    QVERIFY(tree.addFile("FOLDER/Band - Album - 01 - Song.mp3"));
    const QList<QByteArray> before = cli::Snapshot(tree);
    cli::Runner runner;

    const cli::Outcome outcome = runner.run(QStringList{"--defaults"} + arguments, tree.path());

    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QByteArray());
    QVERIFY2(outcome.err.contains(message.toUtf8()), outcome.err.constData());
    QVERIFY(outcome.err.contains("--help"));
    QCOMPARE(cli::Snapshot(tree), before);
}

void TestCliUsage::helpAndVersion() {
    cli::Runner runner;
    const cli::Outcome help = runner.run({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: norvane-cli [OPTIONS] FOLDER...\n"));
    for (const char* option :
         {"--in SCHEME", "--out SCHEME", "--ext EXT", "--all-files", "--no-recursive",
          "--keep-underscores", "--keep-extension-case", "--search TEXT", "--replace TEXT",
          "--execute", "--check", "--undo LOG", "--format FORMAT", "--defaults", "--version",
          "Exit status",
          "Examples"})
        QVERIFY2(help.out.contains(option), option);
    // Every outcome word a script may meet in the JSON output is named.
    const QString words = QString::fromUtf8(help.out).simplified();
    for (const QString& word : OutcomeWords())
        QVERIFY2(words.contains(QRegularExpression("[ ,]" + word + "[ ,.]")), qPrintable(word));
    for (const CheckReasonWord& entry : kCheckReasonWords) {
        const QString word = QString::fromLatin1(entry.word);
        if (entry.reason != CheckReason::None)
            QVERIFY2(words.contains(QRegularExpression("[ ,]" + word + "[ ,.]")), qPrintable(word));
    }

    const cli::Outcome version = runner.run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("norvane-cli " NORVANE_VERSION "\n"));
}

QTEST_GUILESS_MAIN(TestCliUsage)
#include "tst_cliusage.moc"
