#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include "engine/ResultModel.h"
#include "tests/shared/DragEvents.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

namespace {

// A text control's text, and the widget a drag over it reaches.
QString TextOf(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    return qobject_cast<QPlainTextEdit*>(control)->toPlainText();
}

QWidget* DragTarget(QWidget* control) {
    if (auto* editor = qobject_cast<QPlainTextEdit*>(control))
        return editor->viewport();
    return control;
}

QList<QWidget*> TextControls(const TForm1& form) {
    QList<QWidget*> controls;
    for (QLineEdit* edit : form.findChildren<QLineEdit*>())
        controls << edit;
    for (QPlainTextEdit* editor : form.findChildren<QPlainTextEdit*>())
        controls << editor;
    return controls;
}

// What a file manager offers for a dragged folder: its link, and with some
// file managers the same link as text.
void OfferFolder(DragEvents::RawMimeData& data, const QString& folder, bool asText) {
    const QByteArray link = QUrl::fromLocalFile(folder).toEncoded();
    data.setRaw("text/uri-list", link + "\r\n");
    if (asText)
        data.setRaw("text/plain", link);
}

// The two ways file managers offer a folder, as the rows of a data table.
void AddOffers() {
    QTest::addColumn<bool>("asText");
    QTest::newRow("link only") << false;
    QTest::newRow("link and text") << true;
}

}  // namespace

class TestTextDrops : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { m_form.reset(); }
    void textControlsRefuseFolders_data();
    void textControlsRefuseFolders();
    void refusedFolderLeavesTheSavedExtensionsAlone();
    void plainTextStillDropsIntoADivider();
    void folderListTakesFolders_data();
    void folderListTakesFolders();

private:
    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
};

void TestTextDrops::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_dir = std::make_unique<QTemporaryDir>();
    makeFile(m_dir->path(), "AlbumE/Band - AlbumE - 01 - Song.mp3");
    makeFile(m_dir->path(), "Listed/Band - Listed - 01 - Song.mp3");
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestTextDrops::textControlsRefuseFolders_data() {
    AddOffers();
}

void TestTextDrops::textControlsRefuseFolders() {
    QFETCH(bool, asText);
    // A selected file row opens the manual rename edit to input.
    QVERIFY(AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_dir->path() + "/Listed"));
    m_form->BRefreshClick();
    control<QTreeView>(*m_form, "LVResults")->setCurrentIndex(m_form->results().index(1, 0));
    DragEvents::RawMimeData data;
    OfferFolder(data, m_dir->path() + "/AlbumE", asText);
    DragEvents::Drag drag;
    drag.data = &data;
    const QList<QWidget*> controls = TextControls(*m_form);
    QVERIFY(controls.size() >= 12);
    for (QWidget* text : controls) {
        const QString name = text->objectName();
        const QString before = TextOf(text);
        QVERIFY2(text->isEnabled(), qPrintable(name));
        QVERIFY2(!DragEvents::EnterMoveDrop(DragTarget(text), drag).accepted, qPrintable(name));
        // Nor does a drop that comes without its drag entering first.
        QVERIFY2(!DragEvents::Drop(DragTarget(text), drag).accepted, qPrintable(name));
        QCOMPARE(TextOf(text), before);
    }
    QCOMPARE(control<QListWidget>(*m_form, "LBInput")->count(), 1);
}

void TestTextDrops::refusedFolderLeavesTheSavedExtensionsAlone() {
    DragEvents::RawMimeData data;
    OfferFolder(data, m_dir->path() + "/AlbumE", true);
    DragEvents::Drag drag;
    drag.data = &data;
    auto* extensions = control<QPlainTextEdit>(*m_form, "MIncludeExts");
    extensions->moveCursor(QTextCursor::End);
    QVERIFY(!DragEvents::EnterMoveDrop(extensions->viewport(), drag).accepted);
    m_form->close();
    m_form.reset();
    // The next start scans with the extensions as they were.
    m_form = std::make_unique<TForm1>(&m_prompter);
    QCOMPARE(control<QPlainTextEdit>(*m_form, "MIncludeExts")->toPlainText(), QString(".mp3"));
    QVERIFY(AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_dir->path() + "/AlbumE"));
    m_form->BRefreshClick();
    QCOMPARE(m_form->FileCount(), 1);
}

void TestTextDrops::plainTextStillDropsIntoADivider() {
    auto* divider = control<QLineEdit>(*m_form, "EInDivider2");
    divider->clear();
    DragEvents::RawMimeData data;
    data.setRaw("text/plain", "_");
    DragEvents::Drag drag;
    drag.data = &data;
    QVERIFY(DragEvents::EnterMoveDrop(divider, drag).accepted);
    QCOMPARE(divider->text(), QString("_"));
    QCOMPARE(control<QLineEdit>(*m_form, "EInputFile")->text(),
             QString("Artist - Album_Track# - Trackname.mp3"));
}

void TestTextDrops::folderListTakesFolders_data() {
    AddOffers();
}

void TestTextDrops::folderListTakesFolders() {
    QFETCH(bool, asText);
    DragEvents::RawMimeData data;
    OfferFolder(data, m_dir->path() + "/AlbumE", asText);
    DragEvents::Drag drag;
    drag.data = &data;
    auto* folders = control<QListWidget>(*m_form, "LBInput");
    QVERIFY(DragEvents::EnterMoveDrop(folders->viewport(), drag).accepted);
    QCOMPARE(folders->count(), 1);
    QCOMPARE(folders->item(0)->text(), m_dir->path() + "/AlbumE");
    QTRY_COMPARE(m_form->FileCount(), 1);
}

QTEST_MAIN(TestTextDrops)
#include "tst_textdrops.moc"
