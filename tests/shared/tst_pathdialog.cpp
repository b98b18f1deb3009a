#include <pwd.h>
#include <unistd.h>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <stdexcept>

#include "shared/PathDialog/TPathDialog.h"

namespace {

// Answers the handler-error message box without a person.
class RecordingPathDialog : public TPathDialog {
public:
    using TPathDialog::TPathDialog;
    QStringList shownErrors;

protected:
    void showHandlerError(const QString& text) override { shownErrors << text; }
};

QLineEdit* PathField(const TPathDialog& dialog) {
    return dialog.browser()->findChild<QLineEdit*>("PathDialogPath");
}

QTreeView* Tree(const TPathDialog& dialog) {
    return dialog.browser()->findChild<QTreeView*>("PathDialogTree");
}

QLabel* Label(const TPathDialog& dialog, const char* name) {
    return dialog.browser()->findChild<QLabel*>(name);
}

QPushButton* Button(const TPathDialog& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.browser()->findChild<QDialogButtonBox*>("PathDialogButtons")->button(which);
}

// The folder selected in the open picker, as its tree shows it.
QString SelectedFolder(const TPathDialog& dialog) {
    QTreeView* tree = Tree(dialog);
    const auto* filter = qobject_cast<const QSortFilterProxyModel*>(tree->model());
    const auto* folders = qobject_cast<const QFileSystemModel*>(filter->sourceModel());
    const QModelIndex current = tree->currentIndex();
    return current.isValid() ? folders->filePath(filter->mapToSource(current)) : QString();
}

// What a click on a folder in the tree does.
void ClickFolder(const TPathDialog& dialog, const QString& path) {
    QTreeView* tree = Tree(dialog);
    const auto* filter = qobject_cast<const QSortFilterProxyModel*>(tree->model());
    auto* folders = qobject_cast<QFileSystemModel*>(filter->sourceModel());
    const QModelIndex index = filter->mapFromSource(folders->index(path));
    QVERIFY2(index.isValid(), qPrintable(path));
    tree->setCurrentIndex(index);
}

// Runs Execute and acts once the picker has appeared (OnShow), from the
// picker's own modal loop. A picker left open by a failed step is cancelled
// by a watchdog, so that no test blocks.
bool ExecuteWhileOpen(TPathDialog& dialog, const std::function<void()>& whileOpen) {
    QObject scope;
    const TNotifyEvent previous = dialog.OnShow();
    dialog.setOnShow([&, previous](QObject* Sender) {
        QTimer::singleShot(0, &scope, whileOpen);
        if (previous)
            previous(Sender);
    });
    QTimer::singleShot(20000, &scope, [&] {
        if (dialog.browser())
            dialog.browser()->reject();
    });
    const bool result = dialog.Execute();
    dialog.setOnShow(previous);
    return result;
}

// Folders music/rock/live below a temporary folder.
struct Tree3 {
    QTemporaryDir dir;
    QString root, music, rock, live;
    Tree3() {
        root = QDir::cleanPath(dir.path());
        music = root + "/music";
        rock = music + "/rock";
        live = rock + "/live";
        QDir().mkpath(live);
    }
};

}  // namespace

class TestPathDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void directoryRule_data();
    void directoryRule();
    void startsAtDirectoryAndCancels();
    void firstUseStartsAtCurrentDirectory();
    void choosingFolders();
    void selectionReported();
    void raisingHandlersShowMessage();
    void statusLine();
    void desktopRoot();
    void pathField_data();
    void pathField();
    void enterInThePathFieldChooses();
    void pathFieldCompletesFolders();
    void quickPlaces();
    void startsAboveAFolderThatIsGone();
};

void TestPathDialog::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestPathDialog::directoryRule_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty is the current directory") << "" << QDir::currentPath();
    QTest::newRow("trailing separator dropped") << "/music/"
                                                << "/music";
    QTest::newRow("only one separator dropped") << "/music//"
                                                << "/music/";
    QTest::newRow("root stays root") << "/"
                                     << "/";
    QTest::newRow("plain folder") << "/music"
                                  << "/music";
}

void TestPathDialog::directoryRule() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    TPathDialog dialog;
    dialog.setDirectory(value);
    QCOMPARE(dialog.Directory(), expected);
}

void TestPathDialog::startsAtDirectoryAndCancels() {
    Tree3 t;
    QWidget window;
    TPathDialog dialog(&window);
    QCOMPARE(dialog.RootItem(), riMyComputer);
    QVERIFY(dialog.NewStyle());
    dialog.setTitle("Pick the music");
    dialog.setDirectory(t.rock + "/");
    QString start, title;
    bool statusShown = true;
    bool okEnabled = false;
    QWidget* parent = nullptr;
    const bool chosen = ExecuteWhileOpen(dialog, [&] {
        start = SelectedFolder(dialog);
        title = Label(dialog, "PathDialogTitle")->text();
        statusShown = Label(dialog, "PathDialogStatus")->isVisible();
        okEnabled = Button(dialog, QDialogButtonBox::Ok)->isEnabled();
        parent = dialog.browser()->parentWidget();
        Button(dialog, QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!chosen);
    QCOMPARE(start, t.rock);
    QCOMPARE(title, QString("Pick the music"));
    QVERIFY(!statusShown);
    QVERIFY(okEnabled);
    QCOMPARE(parent, &window);
    QCOMPARE(dialog.Directory(), t.rock);
    QCOMPARE(dialog.browser(), nullptr);
}

void TestPathDialog::firstUseStartsAtCurrentDirectory() {
    Tree3 t;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(t.music));
    const QString current = QDir::currentPath();
    TPathDialog dialog;
    QString start;
    const bool chosen = ExecuteWhileOpen(dialog, [&] {
        start = SelectedFolder(dialog);
        dialog.browser()->reject();
    });
    QDir::setCurrent(previous);
    QVERIFY(!chosen);
    QCOMPARE(start, current);
    QCOMPARE(dialog.Directory(), current);
}

void TestPathDialog::choosingFolders() {
    Tree3 t;
    TPathDialog dialog;
    dialog.setDirectory(t.music);
    QVERIFY(ExecuteWhileOpen(dialog, [&] {
        ClickFolder(dialog, t.live);
        Button(dialog, QDialogButtonBox::Ok)->click();
    }));
    QCOMPARE(dialog.Directory(), t.live);

    // The next run starts at the folder chosen last; the root itself can be chosen.
    QString start;
    QVERIFY(ExecuteWhileOpen(dialog, [&] {
        start = SelectedFolder(dialog);
        QTreeView* tree = Tree(dialog);
        tree->setCurrentIndex(tree->model()->index(0, 0, tree->rootIndex()));
        Button(dialog, QDialogButtonBox::Ok)->click();
    }));
    QCOMPARE(start, t.live);
    QCOMPARE(dialog.Directory(), QString("/"));
}

void TestPathDialog::selectionReported() {
    Tree3 t;
    TPathDialog dialog;
    QStringList paths;
    QObject* sender = nullptr;
    dialog.setOnSelect([&](QObject* Sender, const QString& Path) {
        sender = Sender;
        paths << Path;
    });
    dialog.setDirectory(t.music);
    bool okWithoutSelection = true;
    const bool chosen = ExecuteWhileOpen(dialog, [&] {
        ClickFolder(dialog, t.rock);
        // Writing Directory while the picker is open moves the selection.
        dialog.setDirectory(t.root + "/");
        Tree(dialog)->setCurrentIndex(QModelIndex());
        okWithoutSelection = Button(dialog, QDialogButtonBox::Ok)->isEnabled();
        Button(dialog, QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!chosen);
    QCOMPARE(sender, &dialog);
    QCOMPARE(paths, (QStringList{t.music, t.rock, t.root, QString()}));
    QVERIFY(!okWithoutSelection);
    QCOMPARE(dialog.Directory(), t.root);
}

void TestPathDialog::raisingHandlersShowMessage() {
    Tree3 t;
    RecordingPathDialog dialog;
    dialog.setDirectory(t.music);
    dialog.setOnShow([](QObject*) { throw std::runtime_error("Could not prepare the list"); });
    dialog.setOnSelect([&](QObject*, const QString& Path) {
        if (Path == t.rock)
            throw std::runtime_error("rock is not allowed");
    });
    bool openAfterError = false;
    QStringList shownWhileOpen;
    QVERIFY(ExecuteWhileOpen(dialog, [&] {
        ClickFolder(dialog, t.rock);
        shownWhileOpen = dialog.shownErrors;
        openAfterError = dialog.browser() && dialog.browser()->isVisible();
        Button(dialog, QDialogButtonBox::Ok)->click();
    }));
    QCOMPARE(shownWhileOpen, (QStringList{"Could not prepare the list", "rock is not allowed"}));
    QVERIFY(openAfterError);
    QCOMPARE(dialog.Directory(), t.rock);
}

void TestPathDialog::statusLine() {
    Tree3 t;
    TPathDialog dialog;
    dialog.setDirectory(t.music);
    dialog.setShowStatus(true);
    dialog.setNewStyle(false);
    dialog.setStatusText("Looking for music");
    bool shown = false;
    bool resizable = false;
    QString first, changed;
    ExecuteWhileOpen(dialog, [&] {
        QLabel* status = Label(dialog, "PathDialogStatus");
        shown = status->isVisible();
        first = status->text();
        dialog.setStatusText("Still looking");
        changed = status->text();
        // A status line brings the new style along.
        resizable = dialog.browser()->isSizeGripEnabled();
        dialog.browser()->reject();
    });
    QVERIFY(shown);
    QCOMPARE(first, QString("Looking for music"));
    QCOMPARE(changed, QString("Still looking"));
    QVERIFY(resizable);

    dialog.setShowStatus(false);
    ExecuteWhileOpen(dialog, [&] {
        QLabel* status = Label(dialog, "PathDialogStatus");
        dialog.setStatusText("Not shown");
        shown = status->isVisible() || !status->text().isEmpty();
        resizable = dialog.browser()->isSizeGripEnabled();
        dialog.browser()->reject();
    });
    QVERIFY(!shown);
    QVERIFY(!resizable);
}

void TestPathDialog::desktopRoot() {
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    const QString homePath = QDir::cleanPath(home.path());
    qputenv("HOME", QFile::encodeName(homePath));
    QCOMPARE(TPathDialog::rootPath(riMyComputer), QString("/"));
    QCOMPARE(TPathDialog::rootPath(riDesktop), homePath);
    const QString desktop = homePath + "/Desktop";
    QVERIFY(QDir().mkpath(desktop + "/albums"));
    QCOMPARE(TPathDialog::rootPath(riDesktop), desktop);

    TPathDialog dialog;
    dialog.setRootItem(riDesktop);
    dialog.setDirectory(desktop + "/albums");
    QStringList topItems;
    QVERIFY(ExecuteWhileOpen(dialog, [&] {
        QTreeView* tree = Tree(dialog);
        const auto* filter = qobject_cast<const QSortFilterProxyModel*>(tree->model());
        const auto* folders = qobject_cast<const QFileSystemModel*>(filter->sourceModel());
        for (int row = 0; row < filter->rowCount(tree->rootIndex()); ++row)
            topItems << folders->filePath(
                filter->mapToSource(filter->index(row, 0, tree->rootIndex())));
        Button(dialog, QDialogButtonBox::Ok)->click();
    }));
    QCOMPARE(topItems, QStringList{desktop});
    QCOMPARE(dialog.Directory(), desktop + "/albums");

    // Without a home folder there is no root to show: nothing appears.
    qputenv("HOME", QFile::encodeName(homePath + "/missing"));
    bool appeared = false;
    const bool chosen = ExecuteWhileOpen(dialog, [&] {
        appeared = true;
        dialog.browser()->reject();
    });
    qputenv("HOME", previousHome);
    QVERIFY(!chosen);
    QVERIFY(!appeared);
    QCOMPARE(dialog.Directory(), desktop + "/albums");
}

// A home folder of the test's own, for "~" and the quick places.
class TestHome {
public:
    TestHome() : m_previous(qgetenv("HOME")) {
        path = QDir::cleanPath(m_dir.path());
        qputenv("HOME", QFile::encodeName(path));
    }
    ~TestHome() { qputenv("HOME", m_previous); }
    QString path;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

void TestPathDialog::pathField_data() {
    QTest::addColumn<QString>("typed");     // <root> and <home> stand for the test's folders
    QTest::addColumn<QString>("expected");  // the folder chosen; empty: the picker refuses
    QTest::newRow("a folder in full") << "<root>/music/rock"
                                      << "<root>/music/rock";
    QTest::newRow("a trailing separator") << "<root>/music/"
                                          << "<root>/music";
    QTest::newRow("pasted with blanks around") << "  <root>/music\t"
                                               << "<root>/music";
    QTest::newRow("home folder shorthand") << "~/albums"
                                           << "<home>/albums";
    QTest::newRow("a relative path lies in the home folder") << "albums"
                                                             << "<home>/albums";
    QTest::newRow("a file link") << "file://<root>/music/rock"
                                 << "<root>/music/rock";
    QTest::newRow("no such folder") << "<root>/music/jazz"
                                    << "";
    QTest::newRow("a file is no folder") << "<root>/music/song.mp3"
                                         << "";
}

void TestPathDialog::pathField() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Tree3 t;
    const TestHome home;
    QVERIFY(QDir().mkpath(home.path + "/albums"));
    QFile song(t.music + "/song.mp3");
    QVERIFY(song.open(QIODevice::WriteOnly));
    song.close();
    auto fill = [&](QString text) {
        return text.replace("<root>", t.root).replace("<home>", home.path);
    };
    typed = fill(typed);
    expected = fill(expected);

    TPathDialog dialog;
    dialog.setDirectory(t.music);
    QStringList selected;
    dialog.setOnSelect([&](QObject*, const QString& Path) { selected << Path; });
    QString treeShows, error;
    bool openAfterOk = false;
    const bool chosen = ExecuteWhileOpen(dialog, [&] {
        QLineEdit* field = PathField(dialog);
        QCOMPARE(field->text(), t.music);
        field->selectAll();
        QTest::keyClicks(field, typed);
        field->completer()->popup()->hide();
        treeShows = SelectedFolder(dialog);
        Button(dialog, QDialogButtonBox::Ok)->click();
        openAfterOk = dialog.browser() && dialog.browser()->isVisible();
        if (openAfterOk) {
            error = Label(dialog, "PathDialogPathError")->isVisible()
                        ? Label(dialog, "PathDialogPathError")->text()
                        : QString();
            dialog.browser()->reject();
        }
    });
    if (expected.isEmpty()) {
        QVERIFY(!chosen);
        QVERIFY(openAfterOk);
        QCOMPARE(error, QString("There is no folder \"%1\".").arg(typed));
        QCOMPARE(dialog.Directory(), t.music);
        return;
    }
    QVERIFY(chosen);
    QCOMPARE(dialog.Directory(), expected);
    // A folder the tree holds is shown there as soon as it is typed.
    if (expected.startsWith(t.root) && !typed.startsWith("file:")) {
        QCOMPARE(treeShows, expected);
        QCOMPARE(selected.last(), expected);
    }
}

void TestPathDialog::enterInThePathFieldChooses() {
    Tree3 t;
    TPathDialog dialog;
    dialog.setDirectory(t.music);
    QVERIFY(ExecuteWhileOpen(dialog, [&] {
        QLineEdit* field = PathField(dialog);
        QVERIFY(field->hasFocus());
        // The whole path is selected: what is typed or pasted replaces it.
        QCOMPARE(field->selectedText(), t.music);
        QTest::keyClicks(field, t.live);
        field->completer()->popup()->hide();
        QTest::keyClick(field, Qt::Key_Return);
    }));
    QCOMPARE(dialog.Directory(), t.live);
}

void TestPathDialog::pathFieldCompletesFolders() {
    Tree3 t;
    QVERIFY(QDir().mkpath(t.music + "/reggae"));
    QFile notes(t.music + "/readme.txt");
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();
    TPathDialog dialog;
    dialog.setDirectory(t.root);
    QStringList offered;
    ExecuteWhileOpen(dialog, [&] {
        QLineEdit* field = PathField(dialog);
        field->clear();
        QTest::keyClicks(field, t.music + "/r");
        QCompleter* completer = field->completer();
        // The folders of a folder are read in the background.
        QTRY_COMPARE(completer->completionCount(), 2);
        for (int row = 0; row < completer->completionCount(); ++row) {
            completer->setCurrentRow(row);
            offered << completer->currentCompletion();
        }
        dialog.browser()->reject();
    });
    offered.sort();
    QCOMPARE(offered, (QStringList{t.music + "/reggae", t.rock}));
}

void TestPathDialog::quickPlaces() {
    Tree3 t;
    const TestHome home;
    TPathDialog dialog;
    dialog.setDirectory(t.music);
    QStringList places;
    QString afterHome, fieldAfterHome;
    ExecuteWhileOpen(dialog, [&] {
        auto* list = dialog.browser()->findChild<QListWidget*>("PathDialogPlaces");
        for (int row = 0; row < list->count(); ++row)
            places << list->item(row)->data(Qt::UserRole).toString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        afterHome = SelectedFolder(dialog);
        fieldAfterHome = PathField(dialog)->text();
        dialog.browser()->reject();
    });
    // Desktops mount a user's media in folders named after the user's login.
    const QString user = QFile::decodeName(getpwuid(geteuid())->pw_name);
    QStringList expected{home.path, "/"};
    for (const QString& media : {"/media/" + user, "/run/media/" + user, QString("/mnt")}) {
        if (QFileInfo(media).isDir())
            expected << media;
    }
    QCOMPARE(places, expected);
    QCOMPARE(afterHome, home.path);
    QCOMPARE(fieldAfterHome, home.path);

    // Below the desktop folder, the places outside it cannot be shown.
    QVERIFY(QDir().mkpath(home.path + "/Desktop"));
    dialog.setRootItem(riDesktop);
    ExecuteWhileOpen(dialog, [&] {
        places.clear();
        auto* list = dialog.browser()->findChild<QListWidget*>("PathDialogPlaces");
        for (int row = 0; row < list->count(); ++row)
            places << list->item(row)->data(Qt::UserRole).toString();
        dialog.browser()->reject();
    });
    QCOMPARE(places, QStringList());
}

void TestPathDialog::startsAboveAFolderThatIsGone() {
    Tree3 t;
    TPathDialog dialog;
    dialog.setDirectory(t.rock + "/gone/deeper");
    QString start, field;
    ExecuteWhileOpen(dialog, [&] {
        start = SelectedFolder(dialog);
        field = PathField(dialog)->text();
        dialog.browser()->reject();
    });
    QCOMPARE(start, t.rock);
    QCOMPARE(field, t.rock);
    QCOMPARE(dialog.Directory(), t.rock + "/gone/deeper");
}

QTEST_MAIN(TestPathDialog)
#include "tst_pathdialog.moc"
