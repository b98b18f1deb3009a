#include "cli/ChunkWriter.h"

ChunkWriter::ChunkWriter(std::FILE* stream)
    : m_stream(stream), m_buffer(std::make_unique_for_overwrite<char[]>(kChunkSize)) {}

void ChunkWriter::write(const char* data, qsizetype size) {
    const size_t count = static_cast<size_t>(size);
    if (!m_failed && count > 0 && std::fwrite(data, 1, count, m_stream) != count)
        m_failed = true;
}

void ChunkWriter::flush() {
    write(m_buffer.get(), m_used);
    m_used = 0;
}

bool ChunkWriter::finish() {
    flush();
    if (std::fflush(m_stream) != 0 || std::ferror(m_stream))
        m_failed = true;
    return !m_failed;
}
