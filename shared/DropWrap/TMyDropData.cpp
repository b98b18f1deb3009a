#include "shared/DropWrap/TMyDropData.h"

#include "shared/DropWrap/EMyOLEDragDropInterfaceException.h"
#include "shared/General/Texts.h"

namespace {

[[noreturn]] void ThrowCouldNotGetData(quint32 code) {
    throw EMyOLEDragDropInterfaceException(
        Text(Texts::kDropCouldNotGetData) +
        QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

}  // namespace

TMyDropData::TMyDropData(const QMimeData* dataObject, const QString& format, int index)
    : m_dataObject(dataObject), m_format(format), m_index(index) {}

TMyDropData::~TMyDropData() {
    Unlock();
}

void TMyDropData::FetchData() {
    if (m_fetched)
        return;
    if (!m_dataObject)
        ThrowCouldNotGetData(kDataObjectGone);
    if (!m_dataObject->hasFormat(m_format))
        ThrowCouldNotGetData(kFormatNotOffered);
    m_block = m_dataObject->data(m_format);
    m_fetched = true;
    m_locked = false;
}

void TMyDropData::Lock() {
    if (m_locked)
        return;
    FetchData();
    m_locked = true;
}

bool TMyDropData::Unlock() {
    const bool wasLocked = m_locked && m_fetched;
    m_locked = false;
    return wasLocked;
}

qsizetype TMyDropData::DataSize() {
    FetchData();
    return m_block.size();
}

const char* TMyDropData::DataPointer() {
    Lock();
    return m_block.constData();
}

void TMyDropData::ReleaseAndFree() {
    Unlock();
    if (m_fetched) {
        m_block = QByteArray();
        m_fetched = false;
    }
}
