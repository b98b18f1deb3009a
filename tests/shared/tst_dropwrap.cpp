#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <memory>

#include "DragEvents.h"
#include "shared/DropWrap/TMyOLEDragDropInterface.h"

using namespace DragEvents;

Q_DECLARE_METATYPE(TMyDropEffect)
Q_DECLARE_METATYPE(TDragDropMode)

namespace {

std::unique_ptr<QMimeData> StringData(const QByteArray& bytes) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QLatin1String(kStringDropFormat), bytes);
    return data;
}

// A list box placed inside a window, so that client, window and screen
// coordinates all differ.
struct Fixture {
    QWidget window;
    QListWidget* list = new QListWidget(&window);
    QListWidget* other = new QListWidget(&window);
    TMyOLEDragDropInterface wrapper{&window};

    Fixture() {
        window.setGeometry(100, 80, 400, 300);
        list->setGeometry(30, 40, 200, 150);
        other->setGeometry(240, 40, 150, 150);
        wrapper.setDragDropControl(list);
    }
    // Qt routes moves and drops to the widget that accepted the last entry
    // until a leave or a drop ends the drag; no drag outlives its test.
    ~Fixture() { Leave(list->viewport()); }
    QWidget* client() const { return list->viewport(); }
};

}  // namespace

class TestDropWrap : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registrationOnClientWidget();
    void registrationMovesAndRevokes();
    void destroyedControlOrWrapperRevokes();

    void stringModeEffects_data();
    void stringModeEffects();
    void refusedDragStaysRefused_data();
    void refusedDragStaysRefused();

    void userModeEventArguments();
    void draggingEffectFromHandler();
    void listReusedForSameDataObject();
    void handlerErrorsNeverEscape();
    void handlerChangesControlDuringDispatch();
    void handlerFreesWrapperDuringDrop();
};

void TestDropWrap::registrationOnClientWidget() {
    QWidget plain;
    TMyOLEDragDropInterface wrapper(&plain);
    QVERIFY(!plain.acceptDrops());
    wrapper.setDragDropControl(&plain);
    QVERIFY(plain.acceptDrops());
    QCOMPARE(wrapper.registeredWindow(), &plain);

    // Qt hands a list box's drags to its viewport, so that is where the filter goes.
    QListWidget list;
    wrapper.setDragDropControl(&list);
    QCOMPARE(wrapper.DragDropControl(), &list);
    QCOMPARE(wrapper.registeredWindow(), list.viewport());
    QVERIFY(list.acceptDrops());
    QVERIFY(list.viewport()->acceptDrops());
    QVERIFY(!plain.acceptDrops());

    // Writing the same control again registers nothing anew.
    list.viewport()->setAcceptDrops(false);
    wrapper.setDragDropControl(&list);
    QVERIFY(!list.viewport()->acceptDrops());
}

void TestDropWrap::registrationMovesAndRevokes() {
    Fixture f;
    int entries = 0;
    f.wrapper.setDragDropMode(ddmUserData);
    f.wrapper.setOnUserDropEnter([&](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                                     TMyAllowedDropEffects, bool& accept) {
        ++entries;
        accept = true;
    });
    QMimeData data;
    data.setText("x");
    QVERIFY(Enter(f.client(), {&data}).accepted);
    QCOMPARE(entries, 1);

    f.wrapper.setDragDropControl(f.other);
    QVERIFY(!f.list->acceptDrops());
    QVERIFY(!f.client()->acceptDrops());
    QVERIFY(!Enter(f.client(), {&data}).accepted);
    QCOMPARE(entries, 1);
    QVERIFY(Enter(f.other->viewport(), {&data}).accepted);
    QCOMPARE(entries, 2);

    f.wrapper.setDragDropControl(nullptr);
    QVERIFY(!f.other->acceptDrops());
    QVERIFY(!Enter(f.other->viewport(), {&data}).accepted);
    QCOMPARE(entries, 2);
    QCOMPARE(f.wrapper.registeredWindow(), nullptr);
}

void TestDropWrap::destroyedControlOrWrapperRevokes() {
    auto* list = new QListWidget;
    auto wrapper = std::make_unique<TMyOLEDragDropInterface>(nullptr);
    wrapper->setDragDropControl(list);
    delete list;
    QCOMPARE(wrapper->DragDropControl(), nullptr);
    QCOMPARE(wrapper->registeredWindow(), nullptr);

    QListWidget next;
    wrapper->setDragDropControl(&next);
    QCOMPARE(wrapper->registeredWindow(), next.viewport());
    bool entered = false;
    wrapper->setDragDropMode(ddmUserData);
    wrapper->setOnUserDropEnter([&](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                                    TMyAllowedDropEffects, bool&) { entered = true; });
    wrapper.reset();
    QVERIFY(!next.acceptDrops());
    QMimeData data;
    data.setText("x");
    Enter(next.viewport(), {&data});
    QVERIFY(!entered);
}

void TestDropWrap::stringModeEffects_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::DropAction>("action");
    QTest::addColumn<TMyDropEffect>("effect");
    QTest::newRow("no key") << Qt::KeyboardModifiers() << Qt::MoveAction << deMove;
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << Qt::MoveAction << deMove;
    QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << Qt::CopyAction << deCopy;
    QTest::newRow("ctrl shift") << (Qt::ControlModifier | Qt::ShiftModifier) << Qt::LinkAction
                                << deLink;
}

void TestDropWrap::stringModeEffects() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::DropAction, action);
    QFETCH(TMyDropEffect, effect);
    Fixture f;
    QCOMPARE(f.wrapper.DragDropMode(), ddmString);
    QString dropped;
    TMyDropEffect droppedEffect = deNone;
    QPoint droppedPoint;
    f.wrapper.setOnStringDrop(
        [&](QObject* sender, const QString& text, TMyDropEffect dropEffect, const QPoint& point) {
            QCOMPARE(sender, &f.wrapper);
            dropped = text;
            droppedEffect = dropEffect;
            droppedPoint = point;
        });
    // The string ends at its terminating NUL.
    const auto data = StringData(QByteArray("Bärenweg 7") + '\0' + "stale bytes");
    const Drag drag{data.get(), modifiers, kAllActions, QPoint(12, 9)};

    const Answer entry = Enter(f.client(), drag);
    QVERIFY(entry.accepted);
    QCOMPARE(entry.action, action);
    QVERIFY(f.wrapper.IsInDropping());
    const Answer over = Move(f.client(), drag);
    QVERIFY(over.accepted);
    QCOMPARE(over.action, action);
    const Answer drop = Drop(f.client(), drag);
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, action);
    QVERIFY(!f.wrapper.IsInDropping());
    QCOMPARE(dropped, QString::fromUtf8("Bärenweg 7"));
    QCOMPARE(f.wrapper.DropString(), dropped);
    QCOMPARE(droppedEffect, effect);
    QCOMPARE(f.wrapper.lastDropEffect(), effect);
    QCOMPARE(droppedPoint, QPoint(12, 9));
    QCOMPARE(f.wrapper.DropPoint(), f.client()->mapToGlobal(QPoint(12, 9)));
}

void TestDropWrap::refusedDragStaysRefused_data() {
    QTest::addColumn<TDragDropMode>("mode");
    QTest::newRow("string mode, no string format") << ddmString;
    QTest::newRow("user-data mode, handler refuses") << ddmUserData;
}

void TestDropWrap::refusedDragStaysRefused() {
    QFETCH(TDragDropMode, mode);
    Fixture f;
    f.wrapper.setDragDropMode(mode);
    int events = 0;
    f.wrapper.setOnStringDrop(
        [&](QObject*, const QString&, TMyDropEffect, const QPoint&) { ++events; });
    f.wrapper.setOnUserDropEnter([](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                                    TMyAllowedDropEffects, bool& accept) { accept = false; });
    const auto counting = [&](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                              TMyAllowedDropEffects, TMyDropEffect&) { ++events; };
    f.wrapper.setOnUserDropping(counting);
    f.wrapper.setOnUserDrop(counting);
    QMimeData data;
    data.setText("plain text");
    const Drag drag{&data, Qt::ControlModifier};

    QDragEnterEvent entry(drag.position, drag.actions, drag.data, drag.buttons, drag.modifiers);
    const Qt::DropAction proposed = entry.dropAction();
    QCoreApplication::sendEvent(f.client(), &entry);
    QVERIFY(!entry.isAccepted());
    // A refused entry leaves the action as Qt proposed it.
    QCOMPARE(entry.dropAction(), proposed);
    QVERIFY(!f.wrapper.IsInDropping());
    QCOMPARE(f.wrapper.DropTarget()->currentList(), nullptr);
    QVERIFY(!Move(f.client(), drag).accepted);
    QVERIFY(!Drop(f.client(), drag).accepted);
    // Qt itself keeps those from the control; should one reach the drop
    // target anyway, it stays refused.
    QDragMoveEvent move(drag.position, drag.actions, drag.data, drag.buttons, drag.modifiers);
    f.wrapper.DropTarget()->handleEvent(f.client(), &move);
    QVERIFY(!move.isAccepted());
    QDropEvent drop(QPointF(drag.position), drag.actions, drag.data, drag.buttons, drag.modifiers);
    f.wrapper.DropTarget()->handleEvent(f.client(), &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(events, 0);
}

void TestDropWrap::userModeEventArguments() {
    Fixture f;
    f.wrapper.setDragDropMode(ddmUserData);
    QMimeData data;
    data.setText("x");
    const Drag drag{&data, Qt::ControlModifier, Qt::CopyAction | Qt::LinkAction, QPoint(17, 23)};

    // Without a handler the drag is refused.
    QVERIFY(!Enter(f.client(), drag).accepted);

    TShiftState shift;
    QPoint point;
    TMyAllowedDropEffects allowed;
    QObject* sender = nullptr;
    f.wrapper.setOnUserDropEnter([&](QObject* Sender, TMyDropDataList&, TShiftState Shift,
                                     const QPoint& Point, TMyAllowedDropEffects Allowed,
                                     bool& accept) {
        sender = Sender;
        shift = Shift;
        point = Point;
        allowed = Allowed;
        accept = true;
    });
    const Answer entry = Enter(f.client(), drag);
    QVERIFY(entry.accepted);
    QCOMPARE(entry.action, Qt::CopyAction);
    QCOMPARE(sender, &f.wrapper);
    QCOMPARE(shift, ssCtrl | ssLeft);
    QCOMPARE(point, QPoint(17, 23));
    QVERIFY(allowed == (TMyAllowedDropEffects{deNone, deCopy, deLink}));
    QVERIFY(f.wrapper.AllowedDropEffects() == allowed);
    QCOMPARE(f.wrapper.DropPoint(), f.client()->mapToGlobal(QPoint(17, 23)));
    QVERIFY(f.wrapper.DropPoint() != QPoint(17, 23));
    QVERIFY(f.wrapper.IsInDropping());

    bool exited = false;
    f.wrapper.setOnUserDropExit([&](QObject*, TMyDropDataList&) { exited = true; });
    Leave(f.client());
    QVERIFY(exited);
    QVERIFY(!f.wrapper.IsInDropping());
}

void TestDropWrap::draggingEffectFromHandler() {
    Fixture f;
    f.wrapper.setDragDropMode(ddmUserData);
    f.wrapper.setOnUserDropEnter([](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                                    TMyAllowedDropEffects, bool& accept) { accept = true; });
    TMyDropEffect offered = deNone;
    std::function<void(TMyDropEffect&)> choose = [](TMyDropEffect&) {};
    f.wrapper.setOnUserDropping([&](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                                    TMyAllowedDropEffects, TMyDropEffect& DropEffect) {
        offered = DropEffect;
        choose(DropEffect);
    });
    QMimeData data;
    data.setText("x");
    const Drag drag{&data};
    QVERIFY(Enter(f.client(), drag).accepted);

    // Left alone, the effect is the key-state suggestion: move without keys.
    Answer over = Move(f.client(), drag);
    QCOMPARE(offered, deMove);
    QVERIFY(over.accepted);
    QCOMPARE(over.action, Qt::MoveAction);

    choose = [](TMyDropEffect& effect) { effect = deLink; };
    over = Move(f.client(), drag);
    QVERIFY(over.accepted);
    QCOMPARE(over.action, Qt::LinkAction);

    choose = [](TMyDropEffect& effect) { effect = deNone; };
    over = Move(f.client(), drag);
    QVERIFY(!over.accepted);
    QCOMPARE(over.action, Qt::IgnoreAction);
}

void TestDropWrap::listReusedForSameDataObject() {
    Fixture f;
    f.wrapper.setDragDropMode(ddmUserData);
    TMyDropDataList* seen = nullptr;
    bool fetchedOnEntry = false;
    f.wrapper.setOnUserDropEnter([&](QObject*, TMyDropDataList& DropData, TShiftState,
                                     const QPoint&, TMyAllowedDropEffects, bool& accept) {
        seen = &DropData;
        const int position = DropData.IndexOfFormat("text/plain");
        fetchedOnEntry = DropData.Items(position).isFetched();
        DropData.Items(position).FetchData();
        accept = true;
    });
    QMimeData first;
    first.setText("first");
    QVERIFY(Enter(f.client(), {&first}).accepted);
    QVERIFY(!fetchedOnEntry);
    Leave(f.client());
    // The list outlives the leave, for the same drag coming back.
    QCOMPARE(f.wrapper.DropTarget()->currentList(), seen);

    QVERIFY(Enter(f.client(), {&first}).accepted);
    QVERIFY(fetchedOnEntry);

    QMimeData second;
    second.setText("second");
    QVERIFY(Enter(f.client(), {&second}).accepted);
    QVERIFY(!fetchedOnEntry);
    QCOMPARE(f.wrapper.DropTarget()->currentList()->DataObject(), &second);

    // Every drop ends the list.
    QVERIFY(Drop(f.client(), {&second}).accepted);
    QCOMPARE(f.wrapper.DropTarget()->currentList(), nullptr);
}

void TestDropWrap::handlerErrorsNeverEscape() {
    Fixture f;
    f.wrapper.setDragDropMode(ddmUserData);
    f.wrapper.setOnUserDropEnter([](QObject*, TMyDropDataList& DropData, TShiftState, const QPoint&,
                                    TMyAllowedDropEffects, bool& accept) {
        accept = true;
        DropData.Items(99);  // raises
    });
    TMyDropData* locked = nullptr;
    f.wrapper.setOnUserDropping([&](QObject*, TMyDropDataList& DropData, TShiftState, const QPoint&,
                                    TMyAllowedDropEffects, TMyDropEffect&) {
        locked = &DropData.Items(0);
        locked->DataPointer();
    });
    f.wrapper.setOnUserDrop([&](QObject*, TMyDropDataList& DropData, TShiftState, const QPoint&,
                                TMyAllowedDropEffects, TMyDropEffect& DropEffect) {
        DropData.GetDataCopy("text/plain");
        DropEffect = deLink;
        throw std::runtime_error("handler failed");
    });
    QMimeData data;
    data.setText("x");
    const Drag drag{&data};
    // The entry keeps the acceptance the handler gave before its error.
    QVERIFY(Enter(f.client(), drag).accepted);
    // After a dispatch every block the handler locked is unlocked again.
    QVERIFY(Move(f.client(), drag).accepted);
    QVERIFY(locked && locked->isFetched() && !locked->isLocked());
    const Answer drop = Drop(f.client(), drag);
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, Qt::LinkAction);
    QCOMPARE(f.wrapper.DropTarget()->currentList(), nullptr);
    QVERIFY(!f.wrapper.IsInDropping());
}

void TestDropWrap::handlerChangesControlDuringDispatch() {
    Fixture f;
    f.wrapper.setDragDropMode(ddmUserData);
    QPoint point;
    f.wrapper.setOnUserDropEnter([&](QObject*, TMyDropDataList&, TShiftState, const QPoint& Point,
                                     TMyAllowedDropEffects, bool& accept) {
        point = Point;
        f.wrapper.setDragDropControl(f.other);
        accept = true;
    });
    int drops = 0;
    f.wrapper.setOnUserDrop([&](QObject*, TMyDropDataList&, TShiftState, const QPoint& Point,
                                TMyAllowedDropEffects, TMyDropEffect&) {
        point = Point;
        ++drops;
    });
    QMimeData data;
    data.setText("x");
    const Drag drag{&data, Qt::NoModifier, kAllActions, QPoint(3, 4)};
    // The running entry completes with the handler's answer.
    QVERIFY(Enter(f.client(), drag).accepted);
    QCOMPARE(point, QPoint(3, 4));
    QCOMPARE(f.wrapper.registeredWindow(), f.other->viewport());
    QVERIFY(f.wrapper.IsInDropping());
    QVERIFY(!f.list->acceptDrops());
    // Qt ends that drag on the old control; the next one lands on the new
    // control, with points in its coordinates.
    Leave(f.client());
    QVERIFY(Enter(f.other->viewport(), drag).accepted);
    QVERIFY(Drop(f.other->viewport(), drag).accepted);
    QCOMPARE(drops, 1);
    QCOMPARE(point, QPoint(3, 4));
}

void TestDropWrap::handlerFreesWrapperDuringDrop() {
    QListWidget list;
    auto* wrapper = new TMyOLEDragDropInterface(nullptr);
    wrapper->setDragDropControl(&list);
    wrapper->setDragDropMode(ddmUserData);
    wrapper->setOnUserDropEnter([](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
                                   TMyAllowedDropEffects, bool& accept) { accept = true; });
    wrapper->setOnUserDrop([&](QObject*, TMyDropDataList& DropData, TShiftState, const QPoint&,
                               TMyAllowedDropEffects, TMyDropEffect& DropEffect) {
        DropData.GetDataCopy("text/plain");
        DropEffect = deCopy;
        delete wrapper;
        wrapper = nullptr;
    });
    QMimeData data;
    data.setText("x");
    QVERIFY(Enter(list.viewport(), {&data}).accepted);
    const Answer drop = Drop(list.viewport(), {&data});
    QCOMPARE(wrapper, nullptr);
    QVERIFY(drop.accepted);
    QCOMPARE(drop.action, Qt::CopyAction);
    QVERIFY(!list.acceptDrops());
}

QTEST_MAIN(TestDropWrap)
#include "tst_dropwrap.moc"
