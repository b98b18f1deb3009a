#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "shared/DropWrap/DropTypes.h"

class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QEvent;
class QMimeData;
class QWidget;
class TMyOLEDragDropInterface;

// The drop target behind a wrapper: it turns the drag events of the registered
// widget into the wrapper's events. It is shared-owned: the wrapper holds it,
// and every event in progress holds it too, so a handler that moves or frees
// the wrapper does not pull it away under the running event.
class TMyDropObject {
public:
    // Optional replacements for the four operations; each answers whether the
    // event is accepted and may set the event's drop action itself.
    struct Hooks {
        std::function<bool(QDragEnterEvent*)> enter;
        std::function<bool(QDragMoveEvent*)> over;
        std::function<bool(QDragLeaveEvent*)> leave;
        std::function<bool(QDropEvent*)> drop;
    };

    explicit TMyDropObject(TMyOLEDragDropInterface* owner);
    ~TMyDropObject();
    TMyDropObject(const TMyDropObject&) = delete;
    TMyDropObject& operator=(const TMyDropObject&) = delete;

    // Handles one drag event of the registered widget. Never throws.
    void handleEvent(QWidget* receiver, QEvent* event);

    // The list of the drag in progress (user-data mode); null when none is held.
    TMyDropDataList* currentList() const { return m_list.get(); }
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

private:
    void dragEnter(QWidget* receiver, QDragEnterEvent* event);
    void dragOver(QWidget* receiver, QDragMoveEvent* event);
    void dragLeave(QDragLeaveEvent* event);
    void drop(QWidget* receiver, QDropEvent* event);
    void finishEntry(bool accepted);
    // Replaces a list held for another data object; creates one when none is held.
    void useListFor(const QMimeData* dataObject);
    // Where the drag is, in the client coordinates of the wrapper's control now.
    QPoint clientPoint() const;
    // Calls a copy of the handler with the client point; errors end here.
    template <typename Handler, typename Call>
    void dispatch(const Handler& handler, Call call);

    QPointer<TMyOLEDragDropInterface> m_owner;
    std::shared_ptr<TMyDropDataList> m_list;
    Hooks m_hooks;
    // Whether the current drag was accepted at entry. Qt routes moves and
    // drops to the widget that accepted the entry; should one arrive after a
    // refused entry all the same, it stays refused.
    bool m_entered = false;
};
