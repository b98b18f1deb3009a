#include "shared/DropWrap/TMyDropObject.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include "shared/DropWrap/DropConversions.h"
#include "shared/DropWrap/TMyOLEDragDropInterface.h"

namespace {

QPoint ScreenPointOf(QWidget* receiver, const QDropEvent* event) {
    return receiver->mapToGlobal(event->position().toPoint());
}

int KeyStateOfEvent(const QDropEvent* event) {
    return KeyStateOf(event->modifiers(), event->buttons());
}

// Answers a move or a drop: an effect of none refuses the drop at this point.
void Answer(QDropEvent* event, int effectMask) {
    event->setDropAction(static_cast<Qt::DropAction>(effectMask));
    event->setAccepted(effectMask != kEffectNone);
}

}  // namespace

TMyDropObject::TMyDropObject(TMyOLEDragDropInterface* owner) : m_owner(owner) {}

TMyDropObject::~TMyDropObject() = default;

void TMyDropObject::handleEvent(QWidget* receiver, QEvent* event) {
    try {
        switch (event->type()) {
            case QEvent::DragEnter:
                dragEnter(receiver, static_cast<QDragEnterEvent*>(event));
                break;
            case QEvent::DragMove:
                dragOver(receiver, static_cast<QDragMoveEvent*>(event));
                break;
            case QEvent::DragLeave:
                dragLeave(static_cast<QDragLeaveEvent*>(event));
                break;
            case QEvent::Drop:
                drop(receiver, static_cast<QDropEvent*>(event));
                break;
            default:
                break;
        }
    } catch (...) {
        // Anything unforeseen (memory running out) refuses the drag; Qt
        // never sees the error.
        event->ignore();
        m_entered = false;
        if (m_owner)
            m_owner->m_isInDropping = false;
    }
}

template <typename Handler, typename Call>
void TMyDropObject::dispatch(const Handler& handler, Call call) {
    if (!handler)
        return;
    // Copies: a handler may free the wrapper that holds the handler, and a
    // nested event may replace the list.
    const Handler running = handler;
    const std::shared_ptr<TMyDropDataList> list = m_list;
    try {
        call(running, clientPoint());
        if (list)
            list->UnlockAll();
    } catch (...) {
        // A handler's error never reaches Qt, and the user sees nothing.
    }
}

QPoint TMyDropObject::clientPoint() const {
    TMyOLEDragDropInterface* owner = m_owner.data();
    QWidget* control = owner ? owner->DragDropControl() : nullptr;
    if (!control)
        return owner ? owner->m_dropPoint : QPoint();
    return TMyOLEDragDropInterface::clientWidgetOf(control)->mapFromGlobal(owner->m_dropPoint);
}

void TMyDropObject::useListFor(const QMimeData* dataObject) {
    if (m_list && m_list->DataObject() != dataObject)
        m_list.reset();
    if (!m_list)
        m_list = std::make_shared<TMyDropDataList>(dataObject);
}

void TMyDropObject::finishEntry(bool accepted) {
    m_entered = accepted;
    if (m_owner)
        m_owner->m_isInDropping = accepted;
}

void TMyDropObject::dragEnter(QWidget* receiver, QDragEnterEvent* event) {
    if (m_hooks.enter) {
        const auto hook = m_hooks.enter;
        const bool accepted = hook(event);
        event->setAccepted(accepted);
        finishEntry(accepted);
        return;
    }
    TMyOLEDragDropInterface* owner = m_owner.data();
    const QMimeData* data = event->mimeData();
    bool accepted = false;
    int effect = kEffectNone;
    if (owner && data) {
        const int keyState = KeyStateOfEvent(event);
        const TMyAllowedDropEffects acceptedEffects = owner->m_acceptedDropEffects;
        if (owner->m_mode == ddmString) {
            accepted = data->hasFormat(QLatin1String(kStringDropFormat));
        } else {
            useListFor(data);
            owner->m_dropPoint = ScreenPointOf(receiver, event);
            owner->m_allowedDropEffects =
                DropEffectsToSet(static_cast<int>(event->possibleActions()));
            const TMyAllowedDropEffects allowed = owner->m_allowedDropEffects;
            const std::shared_ptr<TMyDropDataList> list = m_list;
            dispatch(owner->m_onUserDropEnter, [&](const auto& handler, const QPoint& point) {
                handler(owner, *list, KeyStateToShift(keyState), point, allowed, accepted);
            });
            if (!accepted)
                m_list.reset();
        }
        if (accepted)
            effect = SuggestDropEffect(keyState, acceptedEffects);
    }
    // A refused entry leaves the event's drop action as Qt proposed it.
    if (accepted) {
        event->setDropAction(static_cast<Qt::DropAction>(effect));
        event->accept();
    } else {
        event->ignore();
    }
    finishEntry(accepted);
}

void TMyDropObject::dragOver(QWidget* receiver, QDragMoveEvent* event) {
    if (m_hooks.over) {
        const auto hook = m_hooks.over;
        event->setAccepted(hook(event));
        return;
    }
    TMyOLEDragDropInterface* owner = m_owner.data();
    if (!owner || !m_entered) {
        event->ignore();
        return;
    }
    const int keyState = KeyStateOfEvent(event);
    int effect = SuggestDropEffect(keyState, owner->m_acceptedDropEffects);
    if (owner->m_mode == ddmUserData && m_list) {
        owner->m_dropPoint = ScreenPointOf(receiver, event);
        TMyDropEffect dropEffect = MaskToDropEffect(effect);
        const TMyAllowedDropEffects allowed = owner->m_allowedDropEffects;
        const std::shared_ptr<TMyDropDataList> list = m_list;
        dispatch(owner->m_onUserDropping, [&](const auto& handler, const QPoint& point) {
            handler(owner, *list, KeyStateToShift(keyState), point, allowed, dropEffect);
        });
        effect = DropEffectToMask(dropEffect);
    }
    Answer(event, effect);
}

void TMyDropObject::dragLeave(QDragLeaveEvent* event) {
    if (m_hooks.leave) {
        const auto hook = m_hooks.leave;
        event->setAccepted(hook(event));
        finishEntry(false);
        return;
    }
    TMyOLEDragDropInterface* owner = m_owner.data();
    if (owner && owner->m_mode == ddmUserData && m_list) {
        // The list stays: the same drag may come back.
        const std::shared_ptr<TMyDropDataList> list = m_list;
        dispatch(owner->m_onUserDropExit,
                 [&](const auto& handler, const QPoint&) { handler(owner, *list); });
    }
    event->accept();
    finishEntry(false);
}

void TMyDropObject::drop(QWidget* receiver, QDropEvent* event) {
    if (m_hooks.drop) {
        const auto hook = m_hooks.drop;
        event->setAccepted(hook(event));
        finishEntry(false);
        return;
    }
    TMyOLEDragDropInterface* owner = m_owner.data();
    const QMimeData* data = event->mimeData();
    if (!owner || !data || !m_entered) {
        event->ignore();
        finishEntry(false);
        return;
    }
    const int keyState = KeyStateOfEvent(event);
    int effect = SuggestDropEffect(keyState, owner->m_acceptedDropEffects);
    owner->m_lastDropEffect = MaskToDropEffect(effect);
    owner->m_dropPoint = ScreenPointOf(receiver, event);
    bool delivered = false;
    if (owner->m_mode == ddmString) {
        const QLatin1String format(kStringDropFormat);
        if (data->hasFormat(format)) {
            QByteArray bytes = data->data(format);
            const qsizetype end = bytes.indexOf('\0');
            if (end >= 0)
                bytes.truncate(end);
            owner->m_dropString = QString::fromUtf8(bytes);
            const QString dropString = owner->m_dropString;
            const TMyDropEffect lastEffect = owner->m_lastDropEffect;
            dispatch(owner->m_onStringDrop, [&](const auto& handler, const QPoint& point) {
                handler(owner, dropString, lastEffect, point);
            });
            delivered = true;
        }
    } else {
        useListFor(data);
        TMyDropEffect dropEffect = MaskToDropEffect(effect);
        const TMyAllowedDropEffects allowed = owner->m_allowedDropEffects;
        const std::shared_ptr<TMyDropDataList> list = m_list;
        dispatch(owner->m_onUserDrop, [&](const auto& handler, const QPoint& point) {
            handler(owner, *list, KeyStateToShift(keyState), point, allowed, dropEffect);
        });
        effect = DropEffectToMask(dropEffect);
        // Every fetched block goes back after a drop, also when the handler failed.
        list->ReleaseAll();
        if (m_list == list)
            m_list.reset();
        delivered = true;
    }
    if (delivered)
        Answer(event, effect);
    else
        event->ignore();
    finishEntry(false);
}
