#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>
#include <stdexcept>

#include "DragEvents.h"
#include "shared/DropWrap/TMyOLEDragDropInterface.h"
#include "shared/VardoFileDrop/TFileDragDrop.h"
#include "shared/VardoFileDrop/UriListNames.h"

using namespace DragEvents;

namespace {

std::unique_ptr<QMimeData> FileList(const QByteArray& bytes) {
    auto data = std::make_unique<RawMimeData>();
    data->setRaw("text/uri-list", bytes);
    return data;
}

// One line of a file list, exactly length bytes long with its line end.
QByteArray ListLine(int number, int length) {
    QByteArray line = "file:///music/" + QByteArray::number(number) + '_';
    return line.leftJustified(length - 2, 'x') + "\r\n";
}

// A window with the input folder list, set up as the main window does it.
struct Window {
    QWidget window;
    QListWidget* LBInput = new QListWidget(&window);
    TFileDragDrop drop{&window};
    int calls = 0;
    QObject* sender = nullptr;
    QStringList names;

    Window() {
        LBInput->setObjectName("LBInput");
        window.setGeometry(100, 100, 300, 200);
        LBInput->setGeometry(10, 10, 200, 150);
        drop.setDropControl(LBInput);
        drop.setOnFileDrop([this](QObject* Sender, const QStringList& Filenames) {
            ++calls;
            sender = Sender;
            names = Filenames;
        });
    }
    // No drag outlives its test (Qt routes moves and drops to the last taker).
    ~Window() { Leave(client()); }
    // Qt hands the list's drags to its viewport.
    QWidget* client() const { return LBInput->viewport(); }
};

}  // namespace

class TestFileDragDrop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entryRefused_data();
    void entryRefused();
    void copyWhateverTheKeys_data();
    void copyWhateverTheKeys();
    void sourceWithoutCopy_data();
    void sourceWithoutCopy();
    void deliversNamesInOrder();
    void emptyList_data();
    void emptyList();
    void nameBudget_data();
    void nameBudget();
    void budgetCutOnDrop();
    void raisingHandlerStaysSilent();
    void registrationFollowsDropControl();
};

void TestFileDragDrop::entryRefused_data() {
    QTest::addColumn<bool>("withHandler");
    QTest::addColumn<QString>("format");
    QTest::newRow("no handler") << false << "text/uri-list";
    QTest::newRow("text only") << true << "text/plain";
    QTest::newRow("file list under another name") << true << "text/x-moz-url";
}

void TestFileDragDrop::entryRefused() {
    QFETCH(bool, withHandler);
    QFETCH(QString, format);
    Window w;
    if (!withHandler)
        w.drop.setOnFileDrop(nullptr);
    RawMimeData data;
    data.setRaw(format, "file:///music\r\n");
    QVERIFY(!Enter(w.client(), {&data}).accepted);
    QVERIFY(!w.drop.dragDrop()->IsInDropping());
    QCOMPARE(w.calls, 0);
}

void TestFileDragDrop::copyWhateverTheKeys_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("no key") << Qt::KeyboardModifiers();
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("ctrl shift") << (Qt::ControlModifier | Qt::ShiftModifier);
}

void TestFileDragDrop::copyWhateverTheKeys() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Window w;
    const auto data = FileList("file:///music/a\r\n");
    const Drag drag{data.get(), modifiers};
    QVERIFY(Enter(w.client(), drag).accepted);
    const Answer over = Move(w.client(), drag);
    QVERIFY(over.accepted);
    QCOMPARE(over.action, Qt::CopyAction);
    const Answer drop = Drop(w.client(), drag);
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, Qt::CopyAction);
    QCOMPARE(w.names, QStringList{"/music/a"});
}

void TestFileDragDrop::sourceWithoutCopy_data() {
    QTest::addColumn<Qt::DropActions>("actions");
    QTest::newRow("move only") << Qt::DropActions(Qt::MoveAction);
    QTest::newRow("link only") << Qt::DropActions(Qt::LinkAction);
    QTest::newRow("move or link") << (Qt::MoveAction | Qt::LinkAction);
}

void TestFileDragDrop::sourceWithoutCopy() {
    QFETCH(Qt::DropActions, actions);
    Window w;
    const auto data = FileList("file:///music/a\r\n");
    const Drag drag{data.get(), Qt::NoModifier, actions};
    QVERIFY(Enter(w.client(), drag).accepted);
    const Answer over = Move(w.client(), drag);
    QVERIFY(!over.accepted);
    QCOMPARE(over.action, Qt::IgnoreAction);
    const Answer drop = Drop(w.client(), drag);
    QVERIFY(!drop.accepted);
    QCOMPARE(w.calls, 0);
}

void TestFileDragDrop::deliversNamesInOrder() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QStringList folders{"Zebra", "b folder", QString::fromUtf8("Über #1"), "a"};
    for (const QString& folder : folders)
        QVERIFY(QDir(dir.path()).mkdir(folder));
    QFile file(dir.filePath("01 Intro.mp3"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QList<QUrl> urls;
    QStringList expected;
    for (const QString& name :
         QStringList{"Zebra", "01 Intro.mp3", "b folder", QString::fromUtf8("Über #1"), "a"}) {
        urls << QUrl::fromLocalFile(dir.filePath(name));
        expected << dir.filePath(name);
    }
    urls << QUrl("https://example.com/some%20file.mp3");
    expected << "https://example.com/some%20file.mp3";
    QMimeData data;
    data.setUrls(urls);

    Window w;
    QWidget elsewhere;
    w.window.show();
    elsewhere.show();
    elsewhere.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &elsewhere);
    // The window is raised and repaints before the names are handed over.
    bool repainted = false;
    bool repaintedAtDrop = false;
    QWidget* activeAtDrop = nullptr;
    QMetaObject::invokeMethod(
        &w.window, [&] { repainted = true; }, Qt::QueuedConnection);
    w.drop.setOnFileDrop([&](QObject* Sender, const QStringList& Filenames) {
        ++w.calls;
        w.sender = Sender;
        w.names = Filenames;
        repaintedAtDrop = repainted;
        activeAtDrop = QApplication::activeWindow();
    });

    const Answer drop = EnterMoveDrop(w.client(), {&data});
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, Qt::CopyAction);
    QCOMPARE(w.calls, 1);
    QCOMPARE(w.sender, &w.drop);
    QCOMPARE(w.names, expected);
    QVERIFY(repaintedAtDrop);
    QCOMPARE(activeAtDrop, &w.window);
}

void TestFileDragDrop::emptyList_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("line end only") << QByteArray("\r\n") << true;
    QTest::newRow("comment only") << QByteArray("# nothing dragged\r\n") << true;
    // A block of no bytes gives no copy, so there is nothing to hand over.
    QTest::newRow("no bytes") << QByteArray() << false;
}

void TestFileDragDrop::emptyList() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, delivered);
    Window w;
    const auto data = FileList(bytes);
    const Answer drop = EnterMoveDrop(w.client(), {data.get()});
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, Qt::CopyAction);
    QCOMPARE(w.calls, delivered ? 1 : 0);
    QVERIFY(w.names.isEmpty());
}

void TestFileDragDrop::nameBudget_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("budget");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("last line without line end")
        << QByteArray("file:///a\r\nfile:///b") << 100 << QStringList{"/a", "/b"};
    QTest::newRow("line feeds only")
        << QByteArray("file:///a\nfile:///b\n") << 100 << QStringList{"/a", "/b"};
    QTest::newRow("percent escapes") << QByteArray("file:///m%C3%BCsic/a%20b%23c\r\n") << 100
                                     << QStringList{QString::fromUtf8("/müsic/a b#c")};
    QTest::newRow("other URLs as written")
        << QByteArray("smb://server/share%20x\r\nrelative/name\r\n") << 100
        << QStringList{"smb://server/share%20x", "relative/name"};
    // "# c\r\n" and "\r\n" use 7 of 12 bytes; the next line runs the budget out.
    QTest::newRow("skipped lines count")
        << QByteArray("# c\r\n\r\nfile:///a\r\nfile:///b\r\n") << 12 << QStringList{"/a"};
    QTest::newRow("budget spent exactly")
        << QByteArray("file:///a\r\nfile:///b\r\n") << 11 << QStringList{"/a"};
    QTest::newRow("one byte left")
        << QByteArray("file:///a\r\nfile:///b\r\n") << 12 << QStringList{"/a", "/b"};
    QTest::newRow("no budget") << QByteArray("file:///a\r\n") << 0 << QStringList{};
}

void TestFileDragDrop::nameBudget() {
    QFETCH(QByteArray, block);
    QFETCH(int, budget);
    QFETCH(QStringList, expected);
    QCOMPARE(UriListToStrings(block, budget), expected);
}

void TestFileDragDrop::budgetCutOnDrop() {
    // 1,500 bytes, then 1,000 bytes a line: after line 99 the walk has used
    // 99,500 bytes, so line 100 is read whole and line 101 no more.
    QByteArray block = ListLine(1, 1500);
    for (int number = 2; number <= 101; ++number)
        block += ListLine(number, 1000);
    Window w;
    const auto data = FileList(block);
    QVERIFY(EnterMoveDrop(w.client(), {data.get()}).accepted);
    QCOMPARE(w.calls, 1);
    QCOMPARE(w.names.size(), 100);
    QVERIFY(w.names.first().startsWith("/music/1_x"));
    QVERIFY(w.names.last().startsWith("/music/100_x"));
    QCOMPARE(w.names.last().size(), 998 - 7);
}

void TestFileDragDrop::raisingHandlerStaysSilent() {
    Window w;
    int calls = 0;
    w.drop.setOnFileDrop([&](QObject*, const QStringList& Filenames) {
        ++calls;
        w.names = Filenames;
        if (calls == 1)
            throw std::runtime_error("the folder list refused the drop");
    });
    const auto first = FileList("file:///music/one\r\n");
    const Answer drop = EnterMoveDrop(w.client(), {first.get()});
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, Qt::CopyAction);
    QCOMPARE(calls, 1);
    QCOMPARE(w.drop.dragDrop()->DropTarget()->currentList(), nullptr);
    QCoreApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<QMessageBox*>(widget), "a drop error reached the user");

    const auto second = FileList("file:///music/two\r\n");
    QVERIFY(EnterMoveDrop(w.client(), {second.get()}).accepted);
    QCOMPARE(calls, 2);
    QCOMPARE(w.names, QStringList{"/music/two"});
}

void TestFileDragDrop::registrationFollowsDropControl() {
    Window w;
    QListWidget other;
    w.drop.setDropControl(&other);
    QCOMPARE(w.drop.DropControl(), &other);
    QVERIFY(!w.LBInput->acceptDrops());
    const auto data = FileList("file:///music/a\r\n");
    QVERIFY(!Enter(w.client(), {data.get()}).accepted);
    QVERIFY(EnterMoveDrop(other.viewport(), {data.get()}).accepted);
    QCOMPARE(w.names, QStringList{"/music/a"});

    // Freeing the component revokes the registration.
    auto* drop = new TFileDragDrop(nullptr);
    drop->setDropControl(w.LBInput);
    QVERIFY(w.LBInput->acceptDrops());
    delete drop;
    QVERIFY(!w.LBInput->acceptDrops());
    QVERIFY(!w.client()->acceptDrops());
}

QTEST_MAIN(TestFileDragDrop)
#include "tst_filedragdrop.moc"
