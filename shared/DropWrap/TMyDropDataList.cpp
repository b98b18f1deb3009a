#include "shared/DropWrap/TMyDropDataList.h"

#include "shared/DropWrap/EMyOLEDragDropInterfaceException.h"
#include "shared/General/Texts.h"

TMyDropDataList::TMyDropDataList(const QMimeData* dataObject) : m_dataObject(dataObject) {
    if (!dataObject)
        throw EMyOLEDragDropInterfaceException(Text(Texts::kDropDragObjectNil));
}

TMyDropDataList::~TMyDropDataList() = default;

void TMyDropDataList::build() {
    // Built once: a failed enumeration is not tried again for the same list.
    if (m_built)
        return;
    m_built = true;
    if (!m_dataObject)
        throw EMyOLEDragDropInterfaceException(Text(Texts::kDropCouldNotEnumerate));
    const QStringList formats = m_dataObject->formats();
    for (const QString& format : formats)
        m_items.push_back(std::make_unique<TMyDropData>(m_dataObject.data(), format));
}

int TMyDropDataList::Count() {
    build();
    return static_cast<int>(m_items.size());
}

TMyDropData& TMyDropDataList::Items(int position) {
    build();
    if (position < 0 || position >= static_cast<int>(m_items.size()))
        throw EMyOLEDragDropInterfaceException(Text(Texts::kDropIndexOutOfBounds) +
                                               QString::number(position) + QLatin1Char(')'));
    return *m_items[static_cast<size_t>(position)];
}

int TMyDropDataList::IndexOfFormat(const QString& format, int index) {
    build();
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->format() == format && m_items[i]->index() == index)
            return static_cast<int>(i);
    }
    return -1;
}

QByteArray TMyDropDataList::GetDataCopy(const QString& format, int index) {
    const int position = IndexOfFormat(format, index);
    if (position < 0)
        throw EMyOLEDragDropInterfaceException(Text(Texts::kDropFormatNotAvailable));
    TMyDropData& item = *m_items[static_cast<size_t>(position)];
    const qsizetype size = item.DataSize();
    // An empty block gives no copy, as an allocation of nothing would.
    if (size <= 0)
        throw EMyOLEDragDropInterfaceException(Text(Texts::kDropOutOfMemoryCopy));
    // A deep copy: the handler's block must outlive the drag's data.
    return QByteArray(item.DataPointer(), size);
}

void TMyDropDataList::UnlockAll() {
    for (auto& item : m_items)
        item->Unlock();
}

void TMyDropDataList::ReleaseAll() {
    for (auto& item : m_items)
        item->ReleaseAndFree();
    m_items.clear();
}
