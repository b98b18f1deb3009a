#pragma once

#include <QByteArray>
#include <QMimeData>
#include <QPointer>
#include <QString>

// One format that a drag source offers: a MIME type of the drag's QMimeData.
// Its data is fetched only when a handler first asks for its size or contents,
// so a drag that merely passes over the control transfers nothing.
class TMyDropData {
public:
    // Failure codes in the "Could not get Data." message.
    static constexpr quint32 kDataObjectGone = 0x80004005;    // the drag's data went away
    static constexpr quint32 kFormatNotOffered = 0x80040064;  // the source dropped the format

    TMyDropData(const QMimeData* dataObject, const QString& format, int index = -1);
    ~TMyDropData();
    TMyDropData(const TMyDropData&) = delete;
    TMyDropData& operator=(const TMyDropData&) = delete;

    const QString& format() const { return m_format; }
    int index() const { return m_index; }

    void FetchData();
    void Lock();
    // True when a block was locked.
    bool Unlock();
    qsizetype DataSize();
    const char* DataPointer();
    bool isFetched() const { return m_fetched; }
    bool isLocked() const { return m_locked; }
    // Unlocks and gives the fetched block back; the item holds no data afterwards.
    void ReleaseAndFree();

private:
    QPointer<const QMimeData> m_dataObject;
    QString m_format;
    int m_index;
    QByteArray m_block;
    bool m_fetched = false;
    bool m_locked = false;
};
