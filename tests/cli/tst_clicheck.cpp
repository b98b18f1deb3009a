#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CliRunner.h"
#include "support/TempTree.h"

// norvane-cli's check before execute: the fifth column of --check, its exit
// status with and without --execute, the JSON's "check" keys, the summary
// on a terminal; and the warning of a dry run in which no name fits.

namespace {

const QString kIn = QStringLiteral("Artist - Album - Track# - Trackname");
const QString kOut = QStringLiteral("Track# - Trackname");
// The two spellings of one title become one name once underscores are spaces.
const QString kSunSet = QStringLiteral("Band - Album - 01 - Sun Set.mp3");
const QString kSunUnderscoreSet = QStringLiteral("Band - Album - 01 - Sun_Set.mp3");
const QString kTwo = QStringLiteral("Band - Album - 02 - Two.mp3");

}  // namespace

class TestCliCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void checkColumnAndExitStatus_data();
    void checkColumnAndExitStatus();
    void jsonCarriesTheCheck();
    void tableHasTheCheckColumn();
    void summaryOnATerminal();
    void nothingFitsIsSaid_data();
    void nothingFitsIsSaid();

private:
    QString album() const { return m_tree->filePath("Album"); }
    std::unique_ptr<TempTree> m_tree;
};

void TestCliCheck::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
}

void TestCliCheck::init() {
    m_tree = std::make_unique<TempTree>();
    for (const QString& name : {kSunSet, kSunUnderscoreSet, kTwo})
        QVERIFY(m_tree->addFile("Album/" + name));
}

void TestCliCheck::checkColumnAndExitStatus_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("checks");    // of the three file rows
    QTest::addColumn<QStringList>("statuses");  // of the three file rows

    const QString same = "same new name as '" + kSunSet + "'";
    const QString pending = "rename pending";
    QTest::newRow("dry run with a reason")
        << QStringList{"--check"} << 1 << QStringList{"", same, ""}
        << QStringList{pending, pending, pending};
    QTest::newRow("execute with a reason")
        << QStringList{"--check", "-x"} << 1 << QStringList{"", same, ""}
        << QStringList{"renamed", "error: new file already exists", "renamed"};
    QTest::newRow("dry run without a reason")
        << QStringList{"--check", "--keep-underscores"} << 0 << QStringList{"", "", ""}
        << QStringList{pending, pending, pending};
    QTest::newRow("a clash made by a replacement")
        << QStringList{"--check",  "--keep-underscores", "--search",
                       "02 - Two", "--replace",          "01 - Sun Set"}
        << 1 << QStringList{"", "", same}
        << QStringList{pending, pending, "replaced (rename pending)"};
}

// The check's reason is the fifth column; any reason makes the exit status 1,
// dry run or not, and a dry run changes nothing on disk.
void TestCliCheck::checkColumnAndExitStatus() {
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, statuses);
    const QList<QByteArray> before = cli::Snapshot(*m_tree);
    cli::Runner runner;

    const cli::Outcome outcome = runner.run(QStringList{"--defaults", "-i", kIn, "-o", kOut} +
                                            options + QStringList{album()});

    QCOMPARE(outcome.exitCode, exitCode);
    const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
    QCOMPARE(records.size(), 4);
    QCOMPARE(records.at(0), (QList<QByteArray>{"[" + album().toUtf8() + "]", "", "", "", ""}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(records.at(1 + i).size(), 5);
        QCOMPARE(QString::fromUtf8(records.at(1 + i).at(4)), checks.at(i));
        QCOMPARE(QString::fromUtf8(records.at(1 + i).at(2)), statuses.at(i));
    }
    if (!options.contains("-x"))
        QCOMPARE(cli::Snapshot(*m_tree), before);
    // Standard error is no terminal here: no summary.
    QVERIFY2(!outcome.err.contains("check:"), outcome.err.constData());
}

// JSON always carries the check, with its reason in a word that stays the
// same in every language; without --check the exit status stays as it was.
void TestCliCheck::jsonCarriesTheCheck() {
    cli::Runner runner;
    runner.setLocale({{"LC_ALL", "de_DE.UTF-8"}, {"LANGUAGE", ""}});
    const cli::Outcome outcome =
        runner.run({"--defaults", "-i", kIn, "-o", kOut, "-f", "json", album()});

    QCOMPARE(outcome.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(outcome.out).array();
    QCOMPARE(rows.size(), 4);
    QVERIFY(rows.at(1).toObject().value("check").isNull());
    QVERIFY(rows.at(1).toObject().value("check_reason").isNull());
    const QJsonObject clash = rows.at(2).toObject();
    QCOMPARE(clash.value("check_reason").toString(), QString("same_new_name"));
    QCOMPARE(clash.value("check").toString(), "Gleicher neuer Name wie ‚" + kSunSet + "‘");
}

void TestCliCheck::tableHasTheCheckColumn() {
    cli::Runner runner;
    const cli::Outcome outcome =
        runner.run({"--defaults", "-i", kIn, "-o", kOut, "-f", "table", "--check", album()});
    QCOMPARE(outcome.exitCode, 1);
    const QList<QByteArray> lines = outcome.out.split('\n');
    QVERIFY2(lines.at(0).startsWith("Existing Filename") && lines.at(0).endsWith("  Check"),
             lines.at(0).constData());
    QVERIFY(outcome.out.contains("same new name as '" + kSunSet.toUtf8() + "'\n"));

    const cli::Outcome plain =
        runner.run({"--defaults", "-i", kIn, "-o", kOut, "-f", "table", album()});
    QVERIFY(!plain.out.split('\n').at(0).contains("Check"));
}

// On a terminal the check ends with a line that counts what it found.
void TestCliCheck::summaryOnATerminal() {
    cli::Runner runner;
    const cli::Outcome failing =
        runner.runOnTerminal({"--defaults", "-i", kIn, "-o", kOut, "--check", album()});
    QCOMPARE(failing.exitCode, 1);
    QVERIFY2(failing.out.contains("check: 1 of 3 renames will fail\r\n"), failing.out.constData());

    const cli::Outcome clean = runner.runOnTerminal(
        {"--defaults", "-i", kIn, "-o", kOut, "--keep-underscores", "--check", album()});
    QCOMPARE(clean.exitCode, 0);
    QVERIFY2(clean.out.contains("check: 0 of 3 renames will fail\r\n"), clean.out.constData());
}

void TestCliCheck::nothingFitsIsSaid_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("said");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no name fits") << QStringList{"-i", "Track# - Trackname"} << true << 0;
    // The one name cleaned of its underscore is then taken: status 1.
    QTest::newRow("not said when renaming")
        << QStringList{"-i", "Track# - Trackname", "-x"} << false << 1;
    QTest::newRow("some names fit") << QStringList{"-i", kIn} << false << 0;
}

// A scheme that fits no name would leave every row "not input format": in a
// dry run that is worth a word on standard error.
void TestCliCheck::nothingFitsIsSaid() {
    QFETCH(QStringList, options);
    QFETCH(bool, said);
    QFETCH(int, exitCode);
    cli::Runner runner;
    const cli::Outcome outcome =
        runner.run(QStringList{"--defaults"} + options + QStringList{album()});
    QCOMPARE(outcome.exitCode, exitCode);
    const QByteArray warning =
        "norvane-cli: warning: no name fits the existing filename scheme \"Track# - Trackname\"\n";
    QVERIFY2(outcome.err.contains(warning) == said, outcome.err.constData());
}

QTEST_GUILESS_MAIN(TestCliCheck)
#include "tst_clicheck.moc"
