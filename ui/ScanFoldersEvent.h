#pragma once

#include <QEvent>
#include <QString>

// The window's private scan request, posted once for each folder a drop
// added: scan the input folder list from position first to last. It carries
// the folder's path too, so that an entry that moved in the sorted list
// before the request is handled is still the one that gets scanned.
class ScanFoldersEvent : public QEvent {
public:
    static constexpr QEvent::Type WM_SCANFOLDERS = static_cast<QEvent::Type>(1124);

    ScanFoldersEvent(int first, int last, const QString& path = {})
        : QEvent(WM_SCANFOLDERS), first(first), last(last), path(path) {}

    const int first;
    const int last;
    const QString path;
};
