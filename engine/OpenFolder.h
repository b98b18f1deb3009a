#pragma once

#include <fcntl.h>

#include <QByteArray>
#include <QtGlobal>
#include <optional>

#include "engine/ListedFiles.h"

// The folder of the rows being renamed, opened once for all its files: each
// test and rename then names the file within it, and the kernel does not walk
// the whole path again for every call. The rows of a folder follow each other.
// A folder that cannot be opened is addressed by path. Its device tells
// which file system its renames go to.
class OpenFolder {
public:
    OpenFolder() = default;
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    ~OpenFolder() { close(); }

    // The descriptor to use for the files of folder, or AT_FDCWD when the
    // folder could not be opened and full paths are needed.
    int descriptorFor(const QByteArray& folder);

    // How a name within folder is given to the calls on descriptor: the name
    // itself, or the folder and the name joined when there is no descriptor.
    // The device of the folder last opened; none when it could not be opened.
    std::optional<quint64> device() const { return m_device; }

    static QByteArray at(int descriptor, const QByteArray& folder, const QByteArray& name);

    // Whether the folder last opened held `name` (a name within it) as a
    // regular file: its listing is read at the first question after it was
    // opened and answers for all its rows. False tells nothing, and the disk
    // is to be asked: the name may be a link, or of a file system whose
    // listings give no types, or be newer than the listing.
    bool listsFile(const QByteArray& name);
    // The file `name` was renamed away: the listing no longer answers for it.
    void renamed(const QByteArray& name) { m_listed.forget(name); }

private:
    void close();

    QByteArray m_path;
    int m_fd = AT_FDCWD;
    bool m_readable = false;  // m_fd can be read, not only named
    std::optional<quint64> m_device;
    ListedFiles m_listed;
    bool m_listingRead = false;
    // A file system whose listings gave no types: its folders are not listed.
    std::optional<quint64> m_untypedDevice;
};
