#pragma once

#include <QByteArray>
#include <QMimeData>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "shared/DropWrap/TMyDropData.h"

// The formats a drag source offers, as the user-data handlers see them. The
// list is built from the drag's QMimeData on first use; a format is a MIME
// type and its index is always -1.
class TMyDropDataList {
public:
    // Throws "DragObject is nil." without a data object.
    explicit TMyDropDataList(const QMimeData* dataObject);
    ~TMyDropDataList();
    TMyDropDataList(const TMyDropDataList&) = delete;
    TMyDropDataList& operator=(const TMyDropDataList&) = delete;

    // The drag's data; null once the drag's data object has been destroyed.
    const QMimeData* DataObject() const { return m_dataObject.data(); }

    int Count();
    TMyDropData& Items(int position);
    int IndexOfFormat(const QString& format, int index = -1);
    // A private copy of the format's data; the copy's size is its size.
    QByteArray GetDataCopy(const QString& format, int index = -1);
    void UnlockAll();
    // Gives every fetched block back and empties the list.
    void ReleaseAll();

private:
    void build();

    QPointer<const QMimeData> m_dataObject;
    std::vector<std::unique_ptr<TMyDropData>> m_items;
    bool m_built = false;
};
