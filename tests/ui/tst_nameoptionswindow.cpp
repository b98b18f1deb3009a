#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "tests/cli/CliRunner.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

namespace {

// The tool tip a pause of the mouse over a cell of the results list shows.
QString ToolTipOf(QTreeView* list, const QModelIndex& index) {
    const QPoint point = list->visualRect(index).center();
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return QStringLiteral("(a tool tip that never went)");
    QHelpEvent event(QEvent::ToolTip, point, list->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(list->viewport(), &event);
    if (!QToolTip::isVisible())
        return QString();
    return QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText();
}

// The clean-up options set away from their defaults: track numbers of three
// digits, UPPER CASE, "_" for the unsafe characters, NFC; names read as CP437.
void SetOptions(const TForm1& form) {
    control<QCheckBox>(form, "CBPadTrack")->setChecked(true);
    control<QComboBox>(form, "CMBPadDigits")->setCurrentIndex(1);
    control<QComboBox>(form, "CMBCapitalisation")->setCurrentIndex(3);
    control<QCheckBox>(form, "CBSafeNames")->setChecked(true);
    control<QLineEdit>(form, "ESafeReplacement")->setText("_");
    control<QCheckBox>(form, "CBNormalizeNFC")->setChecked(true);
    control<QComboBox>(form, "CMBLegacyEncoding")->setCurrentIndex(7);
}

}  // namespace

// The window's controls of how names are read and cleaned up: their
// defaults, what they change, and that they are kept, restored and read by
// norvane-cli.
class TestNameOptionsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { QToolTip::hideText(); }
    void controlsStartOff();
    void previewShowsTheOptions();
    void processUsesTheOptions();
    void legacyNamesMarkedAndReadAgain();
    void settingsKeptRestoredAndReadByTheCommandLine();
};

void TestNameOptionsWindow::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
    // The window's settings key is named after its program file: norvane-cli
    // reads the key of "norvane".
    SetProgramFilePath(QCoreApplication::applicationDirPath() + "/norvane");
}

void TestNameOptionsWindow::controlsStartOff() {
    cli::Runner runner;  // a configuration folder of this test's own
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    auto* encoding = control<QComboBox>(form, "CMBLegacyEncoding");
    QCOMPARE(encoding->count(), 9);
    QCOMPARE(encoding->currentText(), QString("Windows-1252 (Western European, Windows)"));
    QCOMPARE(encoding->itemText(8), QString("CP850 (DOS, Western European)"));
    QVERIFY(!control<QCheckBox>(form, "CBPadTrack")->isChecked());
    auto* digits = control<QComboBox>(form, "CMBPadDigits");
    QCOMPARE(digits->count(), 3);
    QCOMPARE(digits->currentText(), QString("2 digits"));
    QCOMPARE(digits->itemText(2), QString("4 digits"));
    auto* capitalisation = control<QComboBox>(form, "CMBCapitalisation");
    QCOMPARE(capitalisation->count(), 4);
    QCOMPARE(capitalisation->currentText(), QString("as written"));
    QCOMPARE(capitalisation->itemText(3), QString("UPPER CASE"));
    QVERIFY(!control<QCheckBox>(form, "CBSafeNames")->isChecked());
    QCOMPARE(control<QLineEdit>(form, "ESafeReplacement")->text(), QString("-"));
    QVERIFY(!control<QCheckBox>(form, "CBNormalizeNFC")->isChecked());
    QCOMPARE(form.nameOptions().padTrackDigits, 0);

    // The replacement takes none of the characters it replaces.
    auto* replacement = control<QLineEdit>(form, "ESafeReplacement");
    replacement->clear();
    QTest::keyClicks(replacement, "a:b?/c\\");
    QCOMPARE(replacement->text(), QString("abc"));
    QVERIFY(prompter.criticals.isEmpty());
}

void TestNameOptionsWindow::previewShowsTheOptions() {
    cli::Runner runner;
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    auto* preview = control<QLineEdit>(form, "EOutputFile");
    control<QLineEdit>(form, "EOutDivider1")->setText(" : ");
    QCOMPARE(preview->text(), QString("Folder : ParentFolder - Track# - Trackname.mp3"));
    control<QCheckBox>(form, "CBPadTrack")->setChecked(true);
    QCOMPARE(preview->text(), QString("Folder : ParentFolder - Track# (01) - Trackname.mp3"));
    control<QComboBox>(form, "CMBPadDigits")->setCurrentIndex(2);
    control<QComboBox>(form, "CMBCapitalisation")->setCurrentIndex(3);
    QCOMPARE(preview->text(), QString("Folder : ParentFolder - Track# (0001) - TRACKNAME.mp3"));
    control<QCheckBox>(form, "CBSafeNames")->setChecked(true);
    QCOMPARE(preview->text(), QString("Folder - ParentFolder - Track# (0001) - TRACKNAME.mp3"));
    control<QLineEdit>(form, "ESafeReplacement")->setText("+");
    QCOMPARE(preview->text(), QString("Folder + ParentFolder - Track# (0001) - TRACKNAME.mp3"));
    // The existing-name scheme's preview is what the scheme is, whatever the options.
    QCOMPARE(control<QLineEdit>(form, "EInputFile")->text(),
             QString("Artist - Album - Track# - Trackname.mp3"));
}

void TestNameOptionsWindow::processUsesTheOptions() {
    cli::Runner runner;
    TempTree tree;
    QVERIFY(tree.addFileBytes("Music/Live/the band - live - 7 - cafe\xcc\x81: a?.mp3"));
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    QVERIFY(AddInputFolder(control<QListWidget>(form, "LBInput"), tree.filePath("Music/Live")));
    form.BRefreshClick();
    SetOptions(form);
    // The new filename scheme gives "Artist - Album - Track# - Trackname".
    for (int n = 0; n < 4; ++n)
        control<QListWidget>(form, qPrintable(QString("LBOut%1").arg(n + 1)))->setCurrentRow(n);
    form.BProcessAllClick();
    QVERIFY(prompter.criticals.isEmpty());
    QCOMPARE(form.results().row(1).newName, QString("THE BAND - LIVE - 007 - CAF\u00c9_ A_.mp3"));
}

void TestNameOptionsWindow::legacyNamesMarkedAndReadAgain() {
    cli::Runner runner;
    TempTree tree;
    QVERIFY(tree.addFileBytes("Live/Caf\x82.mp3"));
    QVERIFY(tree.addFile("Live/plain.mp3"));
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.resize(851, 462);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(AddInputFolder(control<QListWidget>(form, "LBInput"), tree.filePath("Live")));
    form.BRefreshClick();
    const ResultModel& rows = form.results();
    QCOMPARE(rows.row(1).existing, QString("Caf\u201a.mp3"));

    // Choosing another encoding reads the names again.
    control<QComboBox>(form, "CMBLegacyEncoding")->setCurrentIndex(7);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.row(1).existing, QString("Caf\u00e9.mp3"));
    QVERIFY(rows.row(1).nameNotUtf8);
    const QModelIndex marked = rows.index(1, ResultModel::ExistingColumn);
    QVERIFY(!rows.data(marked, Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(rows.data(rows.index(2, ResultModel::ExistingColumn), Qt::DecorationRole).isNull());
    auto* list = control<QTreeView>(form, "LVResults");
    QTRY_VERIFY(!list->visualRect(marked).isEmpty());
    QCOMPARE(ToolTipOf(list, marked), QString("not UTF-8: read as CP437"));
    QCOMPARE(ToolTipOf(list, rows.index(2, ResultModel::ExistingColumn)), QString());

    // Processed, it is a rename: to its UTF-8 form.
    form.BProcessAllClick();
    QCOMPARE(rows.row(1).outcome, RowOutcome::NotInputFormat);
    QCOMPARE(rows.row(1).newName, QString("Caf\u00e9.mp3"));
    form.BExecuteAllClick();
    QCOMPARE(rows.row(1).outcome, RowOutcome::Renamed);
    QCOMPARE(tree.entryNames("Live"), (QList<QByteArray>{"Caf\xc3\xa9.mp3", "plain.mp3"}));
    QVERIFY(prompter.criticals.isEmpty());
}

void TestNameOptionsWindow::settingsKeptRestoredAndReadByTheCommandLine() {
    cli::Runner runner;  // the configuration folder of this test, the window's too
    RecordingPrompter prompter;
    {
        TForm1 form(&prompter);
        form.show();
        SetOptions(form);
        QVERIFY(form.close());
    }
    QFile file(runner.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    for (const char* line :
         {"\"LegacyEncoding\"=dword:00000007", "\"NormalizeNFC\"=\"1\"", "\"PadTrack\"=\"1\"",
          "\"PadTrackDigits\"=dword:00000001", "\"Capitalisation\"=dword:00000003",
          "\"SafeNames\"=\"1\"", "\"SafeReplacement\"=\"_\""})
        QVERIFY2(saved.contains(line), line);
    {
        TForm1 form(&prompter);
        QCOMPARE(control<QComboBox>(form, "CMBLegacyEncoding")->currentIndex(), 7);
        QVERIFY(control<QCheckBox>(form, "CBPadTrack")->isChecked());
        QCOMPARE(control<QComboBox>(form, "CMBPadDigits")->currentIndex(), 1);
        QCOMPARE(control<QComboBox>(form, "CMBCapitalisation")->currentIndex(), 3);
        QVERIFY(control<QCheckBox>(form, "CBSafeNames")->isChecked());
        QCOMPARE(control<QLineEdit>(form, "ESafeReplacement")->text(), QString("_"));
        QVERIFY(control<QCheckBox>(form, "CBNormalizeNFC")->isChecked());
    }

    // norvane-cli reads them: CP437, three digits, UPPER CASE, "_", NFC.
    TempTree tree;
    QVERIFY(tree.addFileBytes("Box/band - box - 7 - caf\x82: x.mp3"));
    QVERIFY(tree.addFileBytes("Box/band - box - 8 - e\xcc\x81.mp3"));
    const cli::Outcome outcome = runner.run(
        {"-o", "Artist - Album - Track# - Trackname", "-f", "tsv", tree.filePath("Box")});
    QCOMPARE(outcome.exitCode, 0);
    const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
    QCOMPARE(records.value(1).value(1), QByteArray("BAND - BOX - 007 - CAF\xc3\x89_ X.mp3"));
    QCOMPARE(records.value(2).value(1), QByteArray("BAND - BOX - 008 - \xc3\x89.mp3"));
    QVERIFY(prompter.criticals.isEmpty());
}

QTEST_MAIN(TestNameOptionsWindow)
#include "tst_nameoptionswindow.moc"
