#include "engine/FileSizer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>
#include <utility>

namespace {

// Enough for the worker never to wait on the walk; few enough that the
// duplicated descriptors stay far below the process's limit.
constexpr size_t kMostWaiting = 64;

}  // namespace

qint64 SizeOfFiles(int folderDescriptor, const QList<QByteArray>& names) {
    qint64 sum = 0;
    struct stat st;
    for (const QByteArray& name : names) {
        if (fstatat(folderDescriptor, name.constData(), &st, 0) == 0)
            sum += static_cast<qint64>(st.st_size);
    }
    return sum;
}

FileSizer::~FileSizer() {
    {
        std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_wake.notify_one();
    if (m_worker.joinable())
        m_worker.join();
    for (const Folder& folder : m_waiting)
        close(folder.descriptor);
}

void FileSizer::add(int folderDescriptor, QList<QByteArray> names) {
    if (names.isEmpty() || handOver(folderDescriptor, names))
        return;
    const qint64 size = SizeOfFiles(folderDescriptor, names);
    std::lock_guard lock(m_mutex);
    m_sum += size;
}

bool FileSizer::handOver(int folderDescriptor, QList<QByteArray>& names) {
    std::unique_lock lock(m_mutex);
    if (m_waiting.size() >= kMostWaiting)
        return false;
    if (!m_worker.joinable()) {
        try {
            m_worker = std::thread(&FileSizer::work, this);
        } catch (const std::system_error&) {
            return false;
        }
    }
    const int copy = fcntl(folderDescriptor, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return false;
    try {
        m_waiting.push_back({copy, std::move(names)});
    } catch (...) {
        close(copy);
        throw;
    }
    lock.unlock();
    m_wake.notify_one();
    return true;
}

qint64 FileSizer::collect() {
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_waiting.empty() && m_busy == 0; });
    return std::exchange(m_sum, 0);
}

void FileSizer::work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_ending || !m_waiting.empty(); });
        if (m_ending)
            return;
        Folder folder = std::move(m_waiting.front());
        m_waiting.pop_front();
        ++m_busy;
        lock.unlock();
        const qint64 size = SizeOfFiles(folder.descriptor, folder.names);
        close(folder.descriptor);
        folder.names = {};
        lock.lock();
        m_sum += size;
        --m_busy;
        if (m_waiting.empty() && m_busy == 0)
            m_done.notify_all();
    }
}
