#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "CliRunner.h"
#include "support/TempTree.h"

// norvane-cli --undo: a run executed and logged as norvane-cli writes its
// output (tsv, json) or as the window saves it (text), then undone from that
// log: the dry run changes nothing, --execute brings the tree back, names
// that are not valid UTF-8 byte for byte; a log that no longer fits the disk
// gives statuses, and one that cannot be read a message with its line.

namespace {

const QByteArray kAlbum = "Music/Album";

// Files whose default proposals rename most of them: one is already in the
// new format, one collides with it, one name is not valid UTF-8, one holds a
// tab, one lies in a subfolder.
const QList<QByteArray> kFiles = {
    "Band - Album - 01 - Intro.mp3",     "Band - Album - 02 - Caf\xe9.mp3",
    "Band - Album - 03 - Tab\there.mp3", "Album - Music - 04 - Four.mp3",
    "Cover - Album - 04 - Four.mp3",     "Live/A - B - 1 - x.mp3",
};
constexpr int kRenamed = 4;

// A log as the window's Save writes it, made of norvane-cli's tsv in English:
// a header line, and each row's outcome word as a fifth field.
QByteArray SavedLogOf(const QByteArray& tsv) {
    QByteArray saved = "Existing Filename\tNew Filename\tStatus\tFolder\tOutcome\n";
    for (const QList<QByteArray>& record : cli::TsvRecords(tsv)) {
        QByteArray outcome = "none";
        if (record.at(2) == "renamed")
            outcome = "renamed";
        else if (record.at(2).startsWith("error: "))
            outcome = "new_file_exists";
        else if (record.at(2) == "already in output format")
            outcome = "already_in_format";
        saved += record.join('\t') + '\t' + outcome + '\n';
    }
    return saved;
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Each row's "outcome" of norvane-cli's JSON output.
QStringList Outcomes(const QByteArray& json) {
    QStringList outcomes;
    for (const QJsonValue& row : QJsonDocument::fromJson(json).array())
        outcomes.append(row.toObject().value("outcome").toString());
    return outcomes;
}

}  // namespace

class TestCliUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void undoFromEachLog_data();
    void undoFromEachLog();
    void logThatNoLongerFitsTheDisk();
    void logThatCannotBeRead_data();
    void logThatCannotBeRead();
    void usage_data();
    void usage();

private:
    // Makes the files of kFiles below kAlbum, each holding its own name.
    static bool MakeAlbum(TempTree& tree);
    // Executes the album with the default schemes; the log in the given format.
    static QByteArray ExecuteAndLog(cli::Runner& runner, const TempTree& tree,
                                    const QString& format);
};

void TestCliUndo::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
}

bool TestCliUndo::MakeAlbum(TempTree& tree) {
    for (const QByteArray& file : kFiles) {
        if (!tree.addFileBytes(kAlbum + '/' + file))
            return false;
    }
    return true;
}

QByteArray TestCliUndo::ExecuteAndLog(cli::Runner& runner, const TempTree& tree,
                                      const QString& format) {
    const cli::Outcome outcome = runner.run(
        {"--defaults", "-x", "-f", format == "json" ? "json" : "tsv", tree.filePath(kAlbum)});
    // The collision leaves an error row.
    if (outcome.exitCode != 1)
        return QByteArray();
    return format == "saved" ? SavedLogOf(outcome.out) : outcome.out;
}

void TestCliUndo::undoFromEachLog_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("language");  // the language of the execute run's statuses
    QTest::newRow("tsv") << "tsv"
                         << "C";
    QTest::newRow("tsv in German") << "tsv"
                                   << "de";
    QTest::newRow("tsv in Spanish") << "tsv"
                                    << "es";
    QTest::newRow("json") << "json"
                          << "C";
    QTest::newRow("json in French") << "json"
                                    << "fr";
    QTest::newRow("saved text") << "saved"
                                << "C";
}

void TestCliUndo::undoFromEachLog() {
    QFETCH(QString, format);
    QFETCH(QString, language);
    TempTree tree;
    QVERIFY(MakeAlbum(tree));
    const QList<QByteArray> before = cli::Snapshot(tree);
    cli::Runner runner;
    if (language != "C") {
        const QString locale = language + "_" + language.toUpper() + ".UTF-8";
        runner.setLocale({{"LANG", locale}, {"LC_ALL", locale}});
    }
    const QByteArray log = ExecuteAndLog(runner, tree, format);
    QVERIFY(!log.isEmpty());
    const QList<QByteArray> executed = cli::Snapshot(tree);
    QVERIFY(executed != before);
    const QTemporaryDir logs;
    const QString logPath = logs.filePath("renames.log");
    QVERIFY(WriteBytes(logPath, log));
    runner.setLocale({{"LC_ALL", "C.UTF-8"}});

    // The dry run lists the renamed files, the last renamed first, and renames nothing.
    const cli::Outcome dry = runner.run({"--undo", logPath, "-f", "tsv"});
    QCOMPARE(dry.exitCode, 0);
    QCOMPARE(dry.err, QByteArray());
    const QList<QList<QByteArray>> records = cli::TsvRecords(dry.out);
    QCOMPARE(records.size(), kRenamed);
    QCOMPARE(records.first().at(0), QByteArray("A - B - 1 - x.mp3"));
    QCOMPARE(records.last().at(0), QByteArray("Band - Album - 01 - Intro.mp3"));
    QCOMPARE(records.at(1).at(0), QByteArray("Band - Album - 03 - Tab\\there.mp3"));
    QCOMPARE(records.at(2).at(0), QByteArray("Band - Album - 02 - Caf\xe9.mp3"));
    for (const QList<QByteArray>& record : records)
        QCOMPARE(record.at(2), QByteArray("undo pending"));
    QCOMPARE(cli::Snapshot(tree), executed);

    const cli::Outcome undo = runner.run({"--undo", logPath, "--execute", "-f", "json"});
    QCOMPARE(undo.exitCode, 0);
    QCOMPARE(undo.err, QByteArray());
    QCOMPARE(Outcomes(undo.out), QStringList(kRenamed, "undone"));
    QCOMPARE(cli::Snapshot(tree), before);
}

// Between the run and its undo, one original name was taken and one renamed
// file was removed: those rows say so, the others go back, nothing is lost.
void TestCliUndo::logThatNoLongerFitsTheDisk() {
    TempTree tree;
    QVERIFY(MakeAlbum(tree));
    cli::Runner runner;
    const QByteArray log = ExecuteAndLog(runner, tree, "tsv");
    QVERIFY(!log.isEmpty());
    QVERIFY(WriteBytes(tree.filePath("renames.tsv"), log));
    QVERIFY(tree.addFile("Music/Album/Band - Album - 01 - Intro.mp3"));
    QVERIFY(::unlink(tree.filePathBytes("Music/Album/Live/Live - Album - 1 - x.mp3").constData()) ==
            0);
    const QList<QByteArray> before = cli::Snapshot(tree);

    const cli::Outcome undo = runner.run({"--undo", tree.filePath("renames.tsv"), "-x"});
    QCOMPARE(undo.exitCode, 1);
    const QList<QList<QByteArray>> records = cli::TsvRecords(undo.out);
    QCOMPARE(records.size(), kRenamed);
    QCOMPARE(records.at(0).at(2), QByteArray("error: undo failed: the renamed file is gone"));
    QCOMPARE(records.at(1).at(2), QByteArray("rename undone"));
    QCOMPARE(records.at(2).at(2), QByteArray("rename undone"));
    QCOMPARE(records.at(3).at(2), QByteArray("error: undo failed: the original name is taken"));
    QVERIFY(tree.exists("Music/Album/Album - Music - 01 - Intro.mp3"));
    QVERIFY(tree.exists("Music/Album/Band - Album - 02 - Caf\xe9.mp3"));
    QCOMPARE(cli::Snapshot(tree).size(), before.size());

    // The same log once more: what went back is gone from where the log says.
    const cli::Outcome again = runner.run({"--undo", tree.filePath("renames.tsv"), "-x"});
    QCOMPARE(again.exitCode, 1);
    QCOMPARE(cli::TsvRecords(again.out).at(1).at(2),
             QByteArray("error: undo failed: the renamed file is gone"));
}

void TestCliUndo::logThatCannotBeRead_data() {
    QTest::addColumn<QByteArray>("log");  // empty: no log file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("no such file") << QByteArray()
                                  << "cannot read the log \"%1\": No such file or directory";
    QTest::newRow("a fault on line 2")
        << QByteArray("a.mp3\tb.mp3\trenamed\t/m\nc.mp3\td.mp3\trenamed\n")
        << "the log \"%1\" cannot be read at line 2: 3 fields separated by tabs, where the lines "
           "above have 4";
    QTest::newRow("a folder, not a file")
        << QByteArray("/") << "cannot read the log \"%1\": Is a directory";
}

// Nothing is renamed, not even the rows before the fault.
void TestCliUndo::logThatCannotBeRead() {
    QFETCH(QByteArray, log);
    QFETCH(QString, message);
    TempTree tree;
    QVERIFY(MakeAlbum(tree));
    cli::Runner runner;
    const QByteArray good = ExecuteAndLog(runner, tree, "tsv");
    QVERIFY(!good.isEmpty());
    const QList<QByteArray> before = cli::Snapshot(tree);
    const QTemporaryDir logs;
    QString path = logs.filePath("missing.tsv");
    if (log == "/") {
        path = logs.path();
    } else if (!log.isEmpty()) {
        path = logs.filePath("bad.tsv");
        QVERIFY(WriteBytes(path, good + log));
        message.replace("line 2", QString("line %1").arg(cli::TsvRecords(good).size() + 2));
    }

    const cli::Outcome undo = runner.run({"--undo", path, "-x"});
    QCOMPARE(undo.exitCode, 1);
    QCOMPARE(undo.out, QByteArray());
    QCOMPARE(QString::fromUtf8(undo.err), "norvane-cli: " + message.arg(path) + "\n");
    QCOMPARE(cli::Snapshot(tree), before);
}

void TestCliUndo::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("with a folder") << QStringList{"--undo", "log", "FOLDER"}
                                   << "--undo reads its files from the log and takes no folder";
    QTest::newRow("with a scheme") << QStringList{"--undo=log", "-i", "Trackname"}
                                   << "the option \"-i\" cannot be used with --undo";
    QTest::newRow("after --defaults") << QStringList{"--defaults", "-x", "--undo", "log"}
                                      << "the option \"--defaults\" cannot be used with --undo";
    QTest::newRow("without its log")
        << QStringList{"-x", "--undo"} << "the option \"--undo\" needs a value";
}

void TestCliUndo::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    TempTree tree;
    QVERIFY(MakeAlbum(tree));
    cli::Runner runner;
    const QByteArray log = ExecuteAndLog(runner, tree, "tsv");
    QVERIFY(WriteBytes(tree.filePath("log"), log));
    const QList<QByteArray> before = cli::Snapshot(tree);
    const cli::Outcome outcome = runner.run(arguments, tree.path());
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QByteArray());
    QVERIFY2(outcome.err.contains(message.toUtf8()), outcome.err.constData());
    QCOMPARE(cli::Snapshot(tree), before);
}

QTEST_GUILESS_MAIN(TestCliUndo)
#include "tst_cliundo.moc"
