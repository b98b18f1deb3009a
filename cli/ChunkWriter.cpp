#include "cli/ChunkWriter.h"

ChunkWriter::ChunkWriter(std::FILE* stream) : m_stream(stream) {
    m_buffer.reserve(kChunkSize + kChunkSize / 4);
}

void ChunkWriter::flush() {
    if (m_buffer.isEmpty())
        return;
    const size_t size = static_cast<size_t>(m_buffer.size());
    if (!m_failed && std::fwrite(m_buffer.constData(), 1, size, m_stream) != size)
        m_failed = true;
    m_buffer.resize(0);
}

bool ChunkWriter::finish() {
    flush();
    if (std::fflush(m_stream) != 0 || std::ferror(m_stream))
        m_failed = true;
    return !m_failed;
}
