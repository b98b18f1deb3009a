#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "engine/NameComputation.h"
#include "engine/ResultModel.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

// Rows of the fixture: 0 [folder], 1 aaaa.mp3, 2 banana.mp3, 3 Song.MP3,
// 4 x.mp3, 5 [Sub], 6 z.mp3.
class TestResultsCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void selectionDisplay();
    void manualRename_data();
    void manualRename();
    void applyingTheSameNameChangesNothing();
    void focusMoveRefillsTheEdit();
    void movementKeys_data();
    void movementKeys();
    void cancelRename();
    void searchReplace_data();
    void searchReplace();
    void searchReplaceDialogs();
    void searchReplaceOnEmptyList();
    void contextMenuEnabling();
    void ctrlRStartsSearchReplace();
    void fullRescanEndsManualRename();
    void otherCommandsRefillTheEdit();
    void pageKeysOverManyRows_data();
    void pageKeysOverManyRows();

private:
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {});
    QLineEdit* edit() const { return control<QLineEdit>(*m_form, "EManualRename"); }
    const ResultRow& row(int i) const { return m_form->results().row(i); }

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
    QTreeView* m_list = nullptr;
};

void TestResultsCommands::init() {
    // The folder of the test before goes first: it puts back what it found.
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_tempDir = std::make_unique<QTemporaryDir>();
    for (const char* name : {"aaaa.mp3", "banana.mp3", "Song.MP3", "x.mp3", "Sub/z.mp3"})
        makeFile(m_tempDir->path(), name);
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->resize(900, 600);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_tempDir->path()));
    m_form->BRefreshClick();
    QCOMPARE(m_form->results().size(), 7);
    QCOMPARE(row(3).existing, QString("Song.MP3"));
    QVERIFY(row(5).isFolderRow());
    m_list = control<QTreeView>(*m_form, "LVResults");
}

void TestResultsCommands::cleanup() {
    m_form.reset();
}

void TestResultsCommands::clickRow(int i, Qt::KeyboardModifiers modifiers) {
    // A row below the list's visible part is scrolled to first, as a user would.
    const QModelIndex index = m_form->results().index(i, 0);
    m_list->scrollTo(index, QAbstractItemView::EnsureVisible);
    const QRect rect = m_list->visualRect(index);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void TestResultsCommands::selectionDisplay() {
    auto* go = control<QPushButton>(*m_form, "BManualRename");
    auto* cancel = control<QPushButton>(*m_form, "BCancelRename");
    clickRow(3);
    QCOMPARE(edit()->text(), QString("Song"));
    QVERIFY(edit()->isEnabled());
    QVERIFY(go->isEnabled());
    QVERIFY(cancel->isEnabled());
    // A single folder row: the edit empties and goes off, Cancel Rename stays on.
    clickRow(5);
    QVERIFY(edit()->text().isEmpty());
    QVERIFY(!edit()->isEnabled());
    QVERIFY(!go->isEnabled());
    QVERIFY(cancel->isEnabled());
    QCOMPARE(m_form->manualRenameRow(), -1);
    // Two file rows: the same.
    clickRow(1);
    clickRow(2, Qt::ControlModifier);
    QVERIFY(edit()->text().isEmpty());
    QVERIFY(!edit()->isEnabled());
    QVERIFY(cancel->isEnabled());
    // Back to one of them: its name comes back.
    clickRow(2, Qt::ControlModifier);
    QCOMPARE(m_form->manualRenameRow(), 1);
    QVERIFY(edit()->isEnabled());
    QVERIFY(!edit()->text().isEmpty());
    // A range of two made with Shift: none.
    clickRow(2, Qt::ShiftModifier);
    QCOMPARE(m_form->manualRenameRow(), -1);
    QVERIFY(!edit()->isEnabled());
    m_list->clearSelection();
    QVERIFY(!cancel->isEnabled());
}

void TestResultsCommands::manualRename_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("lowercase");
    QTest::addColumn<QString>("typed");  // "<keep>" leaves the edit as filled
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("status");
    QTest::newRow("Song.MP3, Enter, lower case on") << 3 << true << "<keep>"
                                                    << "Song.mp3"
                                                    << "manual rename (pending)";
    QTest::newRow("Song.MP3, Enter, lower case off") << 3 << false << "<keep>"
                                                     << ""
                                                     << "manual rename (cancelled)";
    QTest::newRow("other extension gets the row's") << 4 << true << "a.txt"
                                                    << "a.txt.mp3"
                                                    << "manual rename (pending)";
    QTest::newRow("typed extension in any case kept") << 4 << false << "a.MP3"
                                                      << "a.MP3"
                                                      << "manual rename (pending)";
    QTest::newRow("empty edit") << 4 << true << ""
                                << ""
                                << "manual rename (cancelled)";
    QTest::newRow("only the extension") << 4 << true << ".mp3"
                                        << ""
                                        << "manual rename (cancelled)";
}

void TestResultsCommands::manualRename() {
    QFETCH(int, row);
    QFETCH(bool, lowercase);
    QFETCH(QString, typed);
    QFETCH(QString, newName);
    QFETCH(QString, status);
    control<QCheckBox>(*m_form, "CBExtensionLowercase")->setChecked(lowercase);
    clickRow(row);
    if (typed != "<keep>") {
        edit()->clear();
        QTest::keyClicks(edit(), typed);
    }
    QTest::keyClick(edit(), Qt::Key_Return);
    QCOMPARE(this->row(row).newName, newName);
    QCOMPARE(this->row(row).status, status);
    // Enter moves on to the next file row.
    QCOMPARE(m_form->manualRenameRow(), row == 4 ? 6 : row + 1);
    QVERIFY(edit()->hasFocus());
}

void TestResultsCommands::applyingTheSameNameChangesNothing() {
    // A proposal made by Search & Replace keeps its status when Enter applies it unchanged.
    m_prompter.inputAnswers = {QString("x.mp3"), QString("y.mp3")};
    control<QPushButton>(*m_form, "BSearchReplace")->click();
    QCOMPARE(row(4).status, QString("replaced (rename pending)"));
    clickRow(4);
    QCOMPARE(edit()->text(), QString("y"));
    QTest::keyClick(edit(), Qt::Key_Return);
    QCOMPARE(row(4).newName, QString("y.mp3"));
    QCOMPARE(row(4).status, QString("replaced (rename pending)"));
    // A new name is applied once; the same name again changes nothing.
    clickRow(4);
    edit()->setText("w");
    control<QPushButton>(*m_form, "BManualRename")->click();
    QCOMPARE(row(4).status, QString("manual rename (pending)"));
    m_form->results().setStatus(4, "marker", RowOutcome::None);
    control<QPushButton>(*m_form, "BManualRename")->click();
    QCOMPARE(row(4).newName, QString("w.mp3"));
    QCOMPARE(row(4).status, QString("marker"));
}

void TestResultsCommands::focusMoveRefillsTheEdit() {
    clickRow(2);
    edit()->setText("typed but not applied");
    m_list->selectionModel()->setCurrentIndex(m_form->results().index(4, 0),
                                              QItemSelectionModel::NoUpdate);
    QCOMPARE(edit()->text(), QString("banana"));
    QCOMPARE(m_form->manualRenameRow(), 2);
}

void TestResultsCommands::movementKeys_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("target");
    QTest::newRow("down passes over a folder row") << 4 << int(Qt::Key_Down) << 6;
    QTest::newRow("up passes over a folder row") << 6 << int(Qt::Key_Up) << 4;
    QTest::newRow("down on the last file row") << 6 << int(Qt::Key_Down) << 6;
    QTest::newRow("up on the first file row") << 1 << int(Qt::Key_Up) << 1;
    QTest::newRow("page down near the end") << 3 << int(Qt::Key_PageDown) << 6;
    QTest::newRow("page up past the top") << 4 << int(Qt::Key_PageUp) << 1;
    QTest::newRow("enter on the last file row") << 6 << int(Qt::Key_Return) << 6;
}

void TestResultsCommands::movementKeys() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, target);
    clickRow(start);
    QTest::keyClick(edit(), Qt::Key(key));
    QCOMPARE(m_form->manualRenameRow(), target);
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.constFirst().row(), target);
    // A move brings the keyboard focus back to the edit.
    QVERIFY(target == start || edit()->hasFocus());
    QCOMPARE(edit()->text(),
             NameWithoutExtension(row(target).hasProposal() ? row(target).newName
                                                            : row(target).existing));
}

void TestResultsCommands::cancelRename() {
    m_prompter.inputAnswers = {QString("a"), QString("o")};
    control<QPushButton>(*m_form, "BSearchReplace")->click();
    QVERIFY(row(1).hasProposal());
    QVERIFY(row(2).hasProposal());
    clickRow(3);
    edit()->setText("Other");
    control<QPushButton>(*m_form, "BManualRename")->click();
    QCOMPARE(row(3).status, QString("manual rename (pending)"));
    clickRow(0);
    clickRow(2, Qt::ShiftModifier);
    clickRow(4, Qt::ControlModifier);
    control<QPushButton>(*m_form, "BCancelRename")->click();
    for (int i : {1, 2}) {
        QCOMPARE(row(i).status, QString("rename cancelled"));
        QVERIFY(!row(i).hasProposal());
    }
    // A selected row without a proposal and an unselected row stay as they were.
    QVERIFY(row(0).status.isEmpty());
    QVERIFY(row(4).status.isEmpty());
    QCOMPARE(row(3).status, QString("manual rename (pending)"));
    QCOMPARE(row(3).newName, QString("Other.mp3"));
}

void TestResultsCommands::searchReplace_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("message");
    QTest::newRow("banana a/b") << "a"
                                << "b" << 2 << "bbnbnb.mp3"
                                << "Replaced the search string in 2 files.";
    QTest::newRow("case-sensitive") << "A"
                                    << "b" << 2 << ""
                                    << "Search string not found in any file";
    QTest::newRow("no overlap") << "aa"
                                << "a" << 1 << "aa.mp3"
                                << "Replaced the search string in 1 files.";
    QTest::newRow("by itself still counted") << "z"
                                             << "z" << 6 << "z.mp3"
                                             << "Replaced the search string in 1 files.";
    QTest::newRow("folder rows never change") << "Sub"
                                              << "Dub" << 5 << ""
                                              << "Search string not found in any file";
    QTest::newRow("nothing left is no proposal") << "x.mp3"
                                                 << "" << 4 << ""
                                                 << "Search string not found in any file";
    QTest::newRow("extension searched too") << ".MP3"
                                            << ".ogg" << 3 << "Song.ogg"
                                            << "Replaced the search string in 1 files.";
}

void TestResultsCommands::searchReplace() {
    QFETCH(QString, search);
    QFETCH(QString, replace);
    QFETCH(int, row);
    QFETCH(QString, newName);
    QFETCH(QString, message);
    m_prompter.inputAnswers = {search, replace};
    control<QPushButton>(*m_form, "BSearchReplace")->click();
    QCOMPARE(m_prompter.informations, QStringList{message});
    QCOMPARE(this->row(row).newName, newName);
    QCOMPARE(this->row(row).status,
             newName.isEmpty() ? QString() : QString("replaced (rename pending)"));
    QVERIFY(this->row(0).newName.isEmpty());
    QVERIFY(control<QWidget>(*m_form, "PBProgress")->isHidden());
}

void TestResultsCommands::searchReplaceDialogs() {
    auto* button = control<QPushButton>(*m_form, "BSearchReplace");
    // Cancel in the first dialog: nothing remembered, nothing changed.
    m_prompter.inputAnswers = {std::nullopt};
    button->click();
    QCOMPARE(m_prompter.inputs.size(), 1);
    QCOMPARE(m_prompter.inputs[0].caption, QString("Search String"));
    QCOMPARE(m_prompter.inputs[0].prompt, QString("Please enter the search string:"));
    QCOMPARE(m_prompter.inputs[0].maxLength, 255);
    // Cancel in the second: the search text is kept for next time.
    m_prompter.inputAnswers = {QString("ban"), std::nullopt};
    button->click();
    QCOMPARE(m_prompter.inputs[2].caption, QString("Replace String"));
    QCOMPARE(m_prompter.inputs[2].prompt, QString("Please enter the replace string:"));
    QCOMPARE(m_prompter.inputs[2].maxLength, 255);
    QVERIFY(row(2).newName.isEmpty());
    // Both dialogs open with the texts last confirmed; 255 characters at most.
    m_prompter.inputAnswers = {QString("ban"), QString(300, QChar('q'))};
    button->click();
    QCOMPARE(m_prompter.inputs[3].initial, QString("ban"));
    QCOMPARE(row(2).newName, QString(255, QChar('q')) + "ana.mp3");
    m_prompter.inputAnswers = {std::nullopt};
    button->click();
    m_prompter.inputAnswers = {QString("zzz"), std::nullopt};
    button->click();
    QCOMPARE(m_prompter.inputs.last().initial, QString(255, QChar('q')));
    // An empty search text ends without a message.
    const int messages = m_prompter.informations.size();
    m_prompter.inputAnswers = {QString()};
    button->click();
    QCOMPARE(m_prompter.informations.size(), messages);
}

void TestResultsCommands::searchReplaceOnEmptyList() {
    control<QListWidget>(*m_form, "LBInput")->item(0)->setSelected(true);
    m_form->BDeleteClick();
    QCOMPARE(m_form->results().size(), 0);
    m_prompter.inputAnswers = {QString("a"), QString("b")};
    control<QPushButton>(*m_form, "BSearchReplace")->click();
    QCOMPARE(m_prompter.informations, QStringList{"Search string not found in any file"});
}

void TestResultsCommands::contextMenuEnabling() {
    auto enabled = [this] {
        m_form->PopupMenu1Popup();
        QString flags;
        for (const char* name : {"Process1", "Execute1", "Cancel1", "Replace1"})
            flags += m_form->findChild<QAction*>(name)->isEnabled() ? '1' : '0';
        return flags;
    };
    QCOMPARE(enabled(), QString("0001"));
    clickRow(2);
    QCOMPARE(enabled(), QString("1001"));
    edit()->setText("other");
    control<QPushButton>(*m_form, "BManualRename")->click();
    QCOMPARE(enabled(), QString("1111"));
    clickRow(1);
    clickRow(3, Qt::ShiftModifier);
    QCOMPARE(enabled(), QString("1111"));
    clickRow(3);
    QCOMPARE(enabled(), QString("1001"));
    // The menu items run the commands of the buttons.
    m_form->findChild<QAction*>("Process1")->trigger();
    QCOMPARE(row(3).status, QString("not input format: Artist does not exist"));
    clickRow(2);
    QCOMPARE(enabled(), QString("1111"));
    m_form->findChild<QAction*>("Cancel1")->trigger();
    QCOMPARE(row(2).status, QString("rename cancelled"));
}

void TestResultsCommands::ctrlRStartsSearchReplace() {
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(m_prompter.inputs.size(), 1);
    QCOMPARE(m_prompter.inputs[0].caption, QString("Search String"));
}

void TestResultsCommands::fullRescanEndsManualRename() {
    clickRow(4);
    QCOMPARE(m_form->manualRenameRow(), 4);
    control<QPushButton>(*m_form, "BRefresh")->click();
    QCOMPARE(m_form->manualRenameRow(), -1);
    QVERIFY(!edit()->isEnabled());
    QVERIFY(edit()->text().isEmpty());
    QVERIFY(!control<QPushButton>(*m_form, "BCancelRename")->isEnabled());
    control<QPushButton>(*m_form, "BManualRename")->click();
    QTest::keyClick(edit(), Qt::Key_Down);
    QCOMPARE(m_form->manualRenameRow(), -1);
}

void TestResultsCommands::otherCommandsRefillTheEdit() {
    clickRow(4);
    edit()->setText("new");
    control<QPushButton>(*m_form, "BManualRename")->click();
    QCOMPARE(row(4).newName, QString("new.mp3"));
    control<QPushButton>(*m_form, "BCancelRename")->click();
    QCOMPARE(row(4).status, QString("rename cancelled"));
    // The edit follows: Enter now proposes nothing cancelled a moment ago.
    QCOMPARE(edit()->text(), QString("x"));
    m_prompter.inputAnswers = {QString("x"), QString("y")};
    control<QPushButton>(*m_form, "BSearchReplace")->click();
    QCOMPARE(edit()->text(), QString("y"));
    control<QPushButton>(*m_form, "BProcessSelected")->click();
    QCOMPARE(row(4).newName, QString());
    QCOMPARE(edit()->text(), QString("x"));
}

// Rows: 0 [root], 1-8 f1..f8, 9 [S], 10-21 s01..s12.
void TestResultsCommands::pageKeysOverManyRows_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("target");
    QTest::newRow("page down ten rows") << 1 << int(Qt::Key_PageDown) << 11;
    QTest::newRow("page up onto a folder row goes on upwards") << 19 << int(Qt::Key_PageUp) << 8;
    QTest::newRow("page up past the top turns once") << 10 << int(Qt::Key_PageUp) << 1;
    QTest::newRow("page down past the end") << 15 << int(Qt::Key_PageDown) << 21;
}

void TestResultsCommands::pageKeysOverManyRows() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, target);
    QTemporaryDir dir;
    for (int i = 1; i <= 8; ++i)
        makeFile(dir.path(), QString("f%1.mp3").arg(i));
    for (int i = 1; i <= 12; ++i)
        makeFile(dir.path(), QString("S/s%1.mp3").arg(i, 2, 10, QChar('0')));
    QListWidget* folders = control<QListWidget>(*m_form, "LBInput");
    folders->clear();
    QVERIFY(AddInputFolder(folders, dir.path()));
    m_form->BRefreshClick();
    QCOMPARE(m_form->results().size(), 22);
    QVERIFY(row(9).isFolderRow());
    clickRow(start);
    QTest::keyClick(edit(), Qt::Key(key));
    QCOMPARE(m_form->manualRenameRow(), target);
    QCOMPARE(m_list->selectionModel()->selectedRows().size(), 1);
}

QTEST_MAIN(TestResultsCommands)
#include "tst_resultscommands.moc"
