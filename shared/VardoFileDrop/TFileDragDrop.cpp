#include "shared/VardoFileDrop/TFileDragDrop.h"

#include <QCoreApplication>

#include "shared/DropWrap/TMyOLEDragDropInterface.h"
#include "shared/VardoFileDrop/UriListNames.h"

namespace {

// Copy is the only effect reported, and only when the source allows it.
TMyDropEffect CopyIfAllowed(TMyAllowedDropEffects allowed) {
    return allowed.contains(deCopy) ? deCopy : deNone;
}

}  // namespace

TFileDragDrop::TFileDragDrop(QObject* owner)
    : QObject(owner), m_dragDrop(new TMyOLEDragDropInterface(this)) {
    m_dragDrop->setDragDropMode(ddmUserData);
    m_dragDrop->setOnUserDropEnter([this](QObject*, TMyDropDataList& DropData, TShiftState,
                                          const QPoint&, TMyAllowedDropEffects, bool& accept) {
        accept = DropData.IndexOfFormat(QLatin1String(kFileListFormat)) >= 0 &&
                 static_cast<bool>(m_onFileDrop);
        if (m_dragDrop->IsInDragging())
            accept = false;
    });
    m_dragDrop->setOnUserDropping(
        [](QObject*, TMyDropDataList&, TShiftState, const QPoint&,
           TMyAllowedDropEffects AllowedDropEffects,
           TMyDropEffect& DropEffect) { DropEffect = CopyIfAllowed(AllowedDropEffects); });
    m_dragDrop->setOnUserDrop([this](QObject*, TMyDropDataList& DropData, TShiftState,
                                     const QPoint&, TMyAllowedDropEffects AllowedDropEffects,
                                     TMyDropEffect& DropEffect) {
        DropEffect = CopyIfAllowed(AllowedDropEffects);
        if (DropEffect == deNone)
            return;
        try {
            deliverNames(DropData.GetDataCopy(QLatin1String(kFileListFormat)));
        } catch (...) {
            // A failed drop stays silent; the source is still told copy.
        }
    });
}

TFileDragDrop::~TFileDragDrop() {
    delete m_dragDrop.data();
}

TMyOLEDragDropInterface* TFileDragDrop::dragDrop() const {
    return m_dragDrop.data();
}

QWidget* TFileDragDrop::DropControl() const {
    return m_dragDrop ? m_dragDrop->DragDropControl() : nullptr;
}

void TFileDragDrop::setDropControl(QWidget* control) {
    m_dragDrop->setDragDropControl(control);
}

void TFileDragDrop::deliverNames(const QByteArray& block) {
    if (block.isEmpty())
        return;
    const QPointer<TFileDragDrop> self(this);
    if (QWidget* control = DropControl()) {
        if (QWidget* window = control->window()) {
            window->raise();
            window->activateWindow();
        }
    }
    // Let the windows repaint now that the drag is over, before the names
    // are handled.
    QCoreApplication::processEvents();
    if (!self)
        return;
    const QStringList names = UriListToStrings(block, kNameBudget);
    // A copy: the handler may free this component.
    const TFilesDropped handler = m_onFileDrop;
    if (handler)
        handler(this, names);
}
