#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "shared/PathDialog/TPathDialog.h"
#include "tests/shared/DragEvents.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

class TestInputFolders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { m_form.reset(); }
    void normalisedPaths_data();
    void normalisedPaths();
    void duplicatesRefusedInAnyCase();
    void dropAddsFoldersOnce_data();
    void dropAddsFoldersOnce();
    void dropOfNothingAddablePostsNothing();
    void newEntryAtTheTopAppendsOnlyItsRows();
    void scatteredDropScansEachOnce();
    void overlappingFoldersListedTwice();
    void deleteWithAndWithoutSelection();
    void commandsDuringAScanAreRefused();
    void closeDuringAScanWaitsForItsEnd();
    void addButtonScansTheChosenFolder();
    void addStartsAtHomeThenAtTheFolderChosenLast();
    void dropOntoTheFolderList();
    void secondDropBeforeTheFirstScan();
    void manualRenameDuringAScan();

private:
    QListWidget* folders() const { return control<QListWidget>(*m_form, "LBInput"); }
    QStringList captions() const;

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
};

void TestInputFolders::init() {
    // The folder of the test before goes first: it puts back what it found.
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_tempDir = std::make_unique<QTemporaryDir>();
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->show();
}

QStringList TestInputFolders::captions() const {
    QStringList result;
    for (const ResultRow& row : m_form->results().rows())
        result.append(row.isFolderRow() ? row.existing.toString()
                                        : row.folder().section('/', -1) + "/" + row.existing);
    return result;
}

void TestInputFolders::normalisedPaths_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("listed");
    QTest::newRow("root stays root") << "/"
                                     << "/";
    QTest::newRow("one trailing separator") << "<dir>/Music/"
                                            << "<dir>/Music";
    QTest::newRow("a file gives its folder") << "<dir>/Music/a.mp3"
                                             << "<dir>/Music";
    QTest::newRow("plain folder") << "<dir>/Music"
                                  << "<dir>/Music";
}

void TestInputFolders::normalisedPaths() {
    QFETCH(QString, given);
    QFETCH(QString, listed);
    makeFile(m_tempDir->path(), "Music/a.mp3");
    given.replace("<dir>", m_tempDir->path());
    listed.replace("<dir>", m_tempDir->path());
    QCOMPARE(NormalizeInputPath(given), listed);
    QVERIFY(AddInputFolder(folders(), given));
    QCOMPARE(folders()->item(0)->text(), listed);
}

void TestInputFolders::duplicatesRefusedInAnyCase() {
    makeFile(m_tempDir->path(), "Music/a.mp3");
    makeFile(m_tempDir->path(), "MUSIC/b.mp3");
    const QString music = m_tempDir->path() + "/Music";
    m_form->LBInputFileDrop(m_form.get(), {music});
    QTRY_COMPARE(m_form->FileCount(), 1);
    // The same folder with a trailing separator, and another spelling of its
    // name, are duplicates: nothing is added, nothing scanned.
    m_form->LBInputFileDrop(m_form.get(),
                            {music + "/", m_tempDir->path() + "/MUSIC", music + "/a.mp3"});
    QCoreApplication::processEvents();
    QCOMPARE(folders()->count(), 1);
    QCOMPARE(m_form->results().size(), 2);
    QCOMPARE(m_form->FileCount(), 1);
    QVERIFY(!AddInputFolder(folders(), m_tempDir->path() + "/music/"));
    QVERIFY(!AddInputFolder(folders(), m_tempDir->path() + "/nowhere"));
    QVERIFY(m_prompter.informations.isEmpty());
}

void TestInputFolders::dropAddsFoldersOnce_data() {
    QTest::addColumn<QStringList>("dropped");
    QTest::newRow("a single file") << QStringList{"A/1.mp3"};
    QTest::newRow("several files of one folder") << QStringList{"A/1.mp3", "A/2.mp3", "A/3.txt"};
    QTest::newRow("a folder and a file inside it") << QStringList{"A", "A/2.mp3"};
}

void TestInputFolders::dropAddsFoldersOnce() {
    QFETCH(QStringList, dropped);
    for (const char* name : {"A/1.mp3", "A/2.mp3", "A/3.txt"})
        makeFile(m_tempDir->path(), name);
    for (QString& name : dropped)
        name = m_tempDir->path() + "/" + name;
    m_form->LBInputFileDrop(m_form.get(), dropped);
    QCOMPARE(folders()->count(), 1);
    QCOMPARE(folders()->item(0)->text(), m_tempDir->path() + "/A");
    // The scan waits for the posted request.
    QCOMPARE(m_form->results().size(), 0);
    QTRY_COMPARE(m_form->results().size(), 3);
    QCoreApplication::processEvents();
    QCOMPARE(m_form->results().size(), 3);
    QCOMPARE(control<QLabel>(*m_form, "LFileCount")->text(), QString("2 files."));
}

void TestInputFolders::dropOfNothingAddablePostsNothing() {
    makeFile(m_tempDir->path(), "A/1.mp3");
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/A"));
    m_form->LBInputFileDrop(m_form.get(), {m_tempDir->path() + "/A", m_tempDir->path() + "/missing",
                                           "https://example.org/x.mp3", QString()});
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(folders()->count(), 1);
    QCOMPARE(m_form->results().size(), 0);
}

void TestInputFolders::newEntryAtTheTopAppendsOnlyItsRows() {
    makeFile(m_tempDir->path(), "b/2.mp3");
    makeFile(m_tempDir->path(), "a/1.mp3");
    m_form->LBInputFileDrop(m_form.get(), {m_tempDir->path() + "/b"});
    QTRY_COMPARE(m_form->results().size(), 2);
    m_form->LBInputFileDrop(m_form.get(), {m_tempDir->path() + "/a"});
    QCOMPARE(folders()->item(0)->text(), m_tempDir->path() + "/a");
    QTRY_COMPARE(m_form->results().size(), 4);
    QCOMPARE(captions(), (QStringList{"[" + m_tempDir->path() + "/b]", "b/2.mp3",
                                      "[" + m_tempDir->path() + "/a]", "a/1.mp3"}));
    QCOMPARE(m_form->FileCount(), 2);
    // Refresh rebuilds in list order.
    m_form->BRefreshClick();
    QCOMPARE(captions(), (QStringList{"[" + m_tempDir->path() + "/a]", "a/1.mp3",
                                      "[" + m_tempDir->path() + "/b]", "b/2.mp3"}));
    QCOMPARE(m_form->FileCount(), 2);
}

void TestInputFolders::scatteredDropScansEachOnce() {
    for (const char* name : {"b/b.mp3", "d/d.mp3", "f/f.mp3", "a/a.mp3", "c/c.mp3", "e/e.mp3"})
        makeFile(m_tempDir->path(), name);
    for (const char* name : {"b", "d", "f"})
        QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/" + name));
    m_form->BRefreshClick();
    QCOMPARE(m_form->FileCount(), 3);
    m_form->LBInputFileDrop(m_form.get(), {m_tempDir->path() + "/e", m_tempDir->path() + "/a/a.mp3",
                                           m_tempDir->path() + "/c"});
    QCOMPARE(folders()->count(), 6);
    QTRY_COMPARE(m_form->FileCount(), 6);
    QCoreApplication::processEvents();
    QCOMPARE(m_form->FileCount(), 6);
    // A posted scan may run inside the one before it, so the new rows can
    // interleave; each folder still gives its rows exactly once.
    QStringList files;
    int folderRows = 0;
    for (const ResultRow& row : m_form->results().rows()) {
        if (row.isFileRow())
            files.append(row.existing);
        else
            ++folderRows;
    }
    QCOMPARE(folderRows, 6);
    QCOMPARE(files.mid(0, 3), (QStringList{"b.mp3", "d.mp3", "f.mp3"}));
    files.sort();
    QCOMPARE(files, (QStringList{"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3", "f.mp3"}));
}

void TestInputFolders::overlappingFoldersListedTwice() {
    makeFile(m_tempDir->path(), "top/1.mp3", "12345");
    makeFile(m_tempDir->path(), "top/sub/2.mp3", "123");
    m_form->LBInputFileDrop(m_form.get(),
                            {m_tempDir->path() + "/top", m_tempDir->path() + "/top/sub"});
    QCOMPARE(folders()->count(), 2);
    QTRY_COMPARE(m_form->FileCount(), 3);
    QCOMPARE(m_form->TotalSize(), 11);
    QCOMPARE(control<QLabel>(*m_form, "LFileSize")->text(), QString("11 bytes"));
}

void TestInputFolders::deleteWithAndWithoutSelection() {
    makeFile(m_tempDir->path(), "a/1.mp3");
    makeFile(m_tempDir->path(), "b/2.mp3");
    makeFile(m_tempDir->path(), "c/3.mp3");
    for (const char* name : {"a", "b", "c"})
        QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/" + name));
    m_form->BRefreshClick();
    m_form->results().setProposal(1, "x.mp3", "rename pending", RowOutcome::RenamePending);
    QTest::mouseClick(control<QPushButton>(*m_form, "BDelete"), Qt::LeftButton);
    QCOMPARE(folders()->count(), 3);
    QCOMPARE(m_form->results().row(1).newName, QString("x.mp3"));
    // The entry clicked goes, and only that one.
    const QRect first = folders()->visualItemRect(folders()->item(0));
    QTest::mouseClick(folders()->viewport(), Qt::LeftButton, {}, first.center());
    QVERIFY(folders()->item(0)->isSelected());
    QTest::mouseClick(control<QPushButton>(*m_form, "BDelete"), Qt::LeftButton);
    QCOMPARE(folders()->count(), 2);
    QCOMPARE(captions(), (QStringList{"[" + m_tempDir->path() + "/b]", "b/2.mp3",
                                      "[" + m_tempDir->path() + "/c]", "c/3.mp3"}));
    QCOMPARE(m_form->FileCount(), 2);
    QVERIFY(m_form->results().row(1).newName.isEmpty());
    delete folders()->takeItem(1);
    folders()->item(0)->setSelected(true);
    QTest::mouseClick(control<QPushButton>(*m_form, "BDelete"), Qt::LeftButton);
    QCOMPARE(m_form->results().size(), 0);
    QCOMPARE(control<QLabel>(*m_form, "LFileCount")->text(), QString("0 files."));
}

// A scan hands control to the window once per folder: Delete, Refresh and the
// run buttons clicked then must leave the rows and totals whole.
void TestInputFolders::commandsDuringAScanAreRefused() {
    for (int i = 0; i < 60; ++i)
        makeFile(m_tempDir->path(), QString("tree/f%1/s%2/t.mp3").arg(i, 2, 10, QChar('0')).arg(i));
    makeFile(m_tempDir->path(), "other/o.mp3");
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/tree"));
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/other"));
    int clicks = 0;
    QTimer clicker;
    connect(&clicker, &QTimer::timeout, this, [&] {
        if (!m_form->isScanning())
            return;
        ++clicks;
        folders()->item(0)->setSelected(true);
        control<QPushButton>(*m_form, "BDelete")->click();
        control<QPushButton>(*m_form, "BRefresh")->click();
        control<QPushButton>(*m_form, "BProcessAll")->click();
        control<QPushButton>(*m_form, "BExecuteAll")->click();
    });
    clicker.start(0);
    m_form->BRefreshClick();
    clicker.stop();
    QVERIFY(clicks > 0);
    QCOMPARE(folders()->count(), 2);
    QCOMPARE(m_form->FileCount(), 61);
    QCOMPARE(m_form->results().size(), 1 + 60 * 3 + 2);
    QVERIFY(m_prompter.criticals.isEmpty());
    for (const ResultRow& row : m_form->results().rows())
        QVERIFY(row.status.isEmpty());
}

void TestInputFolders::closeDuringAScanWaitsForItsEnd() {
    for (int i = 0; i < 30; ++i)
        makeFile(m_tempDir->path(), QString("tree/f%1/t.mp3").arg(i));
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/tree"));
    bool visibleAfterClose = false;
    QTimer::singleShot(0, this, [&] {
        m_form->close();
        visibleAfterClose = m_form->isVisible();
    });
    m_form->BRefreshClick();
    QVERIFY(visibleAfterClose);
    QCOMPARE(m_form->FileCount(), 30);
    QTRY_VERIFY(!m_form->isVisible());
}

// "Add..." through the real folder chooser, answered from a timer while it
// is open: the chosen folder is listed and exactly its rows are appended.
void TestInputFolders::addButtonScansTheChosenFolder() {
    makeFile(m_tempDir->path(), "z/1.mp3");
    makeFile(m_tempDir->path(), "a/2.mp3");
    makeFile(m_tempDir->path(), "a/3.mp3");
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/z"));
    m_form->BRefreshClick();
    auto* chooser = m_form->findChild<TPathDialog*>("PathDialog1");
    QVERIFY(chooser);
    auto choose = [&](const QString& folder) {
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QDialog* browser = chooser->browser();
            if (!browser || !browser->isVisible())
                return;
            poll.stop();
            auto* tree = browser->findChild<QTreeView*>("PathDialogTree");
            const auto* filter = qobject_cast<const QSortFilterProxyModel*>(tree->model());
            auto* model = qobject_cast<QFileSystemModel*>(filter->sourceModel());
            if (folder.isEmpty()) {
                browser->reject();
                return;
            }
            tree->setCurrentIndex(filter->mapFromSource(model->index(folder)));
            browser->findChild<QDialogButtonBox*>("PathDialogButtons")
                ->button(QDialogButtonBox::Ok)
                ->click();
        });
        poll.start(10);
        QTimer::singleShot(20000, this, [&] {
            if (chooser->browser())
                chooser->browser()->reject();
        });
        control<QPushButton>(*m_form, "BDir")->click();
    };
    choose(QString());
    QCOMPARE(folders()->count(), 1);
    choose(m_tempDir->path() + "/a");
    QCOMPARE(folders()->count(), 2);
    QCOMPARE(folders()->item(0)->text(), m_tempDir->path() + "/a");
    QCOMPARE(captions(), (QStringList{"[" + m_tempDir->path() + "/z]", "z/1.mp3",
                                      "[" + m_tempDir->path() + "/a]", "a/2.mp3", "a/3.mp3"}));
    QCOMPARE(m_form->FileCount(), 3);
    // The same folder again adds and scans nothing.
    choose(m_tempDir->path() + "/a");
    QCOMPARE(folders()->count(), 2);
    QCOMPARE(m_form->results().size(), 5);
    QVERIFY(m_prompter.criticals.isEmpty());
    QVERIFY(m_prompter.informations.isEmpty());
}

// A drop from a file manager onto the folder list, as Qt delivers it: two new
// folders and one already listed. The two are added and each scanned once.
void TestInputFolders::addStartsAtHomeThenAtTheFolderChosenLast() {
    const QByteArray previousHome = qgetenv("HOME");
    const QString home = m_tempDir->path() + "/home";
    makeFile(home, "Music/Album/1.mp3");
    qputenv("HOME", QFile::encodeName(home));
    // The window of a new session.
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->show();
    qputenv("HOME", previousHome);
    auto* chooser = m_form->findChild<TPathDialog*>("PathDialog1");
    QStringList starts;
    // The timers go with the test.
    QObject scope;
    // Each run notes where it starts, then takes the path typed for it.
    auto add = [&](const QString& typed) {
        chooser->setOnShow([&](QObject*) {
            QTimer::singleShot(0, &scope, [&] {
                auto* field = chooser->browser()->findChild<QLineEdit*>("PathDialogPath");
                starts << field->text();
                if (typed.isEmpty()) {
                    chooser->browser()->reject();
                    return;
                }
                field->setText(typed);
                chooser->browser()
                    ->findChild<QDialogButtonBox*>("PathDialogButtons")
                    ->button(QDialogButtonBox::Ok)
                    ->click();
            });
        });
        QTimer::singleShot(20000, &scope, [&] {
            if (chooser->browser())
                chooser->browser()->reject();
        });
        control<QPushButton>(*m_form, "BDir")->click();
    };
    add(QString());
    add(home + "/Music/Album");
    add(QString());
    QCOMPARE(starts, (QStringList{home, home, home + "/Music/Album"}));
    QCOMPARE(folders()->count(), 1);
    QCOMPARE(m_form->FileCount(), 1);
}

void TestInputFolders::dropOntoTheFolderList() {
    const QString root = m_tempDir->path();
    makeFile(root, "listed/0.mp3");
    makeFile(root, "new1/1.mp3");
    makeFile(root, "new2/2.mp3");
    makeFile(root, "new2/deeper/3.mp3");
    QVERIFY(AddInputFolder(folders(), root + "/listed"));
    DragEvents::RawMimeData data;
    data.setRaw("text/uri-list", QUrl::fromLocalFile(root + "/new2").toEncoded() + "\r\n" +
                                     QUrl::fromLocalFile(root + "/listed").toEncoded() + "\r\n" +
                                     QUrl::fromLocalFile(root + "/new1").toEncoded() + "\r\n");
    DragEvents::Drag drag;
    drag.data = &data;
    const DragEvents::Answer answer = DragEvents::EnterMoveDrop(folders()->viewport(), drag);
    QVERIFY(answer.accepted);
    QCOMPARE(answer.action, Qt::CopyAction);
    QCOMPARE(folders()->count(), 3);
    // The scans run from the posted requests, after the drop.
    QCOMPARE(m_form->results().size(), 0);
    QTRY_COMPARE(m_form->FileCount(), 3);
    QCoreApplication::processEvents();
    QCOMPARE(m_form->FileCount(), 3);
    QStringList files;
    for (const ResultRow& row : m_form->results().rows()) {
        if (row.isFileRow())
            files.append(row.existing);
    }
    files.sort();
    QCOMPARE(files, (QStringList{"1.mp3", "2.mp3", "3.mp3"}));
    QVERIFY(m_prompter.criticals.isEmpty());
}

// Two drops before either posted scan runs: the first request's entry has
// moved down by then, and it is still that folder that gets scanned.
void TestInputFolders::secondDropBeforeTheFirstScan() {
    makeFile(m_tempDir->path(), "b/b.mp3");
    makeFile(m_tempDir->path(), "a/a.mp3");
    m_form->LBInputFileDrop(m_form.get(), {m_tempDir->path() + "/b"});
    m_form->LBInputFileDrop(m_form.get(), {m_tempDir->path() + "/a"});
    QCOMPARE(folders()->item(0)->text(), m_tempDir->path() + "/a");
    QTRY_COMPARE(m_form->FileCount(), 2);
    QCoreApplication::processEvents();
    // The second request may run inside the first scan; each folder's rows
    // come once, in one piece.
    QStringList rows = captions();
    QCOMPARE(rows.size(), 4);
    const qsizetype a = rows.indexOf("[" + m_tempDir->path() + "/a]");
    const qsizetype b = rows.indexOf("[" + m_tempDir->path() + "/b]");
    QVERIFY(a >= 0 && b >= 0);
    QCOMPARE(rows.value(a + 1), QString("a/a.mp3"));
    QCOMPARE(rows.value(b + 1), QString("b/b.mp3"));
}

// The results commands only change rows the scan has already added: a manual
// rename applied while a scan appends rows is kept.
void TestInputFolders::manualRenameDuringAScan() {
    makeFile(m_tempDir->path(), "first/one.mp3");
    for (int i = 0; i < 40; ++i)
        makeFile(m_tempDir->path(), QString("second/f%1/t.mp3").arg(i));
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/first"));
    m_form->BRefreshClick();
    auto* list = control<QTreeView>(*m_form, "LVResults");
    list->selectionModel()->setCurrentIndex(
        m_form->results().index(1, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    auto* edit = control<QLineEdit>(*m_form, "EManualRename");
    QCOMPARE(edit->text(), QString("one"));
    bool applied = false;
    QTimer::singleShot(0, this, [&] {
        QVERIFY(m_form->isScanning());
        edit->setText("uno");
        QTest::keyClick(edit, Qt::Key_Return);
        applied = true;
    });
    int position = -1;
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/second", &position));
    m_form->ScanInputFolders(position, position);
    QVERIFY(applied);
    QCOMPARE(m_form->results().row(1).newName, QString("uno.mp3"));
    QCOMPARE(m_form->results().row(1).status, QString("manual rename (pending)"));
    QCOMPARE(m_form->FileCount(), 41);
}

QTEST_MAIN(TestInputFolders)
#include "tst_inputfolders.moc"
