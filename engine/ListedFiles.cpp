#include "engine/ListedFiles.h"

#include <dirent.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

bool ListedFiles::read(int descriptor, bool* typesGiven) {
    clear();
    *typesGiven = false;
    if (descriptor < 0)
        return false;
    constexpr std::size_t kChunkWords = 32 * 1024 / sizeof(quint64);
    std::size_t used = 0;  // bytes
    bool complete = false;
    for (;;) {
        if (m_words * sizeof(quint64) - used < kChunkWords * sizeof(quint64))
            grow(std::max(2 * m_words, kChunkWords), used);
        const std::size_t room = m_words * sizeof(quint64) - used;
        const ssize_t got = ::getdents64(descriptor, bytes() + used, room);
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    if (!complete)
        return false;
    // The names are counted only once the records no longer move.
    for (std::size_t at = 0; at < used;) {
        const auto* record = reinterpret_cast<const dirent64*>(bytes() + at);
        if (record->d_type != DT_UNKNOWN)
            *typesGiven = true;
        if (record->d_type == DT_REG)
            m_files.insert(QByteArrayView(record->d_name, std::strlen(record->d_name)));
        at += record->d_reclen;
    }
    return true;
}

void ListedFiles::clear() {
    m_files.clear();
}

void ListedFiles::grow(std::size_t words, std::size_t keptBytes) {
    std::unique_ptr<quint64[]> larger(new quint64[words]);
    if (keptBytes > 0)
        std::memcpy(larger.get(), m_records.get(), keptBytes);
    m_records = std::move(larger);
    m_words = words;
}
