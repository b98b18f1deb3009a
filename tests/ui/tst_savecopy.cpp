#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QXmlStreamReader>

#include "engine/ResultModel.h"
#include "support/TempTree.h"
#include "tests/cli/CliRunner.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

// "Save" and "Clipboard Copy": the results list written where the user
// chose, as a text log that norvane-cli --undo reads or as an escaped HTML
// table, and put on the clipboard in both forms.
//
// Rows of the fixture after "Process All" and "Execute All": 0 [Album], then
// a file already in the new format, one whose name is not valid UTF-8, one
// whose name holds HTML's own characters.

namespace {

const QByteArray kLatin1 = "Band - Album - 01 - Caf\xe9.mp3";
const QByteArray kMarkup = "Band - Album - 02 - <b>&amp; \"q\".mp3";
const QByteArray kDone = "Album - Music - 03 - Done.mp3";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The cell texts of each table row, read as XML: the document must be
// well-formed, and its escapes come undone.
QList<QStringList> HtmlCells(const QByteArray& html) {
    QList<QStringList> rows;
    QXmlStreamReader xml(html);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"tr")
            rows.append(QStringList());
        else if (xml.isStartElement() && (xml.name() == u"td" || xml.name() == u"th"))
            rows.last().append(xml.readElementText());
    }
    if (xml.hasError())
        rows.append({"XML error: " + xml.errorString()});
    return rows;
}

}  // namespace

class TestSaveCopy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void buttonsAreShown();
    void saveDialogAsSpecified();
    void saveAsText_data();
    void saveAsText();
    void savedLogUndoneByTheCommandLine();
    void saveAsHtml_data();
    void saveAsHtml();
    void selectedRowsWhenMoreThanOne();
    void saveThatFailsWritesNothing();
    void clipboardCopyInTwoFormats();

private:
    QPushButton* button(const char* name) const { return control<QPushButton>(*m_form, name); }
    void select(const QList<int>& rows);
    // The table as the list shows it, header first.
    QList<QStringList> shownRows(const QList<int>& rows) const;

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<QTemporaryDir> m_out;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
};

void TestSaveCopy::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_tree = std::make_unique<TempTree>();
    for (const QByteArray& name : {kLatin1, kMarkup, kDone})
        QVERIFY(m_tree->addFileBytes("Music/Album/" + name));
    m_out = std::make_unique<QTemporaryDir>();
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->resize(900, 600);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(
        AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_tree->filePath("Music/Album")));
    m_form->BRefreshClick();
    QCOMPARE(m_form->results().size(), 4);
    button("BProcessAll")->click();
    button("BExecuteAll")->click();
    QCOMPARE(m_form->results().row(1).status, QString("already in output format"));
    QCOMPARE(m_form->results().row(2).status, QString("renamed"));
    QCOMPARE(m_form->results().row(3).status, QString("renamed"));
}

void TestSaveCopy::cleanup() {
    m_form.reset();
}

void TestSaveCopy::select(const QList<int>& rows) {
    auto* list = control<QTreeView>(*m_form, "LVResults");
    list->clearSelection();
    for (int i : rows)
        list->selectionModel()->select(m_form->results().index(i, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QList<QStringList> TestSaveCopy::shownRows(const QList<int>& rows) const {
    QList<QStringList> shown = {{"Existing Filename", "New Filename", "Status", "Folder"}};
    for (int i : rows) {
        const ResultRow& r = m_form->results().row(i);
        shown.append({r.existing, r.newName, r.status, r.folder()});
    }
    return shown;
}

void TestSaveCopy::buttonsAreShown() {
    for (const char* name : {"BSave", "BCopy", "BUndo"}) {
        QWidget* shown = button(name);
        QVERIFY2(!shown->isHidden(), name);
        QVERIFY2(shown->isEnabled() || QByteArray(name) == "BUndo", name);
    }
    QCOMPARE(button("BSave")->text(), QString("Save"));
    QCOMPARE(button("BCopy")->text(), QString("Clipboard Copy"));
}

// The window's own dialog, as a person sees it; cancelled, nothing is written.
void TestSaveCopy::saveDialogAsSpecified() {
    TForm1 form;  // with the window's own dialogs
    QString title;
    QStringList filters;
    QString chosenFilter;
    QString fileName;
    bool confirmsOverwrite = false;
    bool saves = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        chosenFilter = dialog->selectedNameFilter();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        saves = dialog->acceptMode() == QFileDialog::AcceptSave && dialog->isSizeGripEnabled();
        fileName =
            dialog->objectName() + ": " + QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->reject();
    });
    form.BSaveClick();
    QCOMPARE(title, QString("Choose Filename"));
    QCOMPARE(filters, QStringList({"HTML (*.html *.htm)", "Text (*.txt)", "All (*)"}));
    QCOMPARE(chosenFilter, QString("Text (*.txt)"));
    QCOMPARE(fileName, QString("SaveDialog1: renamelog.txt"));
    QVERIFY(confirmsOverwrite);
    QVERIFY(saves);
}

// The extension typed decides; without one of the two, the filter chosen.
void TestSaveCopy::saveAsText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");  // 0 HTML, 1 Text, 2 All
    QTest::newRow("renamelog.txt, Text") << "renamelog.txt" << 1;
    QTest::newRow("no extension, Text") << "renames" << 1;
    QTest::newRow("no extension, All") << "renames" << 2;
    QTest::newRow(".txt typed, HTML chosen") << "renames.TXT" << 0;
}

void TestSaveCopy::saveAsText() {
    QFETCH(QString, name);
    QFETCH(int, filter);
    m_prompter.saveAnswer = m_out->filePath(name);
    m_prompter.saveFilterAnswer = filter;
    button("BSave")->click();
    QVERIFY(m_prompter.criticals.isEmpty());
    QCOMPARE(m_prompter.saveTitle, QString("Choose Filename"));
    QCOMPARE(m_prompter.saveFileNameShown, QString("renamelog.txt"));
    QCOMPARE(m_prompter.saveFilterIndex, 1);
    const QString folder = m_tree->filePath("Music/Album");
    const QByteArray expected =
        "Existing Filename\tNew Filename\tStatus\tFolder\tOutcome\n"
        "[" +
        folder.toUtf8() + "]\t\t\t\tnone\n" + kDone + "\t\talready in output format\t" +
        folder.toUtf8() + "\talready_in_format\n" + kLatin1 +
        "\tAlbum - Music - 01 - Caf\xc3\xa9.mp3\trenamed\t" + folder.toUtf8() + "\trenamed\n" +
        kMarkup + "\tAlbum - Music - 02 - <b>&amp; \"q\".mp3\trenamed\t" + folder.toUtf8() +
        "\trenamed\n";
    QCOMPARE(ReadAll(m_out->filePath(name)), expected);
}

// The saved text log is the one norvane-cli --undo reads: the tree comes
// back, the name that is not valid UTF-8 byte for byte.
void TestSaveCopy::savedLogUndoneByTheCommandLine() {
    m_prompter.saveAnswer = m_out->filePath("renamelog.txt");
    button("BSave")->click();
    QVERIFY(m_tree->exists("Music/Album/Album - Music - 01 - Caf\xc3\xa9.mp3"));
    cli::Runner runner;
    QVERIFY(runner.isValid());
    const cli::Outcome undo = runner.run({"--undo", m_prompter.saveAnswer, "-x"});
    QCOMPARE(undo.exitCode, 0);
    QCOMPARE(undo.err, QByteArray());
    QList<QByteArray> names = m_tree->entryNames("Music/Album");
    QCOMPARE(names, (QList<QByteArray>{kDone, kLatin1, kMarkup}));
}

void TestSaveCopy::saveAsHtml_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::newRow(".html typed, Text chosen") << "renames.html" << 1;
    QTest::newRow("no extension, HTML") << "renames" << 0;
    QTest::newRow(".htm typed, All") << "renames.htm" << 2;
}

void TestSaveCopy::saveAsHtml() {
    QFETCH(QString, name);
    QFETCH(int, filter);
    m_prompter.saveAnswer = m_out->filePath(name);
    m_prompter.saveFilterAnswer = filter;
    button("BSave")->click();
    QVERIFY(m_prompter.criticals.isEmpty());
    const QByteArray html = ReadAll(m_out->filePath(name));
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    QVERIFY(html.contains("&lt;b&gt;&amp;amp; &quot;q&quot;.mp3"));
    QCOMPARE(HtmlCells(html), shownRows({0, 1, 2, 3}));
}

void TestSaveCopy::selectedRowsWhenMoreThanOne() {
    select({1, 3});
    m_prompter.saveAnswer = m_out->filePath("two.html");
    button("BSave")->click();
    QCOMPARE(HtmlCells(ReadAll(m_prompter.saveAnswer)), shownRows({1, 3}));
    // One row selected: the whole list.
    select({2});
    m_prompter.saveAnswer = m_out->filePath("all.html");
    button("BSave")->click();
    QCOMPARE(HtmlCells(ReadAll(m_prompter.saveAnswer)), shownRows({0, 1, 2, 3}));
}

void TestSaveCopy::saveThatFailsWritesNothing() {
    // Cancelled: nothing happens.
    button("BSave")->click();
    QCOMPARE(m_prompter.saveCalls, 1);
    QVERIFY(m_prompter.criticals.isEmpty());
    QVERIFY(QDir(m_out->path()).isEmpty());

    m_prompter.saveAnswer = m_out->filePath("missing folder/renamelog.txt");
    button("BSave")->click();
    QCOMPARE(m_prompter.criticals.size(), 1);
    QVERIFY2(m_prompter.criticals[0].startsWith("The list cannot be saved to " +
                                                m_prompter.saveAnswer + ": "),
             qPrintable(m_prompter.criticals[0]));
    QVERIFY(QDir(m_out->path()).isEmpty());

    // A file that is there is replaced whole.
    m_prompter.saveAnswer = m_out->filePath("renamelog.txt");
    makeFile(m_out->path(), "renamelog.txt", QByteArray(100000, 'x'));
    button("BSave")->click();
    QVERIFY(ReadAll(m_prompter.saveAnswer).startsWith("Existing Filename\t"));
    QVERIFY(!ReadAll(m_prompter.saveAnswer).contains("xxx"));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files), QStringList{"renamelog.txt"});
}

void TestSaveCopy::clipboardCopyInTwoFormats() {
    QGuiApplication::clipboard()->clear();
    button("BCopy")->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasText());
    QVERIFY(data->hasHtml());
    const QStringList lines = data->text().split('\n');
    QCOMPARE(lines.size(), 6);  // a header, four rows, and the end of the last line
    QCOMPARE(lines[0], QString("Existing Filename\tNew Filename\tStatus\tFolder\tOutcome"));
    // The clipboard carries the names as the list shows them.
    QVERIFY(lines[3].startsWith(m_form->results().row(2).existing + "\t"));
    QCOMPARE(HtmlCells(data->html().toUtf8()), shownRows({0, 1, 2, 3}));

    select({2, 3});
    button("BCopy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 3);
    QCOMPARE(HtmlCells(QGuiApplication::clipboard()->mimeData()->html().toUtf8()),
             shownRows({2, 3}));
}

QTEST_MAIN(TestSaveCopy)
#include "tst_savecopy.moc"
