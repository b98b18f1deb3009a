#pragma once

// Real Qt drag events sent straight to a widget, as Qt delivers them to the
// widget under the cursor during a drag, and the answer the widget gave.

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMap>
#include <QMimeData>
#include <QWidget>

namespace DragEvents {

inline constexpr Qt::DropActions kAllActions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// Data as a drag from another program brings it: the bytes exactly as sent.
// (QMimeData::setData rewrites a text/uri-list through QUrl.)
class RawMimeData : public QMimeData {
public:
    void setRaw(const QString& format, const QByteArray& bytes) { m_raw.insert(format, bytes); }
    QStringList formats() const override { return m_raw.keys(); }
    bool hasFormat(const QString& format) const override { return m_raw.contains(format); }

protected:
    QVariant retrieveData(const QString& format, QMetaType) const override {
        return m_raw.contains(format) ? QVariant(m_raw.value(format)) : QVariant();
    }

private:
    QMap<QString, QByteArray> m_raw;
};

struct Answer {
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

struct Drag {
    const QMimeData* data = nullptr;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    Qt::DropActions actions = kAllActions;
    QPoint position{5, 6};
    Qt::MouseButtons buttons = Qt::LeftButton;
};

template <typename Event>
Answer Send(QWidget* target, Event& event) {
    QCoreApplication::sendEvent(target, &event);
    return {event.isAccepted(), event.dropAction()};
}

inline Answer Enter(QWidget* target, const Drag& drag) {
    QDragEnterEvent event(drag.position, drag.actions, drag.data, drag.buttons, drag.modifiers);
    return Send(target, event);
}

inline Answer Move(QWidget* target, const Drag& drag) {
    QDragMoveEvent event(drag.position, drag.actions, drag.data, drag.buttons, drag.modifiers);
    return Send(target, event);
}

inline Answer Drop(QWidget* target, const Drag& drag) {
    QDropEvent event(QPointF(drag.position), drag.actions, drag.data, drag.buttons, drag.modifiers);
    return Send(target, event);
}

inline void Leave(QWidget* target) {
    QDragLeaveEvent event;
    QCoreApplication::sendEvent(target, &event);
}

// Enter, one move and the drop, as a drag across the widget goes.
inline Answer EnterMoveDrop(QWidget* target, const Drag& drag) {
    if (!Enter(target, drag).accepted)
        return {};
    Move(target, drag);
    return Drop(target, drag);
}

}  // namespace DragEvents
