#pragma once

#include <QByteArray>
#include <cstdio>
#include <cstring>
#include <memory>

// Collects output in a buffer and hands it to the stream in big chunks, so
// that a list of a hundred thousand rows costs few writes.
class ChunkWriter {
public:
    explicit ChunkWriter(std::FILE* stream);
    ChunkWriter(const ChunkWriter&) = delete;
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    void append(const QByteArray& bytes) { put(bytes.constData(), bytes.size()); }
    void append(const char* text) { put(text, static_cast<qsizetype>(std::strlen(text))); }
    void append(char c) { put(&c, 1); }
    // Writes what is left and flushes the stream; false when any write failed.
    bool finish();

private:
    void put(const char* data, qsizetype size) {
        if (m_used + size > kChunkSize) {
            flush();
            if (size > kChunkSize) {
                write(data, size);
                return;
            }
        }
        std::memcpy(m_buffer.get() + m_used, data, static_cast<size_t>(size));
        m_used += size;
    }
    void flush();
    void write(const char* data, qsizetype size);

    static constexpr qsizetype kChunkSize = 256 * 1024;
    std::FILE* m_stream;
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_used = 0;
    bool m_failed = false;
};
