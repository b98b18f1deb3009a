#include "engine/OpenFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include "engine/FolderListing.h"

int OpenFolder::descriptorFor(const QByteArray& folder) {
    if (!m_path.isNull() && folder == m_path)
        return m_fd;
    close();
    // Opened to be read, so that its listing comes from the same descriptor;
    // a folder one may only pass through is opened as a path.
    m_readable = false;
    if (!folder.contains('\0')) {
        m_fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        m_readable = m_fd >= 0;
        if (m_fd < 0)
            m_fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (m_fd < 0)
        m_fd = AT_FDCWD;
    struct stat st {};
    m_device.reset();
    if (m_fd >= 0 && ::fstat(m_fd, &st) == 0)
        m_device = static_cast<quint64>(st.st_dev);
    m_path = folder;
    return m_fd;
}

QByteArray OpenFolder::at(int descriptor, const QByteArray& folder, const QByteArray& name) {
    return descriptor == AT_FDCWD ? JoinPath(folder, name) : name;
}

bool OpenFolder::listsFile(const QByteArray& name) {
    if (!m_listingRead) {
        m_listingRead = true;
        bool typesGiven = false;
        if (m_readable && m_device && m_device != m_untypedDevice &&
            m_listed.read(m_fd, &typesGiven) && !typesGiven)
            m_untypedDevice = m_device;
    }
    return m_listed.holds(name);
}

void OpenFolder::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = AT_FDCWD;
    m_path = QByteArray();
    m_listed.clear();
    m_listingRead = false;
}
