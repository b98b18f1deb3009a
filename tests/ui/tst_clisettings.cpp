#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "engine/FilenameScheme.h"
#include "tests/cli/CliRunner.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

namespace {

// Both schemes as the window shows them: every slot and divider differs from
// its default, so that a proposal shows each one.
const std::array<int, kSlotCount> kInSlots = {2, 0, 1, 3,
                                              4};  // Track#, Artist, Album, Trackname, Folder
const std::array<int, kSlotCount> kOutSlots = {4, 3, 0, 2,
                                               1};  // Folder, Trackname, Artist, Track#, Album
const std::array<const char*, kDividerCount> kInDividers = {". ", " ~ ", " + ", " = "};
const std::array<const char*, kDividerCount> kOutDividers = {" # ", " @ ", " % ", " & "};

void SetSchemes(const TForm1& form) {
    for (int n = 0; n < kSlotCount; ++n) {
        control<QListWidget>(form, qPrintable(QString("LBIn%1").arg(n + 1)))
            ->setCurrentRow(kInSlots[n]);
        control<QListWidget>(form, qPrintable(QString("LBOut%1").arg(n + 1)))
            ->setCurrentRow(kOutSlots[n]);
    }
    for (int n = 0; n < kDividerCount; ++n) {
        control<QLineEdit>(form, qPrintable(QString("EInDivider%1").arg(n + 1)))
            ->setText(kInDividers[n]);
        control<QLineEdit>(form, qPrintable(QString("EOutDivider%1").arg(n + 1)))
            ->setText(kOutDividers[n]);
    }
}

// The file rows of norvane-cli's tsv output, "existing > new > status".
QStringList FileRows(const cli::Outcome& outcome) {
    QStringList rows;
    for (const QList<QByteArray>& record : cli::TsvRecords(outcome.out)) {
        if (record.size() == 4 && !record.at(3).isEmpty())
            rows.append(
                QString::fromUtf8(record.at(0) + " > " + record.at(1) + " > " + record.at(2)));
    }
    return rows;
}

}  // namespace

// What the window saves when it closes is what norvane-cli reads: every
// setting the command line uses arrives, by the same rules.
class TestCliSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowSavesWhatTheCommandLineReads();
};

void TestCliSettings::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
    // The window's settings key is named after its program file: norvane-cli
    // reads the key of "norvane".
    SetProgramFilePath(QCoreApplication::applicationDirPath() + "/norvane");
}

void TestCliSettings::windowSavesWhatTheCommandLineReads() {
    TempTree tree;
    QVERIFY(tree.addFile("Box/07. Band ~ Disc + Song_Name = Box.Mp3"));
    QVERIFY(tree.addFile("Box/a.ogg"));
    QVERIFY(tree.addFile("Box/notes"));
    QVERIFY(tree.addFile("Box/x.flac"));
    QVERIFY(tree.addFile("Box/Sub/y.ogg"));
    cli::Runner runner;  // the configuration folder of this test, the window's too
    RecordingPrompter prompter;
    {
        TForm1 form(&prompter);
        form.show();
        control<QCheckBox>(form, "CBRecursive")->setChecked(false);
        control<QCheckBox>(form, "CBRemoveUnderscores")->setChecked(false);
        control<QCheckBox>(form, "CBExtensionLowercase")->setChecked(false);
        // Typed as a user types, with a line break after the last line.
        control<QPlainTextEdit>(form, "MIncludeExts")->setPlainText(".ogg\n.Mp3\n");
        SetSchemes(form);
        QVERIFY(form.close());
    }
    QVERIFY(QFile::exists(runner.settingsFile()));

    const cli::Outcome first = runner.run({"-f", "tsv", tree.filePath("Box")});
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.err, QByteArray());
    const QString song =
        "07. Band ~ Disc + Song_Name = Box.Mp3 > Box # Song_Name @ Band % 07 & "
        "Disc.Mp3 > rename pending";
    const QString unfit = " >  > not input format: Track# does not exist";
    QCOMPARE(FileRows(first), (QStringList{song, "a.ogg" + unfit}));

    // The extension filter off: every file of the folder, still no subfolder.
    {
        TForm1 form(&prompter);
        form.show();
        QVERIFY(!control<QCheckBox>(form, "CBRecursive")->isChecked());
        control<QCheckBox>(form, "CBIncludeExts")->setChecked(false);
        QVERIFY(form.close());
    }
    const cli::Outcome second = runner.run({"-f", "tsv", tree.filePath("Box")});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(FileRows(second),
             (QStringList{song, "a.ogg" + unfit, "notes" + unfit, "x.flac" + unfit}));
    QVERIFY(prompter.criticals.isEmpty());
}

QTEST_MAIN(TestCliSettings)
#include "tst_clisettings.moc"
