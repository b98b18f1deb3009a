#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>

#include "engine/ResultModel.h"
#include "tests/ui/WindowFixture.h"
#include "ui/ProgressLabel.h"

using namespace WindowFixture;

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        // The folder of the test before goes first: it puts back what it found.
        m_home.reset();
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void startState();
    void pageGuard_data();
    void pageGuard();
    void previewsFollowEverySlotAndDivider();
    void defaultButtonsRestoreSchemes();
    void processAllOnEmptyListShowsError();
    void processAndExecuteScannedFolder();
    void saveAsksForAFileFirst();
    void settingsSavedAtCloseAndRestored();
    void optionBoxesInViewAtTheDefaultSize();
    void pageGuardWheelAndRightToLeft();
    void extensionMemoLines_data();
    void extensionMemoLines();

private:
    std::unique_ptr<ConfigHome> m_home;
};

void TestMainWindow::startState() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    QCOMPARE(form.windowTitle(), QString("Norvane"));
    QCOMPARE(control<QTabWidget>(form, "PageControl1")->currentIndex(), 0);
    QCOMPARE(control<QTabWidget>(form, "PageControl1")->tabText(1), QString("Rename"));
    QCOMPARE(control<QLabel>(form, "LFileCount")->text(), QString("0 files."));
    QCOMPARE(control<QLabel>(form, "LFileSize")->text(), QString("0 bytes"));
    QVERIFY(control<ProgressLabel>(form, "LProgress")->progressText().isEmpty());
    QCOMPARE(control<QLineEdit>(form, "EInputFile")->text(),
             QString("Artist - Album - Track# - Trackname.mp3"));
    QCOMPARE(control<QLineEdit>(form, "EOutputFile")->text(),
             QString("Folder - ParentFolder - Track# - Trackname.mp3"));
    auto* manual = control<QLineEdit>(form, "EManualRename");
    QVERIFY(manual->text().isEmpty());
    QVERIFY(!manual->isEnabled());
    QVERIFY(!control<QPushButton>(form, "BManualRename")->isEnabled());
    QVERIFY(!control<QPushButton>(form, "BCancelRename")->isEnabled());
    QVERIFY(control<QProgressBar>(form, "PBProgress")->isHidden());
    QCOMPARE(control<QProgressBar>(form, "PBProgress")->maximum(), 500);
    QVERIFY(!control<QPushButton>(form, "BCopy")->isHidden());
    QVERIFY(!control<QPushButton>(form, "BSave")->isHidden());
    QVERIFY(!control<QPushButton>(form, "BUndo")->isEnabled());
    QVERIFY(control<QCheckBox>(form, "CBRecursive")->isChecked());
    QVERIFY(control<QCheckBox>(form, "CBRemoveUnderscores")->isChecked());
    QCOMPARE(control<QPlainTextEdit>(form, "MIncludeExts")->toPlainText(), QString(".mp3"));
    auto* list = control<QTreeView>(form, "LVResults");
    QCOMPARE(list->header()->sectionSize(0), 300);
    QCOMPARE(list->header()->sectionSize(2), 100);
    QVERIFY(!list->header()->sectionsClickable());
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(prompter.criticals.isEmpty());
}

void TestMainWindow::pageGuard_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("ctrl+tab") << "ctrl+tab";
    QTest::newRow("arrow on tab bar") << "arrow";
}

void TestMainWindow::pageGuard() {
    QFETCH(QString, how);
    QTemporaryDir dir;
    makeFile(dir.path(), "notes.txt");
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* pages = control<QTabWidget>(form, "PageControl1");
    QTabBar* bar = pages->tabBar();
    auto switchPage = [&] {
        if (how == "mouse") {
            const int target = pages->currentIndex() == 0 ? 1 : 0;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(target).center());
        } else if (how == "ctrl+tab") {
            QTest::keyClick(control<QPushButton>(form, "BRefresh"), Qt::Key_Tab,
                            Qt::ControlModifier);
        } else {
            QTest::keyClick(bar, pages->currentIndex() == 0 ? Qt::Key_Right : Qt::Key_Left);
        }
    };
    // No folder, and then a folder without a matching file: the page stays.
    switchPage();
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(prompter.informations, QStringList{"Please choose directories with the files !"});
    form.LBInputFileDrop(&form, {dir.path()});
    QTRY_COMPARE(form.results().size(), 1);
    switchPage();
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(prompter.informations.size(), 2);

    makeFile(dir.path(), "song.mp3");
    form.BRefreshClick();
    QCOMPARE(form.FileCount(), 1);
    switchPage();
    QCOMPARE(pages->currentIndex(), 1);
    switchPage();
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(prompter.informations.size(), 2);
}

void TestMainWindow::previewsFollowEverySlotAndDivider() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    auto* preview = control<QLineEdit>(form, "EInputFile");
    auto* out = control<QLineEdit>(form, "EOutputFile");
    // Choosing "[none]" in slot 2 joins slot 1 and slot 3 with divider 2.
    auto* slot2 = control<QListWidget>(form, "LBIn2");
    QTest::mouseClick(slot2->viewport(), Qt::LeftButton, {},
                      slot2->visualItemRect(slot2->item(6)).center());
    QCOMPARE(slot2->currentRow(), 6);
    QCOMPARE(preview->text(), QString("Artist - Track# - Trackname.mp3"));
    auto* divider2 = control<QLineEdit>(form, "EInDivider2");
    divider2->selectAll();
    QTest::keyClicks(divider2, "_");
    QCOMPARE(preview->text(), QString("Artist_Track# - Trackname.mp3"));
    // Every slot and divider of the new-name scheme is followed too.
    for (int k = 1; k <= 5; ++k) {
        auto* slot = control<QListWidget>(form, qPrintable(QString("LBOut%1").arg(k)));
        slot->setFocus();
        slot->setCurrentRow(0);
        QTest::keyClick(slot, Qt::Key_End);
        QCOMPARE(slot->currentRow(), 6);
    }
    QCOMPARE(out->text(), QString(".mp3"));
    control<QListWidget>(form, "LBOut1")->setCurrentRow(0);
    control<QListWidget>(form, "LBOut5")->setCurrentRow(3);
    // Slots 1 and 5 are active: only divider 4, on slot 5's left, shows.
    QCOMPARE(out->text(), QString("Artist - Trackname.mp3"));
    for (int k = 1; k <= 3; ++k)
        control<QLineEdit>(form, qPrintable(QString("EOutDivider%1").arg(k)))->clear();
    QCOMPARE(out->text(), QString("Artist - Trackname.mp3"));
    control<QLineEdit>(form, "EOutDivider4")->clear();
    QCOMPARE(out->text(), QString("ArtistTrackname.mp3"));
    QTest::keyClicks(control<QLineEdit>(form, "EOutDivider4"), " # ");
    QCOMPARE(out->text(), QString("Artist # Trackname.mp3"));
    // The previews do not follow the extension memo.
    control<QPlainTextEdit>(form, "MIncludeExts")->setPlainText(".ogg");
    QCOMPARE(out->text(), QString("Artist # Trackname.mp3"));
}

void TestMainWindow::defaultButtonsRestoreSchemes() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    for (int k = 1; k <= 5; ++k) {
        control<QListWidget>(form, qPrintable(QString("LBIn%1").arg(k)))->setCurrentRow(4);
        control<QListWidget>(form, qPrintable(QString("LBOut%1").arg(k)))->setCurrentRow(0);
    }
    control<QLineEdit>(form, "EOutDivider3")->setText("__");
    QTest::mouseClick(control<QPushButton>(form, "BInDefault"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(form, "EInputFile")->text(),
             QString("Artist - Album - Track# - Trackname.mp3"));
    QCOMPARE(control<QListWidget>(form, "LBIn5")->currentRow(), 6);
    // The other scheme is left alone.
    QCOMPARE(control<QLineEdit>(form, "EOutDivider3")->text(), QString("__"));
    QTest::mouseClick(control<QPushButton>(form, "BOutDefault"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(form, "EOutputFile")->text(),
             QString("Folder - ParentFolder - Track# - Trackname.mp3"));
    QCOMPARE(control<QLineEdit>(form, "EOutDivider3")->text(), QString(" - "));
}

void TestMainWindow::processAllOnEmptyListShowsError() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    QTest::mouseClick(control<QPushButton>(form, "BProcessAll"), Qt::LeftButton);
    QCOMPARE(prompter.criticals, QStringList{"No files to process !"});
    QVERIFY(control<QProgressBar>(form, "PBProgress")->isHidden());
    QVERIFY(!QApplication::overrideCursor());
    // The window stays usable.
    QTest::mouseClick(control<QPushButton>(form, "BProcessSelected"), Qt::LeftButton);
    QCOMPARE(prompter.criticals.size(), 2);
    QTest::mouseClick(control<QPushButton>(form, "BExecuteAll"), Qt::LeftButton);
    QCOMPARE(prompter.criticals.size(), 2);
}

void TestMainWindow::processAndExecuteScannedFolder() {
    QTemporaryDir root;
    const QString album = root.path() + "/Music/Best Of";
    makeFile(album, "Some_Band - Best Of - 07 - Night_Drive.MP3", "seven");
    makeFile(album, "Best Of - Music - 01 - Intro.mp3", "one");
    makeFile(album, "broken.mp3", "broken");
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    QVERIFY(AddInputFolder(control<QListWidget>(form, "LBInput"), album));
    form.ScanInputFolders(0, 0);
    QCOMPARE(form.results().size(), 4);
    QCOMPARE(control<QLabel>(form, "LFileCount")->text(), QString("3 files."));
    QCOMPARE(control<QLabel>(form, "LFileSize")->text(), QString("14 bytes"));

    QTest::mouseClick(control<QPushButton>(form, "BProcessAll"), Qt::LeftButton);
    const ResultModel& rows = form.results();
    QCOMPARE(rows.row(1).existing, QString("Best Of - Music - 01 - Intro.mp3"));
    QCOMPARE(rows.row(1).status, QString("already in output format"));
    QCOMPARE(rows.row(2).status, QString("not input format: Artist does not exist"));
    QCOMPARE(rows.row(3).newName, QString("Best Of - Music - 07 - Night Drive.mp3"));
    QCOMPARE(rows.row(3).status, QString("rename pending"));

    QTest::mouseClick(control<QPushButton>(form, "BExecuteAll"), Qt::LeftButton);
    QCOMPARE(rows.row(3).status, QString("renamed"));
    QCOMPARE(rows.row(1).status, QString("already in output format"));
    QFile renamed(album + "/Best Of - Music - 07 - Night Drive.mp3");
    QVERIFY(renamed.open(QIODevice::ReadOnly));
    QCOMPARE(renamed.readAll(), QByteArray("seven"));
    QVERIFY(!QFile::exists(album + "/Some_Band - Best Of - 07 - Night_Drive.MP3"));
    QVERIFY(control<QProgressBar>(form, "PBProgress")->isHidden());
    QVERIFY(prompter.criticals.isEmpty());
}

// Save asks for a file first; cancelled, nothing is written and nothing is said.
void TestMainWindow::saveAsksForAFileFirst() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    control<QPushButton>(form, "BSave")->click();
    QCOMPARE(prompter.saveCalls, 1);
    QCOMPARE(prompter.saveFileNameShown, QString("renamelog.txt"));
    QCOMPARE(prompter.saveFilterIndex, 1);
    QCOMPARE(prompter.saveFilters.size(), 3);
    QVERIFY(prompter.criticals.isEmpty());
    // Confirmed, the empty list is saved: its header line alone.
    QTemporaryDir dir;
    prompter.saveAnswer = dir.path() + "/renamelog.txt";
    control<QPushButton>(form, "BSave")->click();
    QVERIFY(prompter.criticals.isEmpty());
    QFile saved(prompter.saveAnswer);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(),
             QByteArray("Existing Filename\tNew Filename\tStatus\tFolder\tOutcome\n"));
}

void TestMainWindow::settingsSavedAtCloseAndRestored() {
    RecordingPrompter prompter;
    QRect normal;
    {
        TForm1 form(&prompter);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        control<QCheckBox>(form, "CBRecursive")->setChecked(false);
        control<QCheckBox>(form, "CBExtensionLowercase")->setChecked(false);
        control<QPlainTextEdit>(form, "MIncludeExts")->setPlainText(".mp3\n.ogg");
        control<QListWidget>(form, "LBIn3")->setCurrentRow(6);
        control<QListWidget>(form, "LBOut1")->setCurrentRow(3);
        control<QLineEdit>(form, "EInDivider1")->setText(" _ ");
        control<QLineEdit>(form, "EOutDivider4")->setText("");
        // The window at its smallest, which is also the largest it can be
        // on a screen smaller than that.
        const QSize size = form.minimumSizeHint();
        form.setGeometry(40, 50, size.width(), size.height());
        QTRY_COMPARE(form.normalGeometry().size(), size);
        normal = form.normalGeometry();
        form.close();
    }
    TForm1 form(&prompter);
    QVERIFY(!control<QCheckBox>(form, "CBRecursive")->isChecked());
    QVERIFY(!control<QCheckBox>(form, "CBExtensionLowercase")->isChecked());
    QVERIFY(control<QCheckBox>(form, "CBIncludeExts")->isChecked());
    QCOMPARE(control<QPlainTextEdit>(form, "MIncludeExts")->toPlainText(), QString(".mp3\n.ogg"));
    QCOMPARE(control<QListWidget>(form, "LBIn3")->currentRow(), 6);
    QCOMPARE(control<QListWidget>(form, "LBOut1")->currentRow(), 3);
    QCOMPARE(control<QLineEdit>(form, "EInDivider1")->text(), QString(" _ "));
    QCOMPARE(control<QLineEdit>(form, "EOutDivider4")->text(), QString());
    QCOMPARE(control<QLineEdit>(form, "EInputFile")->text(),
             QString("Artist _ Album - Trackname.mp3"));
    QCOMPARE(form.normalGeometry().size(), normal.size());
    QCOMPARE(form.normalGeometry().topLeft(), normal.topLeft());
    QVERIFY(prompter.criticals.isEmpty());
}

void TestMainWindow::optionBoxesInViewAtTheDefaultSize() {
    QTemporaryDir dir;
    makeFile(dir.path(), "Band/Album/Some_Band - Best Of - 01 - Night_Drive.MP3");
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.resize(851, 462);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), QSize(851, 462));
    form.LBInputFileDrop(&form, {dir.path() + "/Band/Album"});
    QTRY_COMPARE(form.FileCount(), 1);
    control<QTabWidget>(form, "PageControl1")->setCurrentIndex(1);
    // Both options decide every proposal: they are in full view, and what
    // they show is what the next run does.
    for (const char* name : {"CBRemoveUnderscores", "CBExtensionLowercase"}) {
        auto* box = control<QCheckBox>(form, name);
        QCOMPARE(box->visibleRegion(), QRegion(box->rect()));
        const QRect inWindow(box->mapTo(&form, QPoint(0, 0)), box->size());
        QVERIFY(form.rect().contains(inWindow));
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!box->isChecked());
    }
    QTest::mouseClick(control<QPushButton>(form, "BProcessAll"), Qt::LeftButton);
    QCOMPARE(form.results().row(1).newName, QString("Album - Band - 01 - Night_Drive.MP3"));
}

void TestMainWindow::pageGuardWheelAndRightToLeft() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.setLayoutDirection(Qt::RightToLeft);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* pages = control<QTabWidget>(form, "PageControl1");
    QTabBar* bar = pages->tabBar();
    // Right to left, Left is the key that goes to the next page.
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(prompter.informations.size(), 1);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(prompter.informations.size(), 1);
    // The wheel turns no page and shows nothing.
    QWheelEvent wheel(QPointF(bar->tabRect(0).center()),
                      QPointF(bar->mapToGlobal(bar->tabRect(0).center())), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &wheel);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(prompter.informations.size(), 1);
}

void TestMainWindow::extensionMemoLines_data() {
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("memoAfter");
    QTest::newRow("upper case line") << ".MP3" << QStringList{"a.mp3", "B.Mp3"} << ".mp3";
    QTest::newRow("line break after the last line") << ".mp3\n"
                                                    << QStringList{"a.mp3", "B.Mp3"} << ".mp3";
    QTest::newRow("an empty line takes names without extension")
        << ".ogg\n\n.txt" << QStringList{"c.ogg", "notes.txt", "README"} << ".ogg\n\n.txt";
    QTest::newRow("no dot takes nothing") << "mp3" << QStringList{} << "mp3";
}

void TestMainWindow::extensionMemoLines() {
    QFETCH(QString, memo);
    QFETCH(QStringList, listed);
    QFETCH(QString, memoAfter);
    QTemporaryDir dir;
    for (const char* name : {"a.mp3", "B.Mp3", "c.ogg", "notes.txt", "README"})
        makeFile(dir.path(), name);
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    control<QPlainTextEdit>(form, "MIncludeExts")->setPlainText(memo);
    QVERIFY(AddInputFolder(control<QListWidget>(form, "LBInput"), dir.path()));
    form.BRefreshClick();
    QStringList files;
    for (const ResultRow& row : form.results().rows()) {
        if (row.isFileRow())
            files.append(row.existing);
    }
    QCOMPARE(files, listed);
    QCOMPARE(control<QPlainTextEdit>(form, "MIncludeExts")->toPlainText(), memoAfter);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
