#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "shared/DropWrap/DropTypes.h"
#include "shared/DropWrap/EMyOLEDragDropInterfaceException.h"
#include "shared/DropWrap/TMyDropDataList.h"
#include "shared/DropWrap/TMyDropObject.h"

// Makes one widget a drop target and turns its drag events into events of its
// own, in string mode (only the private string format, delivered by
// OnStringDrop) or in user-data mode (the handlers decide, over the list of
// offered formats). No handler error ever reaches Qt.
//
// Registering a control means setAcceptDrops(true) on it and an event filter
// for its drag events on its client widget: the viewport of a scroll area
// (Qt delivers a list box's drag events there), else the control itself.
// Points handed to the events are in that client widget's coordinates.
//
// The drag-side members exist for a complete interface only: Norvane never
// starts a drag, so IsInDragging stays false and those events are never raised.
class TMyOLEDragDropInterface : public QObject {
    Q_OBJECT

public:
    explicit TMyOLEDragDropInterface(QObject* owner);
    ~TMyOLEDragDropInterface() override;

    bool IsInDragging() const { return false; }
    bool IsInDropping() const { return m_isInDropping; }

    QWidget* DragDropControl() const { return m_control.data(); }
    // Moves the registration to the control; none only revokes. Writing the
    // control already registered does nothing.
    void setDragDropControl(QWidget* control);

    TDragDropMode DragDropMode() const { return m_mode; }
    void setDragDropMode(TDragDropMode mode);

    const TMyStringDropEvent& OnStringDrop() const { return m_onStringDrop; }
    void setOnStringDrop(TMyStringDropEvent handler) { m_onStringDrop = std::move(handler); }
    const TMyUserDropEnterEvent& OnUserDropEnter() const { return m_onUserDropEnter; }
    void setOnUserDropEnter(TMyUserDropEnterEvent handler) {
        m_onUserDropEnter = std::move(handler);
    }
    const TMyUserDropEvent& OnUserDropping() const { return m_onUserDropping; }
    void setOnUserDropping(TMyUserDropEvent handler) { m_onUserDropping = std::move(handler); }
    const TMyUserDropExitEvent& OnUserDropExit() const { return m_onUserDropExit; }
    void setOnUserDropExit(TMyUserDropExitEvent handler) { m_onUserDropExit = std::move(handler); }
    const TMyUserDropEvent& OnUserDrop() const { return m_onUserDrop; }
    void setOnUserDrop(TMyUserDropEvent handler) { m_onUserDrop = std::move(handler); }

    // Drag side, never raised.
    const TMyStringDragEvent& OnStringDragFinished() const { return m_onStringDragFinished; }
    void setOnStringDragFinished(TMyStringDragEvent handler) {
        m_onStringDragFinished = std::move(handler);
    }
    const TMyUserDragEndEvent& OnUserDragEnd() const { return m_onUserDragEnd; }
    void setOnUserDragEnd(TMyUserDragEndEvent handler) { m_onUserDragEnd = std::move(handler); }
    const TLateRenderEvent& OnLateRender() const { return m_onLateRender; }
    void setOnLateRender(TLateRenderEvent handler) { m_onLateRender = std::move(handler); }

    TMyDropObject* DropTarget() const { return m_dropObject.get(); }
    // The widget that Qt hands a control's drag events to, and whose
    // coordinates are the control's client coordinates.
    static QWidget* clientWidgetOf(QWidget* control);

    // State of the last drag, for the owner's inspection.
    QWidget* registeredWindow() const { return m_registeredWindow.data(); }
    TMyAllowedDropEffects AcceptedDropEffects() const { return m_acceptedDropEffects; }
    TMyAllowedDropEffects AllowedDropEffects() const { return m_allowedDropEffects; }
    QPoint DropPoint() const { return m_dropPoint; }
    TMyDropEffect lastDropEffect() const { return m_lastDropEffect; }
    const QString& DropString() const { return m_dropString; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TMyDropObject;

    void revoke();

    QPointer<QWidget> m_control;
    QPointer<QWidget> m_registeredWindow;
    // What the control and its client widget accepted before registration.
    bool m_controlAcceptedDrops = false;
    bool m_windowAcceptedDrops = false;
    std::shared_ptr<TMyDropObject> m_dropObject;
    TDragDropMode m_mode = ddmString;
    bool m_isInDropping = false;
    TMyAllowedDropEffects m_acceptedDropEffects{deCopy, deMove, deLink};
    // Drag side: what a drag from the control would allow.
    TMyAllowedDropEffects m_dragAllowedDropEffects{deCopy, deMove, deLink};
    TMyAllowedDropEffects m_allowedDropEffects{deNone};
    QPoint m_dropPoint;
    TMyDropEffect m_lastDropEffect = deNone;
    QString m_dropString;

    TMyStringDropEvent m_onStringDrop;
    TMyStringDragEvent m_onStringDragFinished;
    TMyUserDropEnterEvent m_onUserDropEnter;
    TMyUserDropEvent m_onUserDropping;
    TMyUserDropExitEvent m_onUserDropExit;
    TMyUserDropEvent m_onUserDrop;
    TMyUserDragEndEvent m_onUserDragEnd;
    TLateRenderEvent m_onLateRender;
};
