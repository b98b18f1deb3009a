#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A file system that ignores letter case, for tests: an 8 MiB exFAT image on
// a loop device, mounted through FUSE in a temporary folder. Needs root,
// /dev/fuse, a free loop device and the tools of the packages exfat-fuse and
// exfatprogs. The image, its device and the mount are undone in reverse order
// when the object goes, also when the set-up stopped half-way.
class ExfatMount {
public:
    ExfatMount() = default;
    ExfatMount(const ExfatMount&) = delete;
    ExfatMount& operator=(const ExfatMount&) = delete;
    ~ExfatMount();

    // Returns an empty text when the mount is ready, else why it is not: the
    // reason a test gives when it skips.
    QString setUp();

    // The mount point.
    QByteArray path() const;

private:
    QTemporaryDir m_work;
    QString m_device;
    QString m_mounted;
};
