#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "support/TempTree.h"
#include "tests/cli/CliRunner.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

// "Undo Execute" in the window: its button, the list's "&Undo" and Ctrl+Z
// give the files of the last execute run their old names back.
//
// Rows of the fixture, with the default schemes: 0 [Album], 1 to 4 the files
// "Band - Album - 0k - Name.mp3", each proposed as "Album - Music - 0k - Name.mp3".

namespace {

const QString kUndone = "rename undone";
const QString kTaken = "error: undo failed: the original name is taken";

}  // namespace

class TestUndoExecute : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void undoAfterExecuteAll();
    void undoAfterExecuteSelected();
    void anotherExecuteRunReplacesTheUndo();
    void laterEditsDoNotChangeWhatIsUndone();
    void rowThatCannotBeUndoneStaysUndoable();
    void fullRescanForgetsTheUndo();
    void ctrlZAndTheContextMenu();

private:
    QPushButton* button(const char* name) const { return control<QPushButton>(*m_form, name); }
    const ResultRow& row(int i) const { return m_form->results().row(i); }
    void select(const QList<int>& rows);
    QList<QByteArray> disk() const { return cli::Snapshot(*m_tree); }

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<TempTree> m_tree;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
    QList<QByteArray> m_before;
};

void TestUndoExecute::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_tree = std::make_unique<TempTree>();
    for (const char* name : {"01 - One.mp3", "02 - Two.mp3", "03 - Three.MP3", "04 - Four.mp3"})
        makeFile(m_tree->filePath("Music/Album"), QString("Band - Album - ") + name, name);
    m_before = disk();
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->resize(900, 600);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(
        AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_tree->filePath("Music/Album")));
    m_form->BRefreshClick();
    QCOMPARE(m_form->results().size(), 5);
    button("BProcessAll")->click();
    QCOMPARE(row(3).newName, QString("Album - Music - 03 - Three.mp3"));
}

void TestUndoExecute::cleanup() {
    QVERIFY(m_prompter.criticals.isEmpty());
    m_form.reset();
}

void TestUndoExecute::select(const QList<int>& rows) {
    auto* list = control<QTreeView>(*m_form, "LVResults");
    list->clearSelection();
    for (int i : rows)
        list->selectionModel()->select(m_form->results().index(i, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TestUndoExecute::undoAfterExecuteAll() {
    QVERIFY(!button("BUndo")->isEnabled());
    QCOMPARE(button("BUndo")->text(), QString("Undo Execute"));
    button("BExecuteAll")->click();
    QCOMPARE(row(1).status, QString("renamed"));
    QVERIFY(disk() != m_before);
    QVERIFY(button("BUndo")->isEnabled());

    button("BUndo")->click();
    QCOMPARE(disk(), m_before);
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(row(i).status, kUndone);
    QVERIFY(row(0).status.isEmpty());
    QVERIFY(!button("BUndo")->isEnabled());

    // The proposals stayed: executing again redoes the renames, and they are undoable again.
    QCOMPARE(row(3).newName, QString("Album - Music - 03 - Three.mp3"));
    button("BExecuteAll")->click();
    QCOMPARE(row(3).status, QString("renamed"));
    QVERIFY(m_tree->exists("Music/Album/Album - Music - 03 - Three.mp3"));
    QVERIFY(button("BUndo")->isEnabled());
}

void TestUndoExecute::undoAfterExecuteSelected() {
    select({1, 3});
    button("BExecuteSelected")->click();
    QCOMPARE(row(1).status, QString("renamed"));
    QCOMPARE(row(2).status, QString("rename pending"));
    QCOMPARE(m_form->undoSet().size(), 2);
    button("BUndo")->click();
    QCOMPARE(disk(), m_before);
    QCOMPARE(row(1).status, kUndone);
    QCOMPARE(row(2).status, QString("rename pending"));
    QCOMPARE(row(3).status, kUndone);
    QCOMPARE(row(4).status, QString("rename pending"));
}

void TestUndoExecute::anotherExecuteRunReplacesTheUndo() {
    select({1});
    button("BExecuteSelected")->click();
    select({2});
    button("BExecuteSelected")->click();
    button("BUndo")->click();
    QCOMPARE(row(1).status, QString("renamed"));
    QCOMPARE(row(2).status, kUndone);
    QVERIFY(m_tree->exists("Music/Album/Album - Music - 01 - One.mp3"));
    QVERIFY(m_tree->exists("Music/Album/Band - Album - 02 - Two.mp3"));
    QVERIFY(!button("BUndo")->isEnabled());
    // An execute run that renames nothing leaves nothing to undo.
    button("BExecuteSelected")->click();
    QCOMPARE(row(2).status, QString("renamed"));
    select({});
    button("BExecuteSelected")->click();
    QVERIFY(!button("BUndo")->isEnabled());
}

// The undo puts back what the run did, whatever the proposals say afterwards.
void TestUndoExecute::laterEditsDoNotChangeWhatIsUndone() {
    button("BExecuteAll")->click();
    select({2});
    auto* edit = control<QLineEdit>(*m_form, "EManualRename");
    edit->setText("Something else");
    button("BManualRename")->click();
    QCOMPARE(row(2).newName, QString("Something else.mp3"));
    button("BProcessAll")->click();
    button("BUndo")->click();
    QCOMPARE(disk(), m_before);
}

void TestUndoExecute::rowThatCannotBeUndoneStaysUndoable() {
    button("BExecuteAll")->click();
    makeFile(m_tree->filePath("Music/Album"), "Band - Album - 02 - Two.mp3", "someone else's");
    button("BUndo")->click();
    QCOMPARE(row(1).status, kUndone);
    QCOMPARE(row(2).status, kTaken);
    QCOMPARE(row(3).status, kUndone);
    QVERIFY(button("BUndo")->isEnabled());
    QVERIFY(m_tree->exists("Music/Album/Album - Music - 02 - Two.mp3"));

    QVERIFY(QFile::remove(m_tree->filePath("Music/Album/Band - Album - 02 - Two.mp3")));
    button("BUndo")->click();
    QCOMPARE(row(2).status, kUndone);
    QCOMPARE(disk(), m_before);
    QVERIFY(!button("BUndo")->isEnabled());
}

void TestUndoExecute::fullRescanForgetsTheUndo() {
    button("BExecuteAll")->click();
    const QList<QByteArray> renamed = disk();
    button("BRefresh")->click();
    QVERIFY(!button("BUndo")->isEnabled());
    QVERIFY(m_form->undoSet().isEmpty());
    auto* list = control<QTreeView>(*m_form, "LVResults");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(disk(), renamed);
}

void TestUndoExecute::ctrlZAndTheContextMenu() {
    auto* undo = m_form->findChild<QAction*>("Undo1");
    QVERIFY(undo);
    QCOMPARE(undo->text(), QString("&Undo"));
    QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_form->PopupMenu1Popup();
    QVERIFY(!undo->isEnabled());
    button("BExecuteAll")->click();
    m_form->PopupMenu1Popup();
    QVERIFY(undo->isEnabled());

    // Ctrl+Z in another control is that control's own: nothing is renamed back.
    select({1});
    auto* edit = control<QLineEdit>(*m_form, "EManualRename");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(row(1).status, QString("renamed"));

    auto* list = control<QTreeView>(*m_form, "LVResults");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(disk(), m_before);
    QCOMPARE(row(4).status, kUndone);
    m_form->PopupMenu1Popup();
    QVERIFY(!undo->isEnabled());
}

QTEST_MAIN(TestUndoExecute)
#include "tst_undoexecute.moc"
