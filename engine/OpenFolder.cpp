#include "engine/OpenFolder.h"

#include <unistd.h>

#include "engine/FolderListing.h"

int OpenFolder::descriptorFor(const QByteArray& folder) {
    if (!m_path.isNull() && folder == m_path)
        return m_fd;
    close();
    if (!folder.contains('\0'))
        m_fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        m_fd = AT_FDCWD;
    m_path = folder;
    return m_fd;
}

QByteArray OpenFolder::at(int descriptor, const QByteArray& folder, const QByteArray& name) {
    return descriptor == AT_FDCWD ? JoinPath(folder, name) : name;
}

void OpenFolder::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = AT_FDCWD;
    m_path = QByteArray();
}
