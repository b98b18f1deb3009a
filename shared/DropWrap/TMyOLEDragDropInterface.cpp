#include "shared/DropWrap/TMyOLEDragDropInterface.h"

#include <QAbstractScrollArea>
#include <QEvent>

#include "shared/General/Texts.h"

QWidget* TMyOLEDragDropInterface::clientWidgetOf(QWidget* control) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        if (area->viewport())
            return area->viewport();
    }
    return control;
}

TMyOLEDragDropInterface::TMyOLEDragDropInterface(QObject* owner)
    : QObject(owner), m_dropObject(std::make_shared<TMyDropObject>(this)) {}

TMyOLEDragDropInterface::~TMyOLEDragDropInterface() {
    try {
        setDragDropControl(nullptr);
    } catch (...) {
        // Nothing may stop the component from going away.
    }
}

void TMyOLEDragDropInterface::setDragDropControl(QWidget* control) {
    QWidget* window = control ? clientWidgetOf(control) : nullptr;
    if (control == m_control.data() && window == m_registeredWindow.data())
        return;
    if (m_control || m_registeredWindow) {
        revoke();
        m_control = nullptr;
    }
    if (control && window) {
        m_controlAcceptedDrops = control->acceptDrops();
        m_windowAcceptedDrops = window->acceptDrops();
        m_registeredWindow = window;
        control->setAcceptDrops(true);
        window->setAcceptDrops(true);
        window->installEventFilter(this);
    }
    m_control = control;
}

void TMyOLEDragDropInterface::revoke() {
    // A control destroyed meanwhile took its filter with it; the pointers are
    // null then and there is nothing left to undo.
    if (QWidget* window = m_registeredWindow.data()) {
        window->removeEventFilter(this);
        if (QWidget* control = m_control.data())
            control->setAcceptDrops(m_controlAcceptedDrops);
        window->setAcceptDrops(m_windowAcceptedDrops);
    }
    m_registeredWindow = nullptr;
}

void TMyOLEDragDropInterface::setDragDropMode(TDragDropMode mode) {
    if (mode == m_mode)
        return;
    if (IsInDragging())
        throw EMyOLEDragDropInterfaceException(Text(Texts::kDropModeWhileDragging));
    m_mode = mode;
}

bool TMyOLEDragDropInterface::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            break;
        default:
            return QObject::eventFilter(watched, event);
    }
    if (watched != m_registeredWindow.data())
        return QObject::eventFilter(watched, event);
    // This event's own reference: a handler may free the wrapper, and from here
    // on nothing touches the wrapper's members.
    const std::shared_ptr<TMyDropObject> target = m_dropObject;
    target->handleEvent(static_cast<QWidget*>(watched), event);
    return true;
}
