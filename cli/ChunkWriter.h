#pragma once

#include <QByteArray>
#include <cstdio>

// Collects output in a large buffer and hands it to the stream in big
// chunks, so that a list of a hundred thousand rows costs few writes.
class ChunkWriter {
public:
    explicit ChunkWriter(std::FILE* stream);
    ChunkWriter(const ChunkWriter&) = delete;
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    void append(const QByteArray& bytes) {
        m_buffer.append(bytes);
        flushIfFull();
    }
    void append(const char* text) {
        m_buffer.append(text);
        flushIfFull();
    }
    void append(char c) {
        m_buffer.append(c);
        flushIfFull();
    }
    // Writes what is left and flushes the stream; false when any write failed.
    bool finish();

private:
    void flushIfFull() {
        if (m_buffer.size() >= kChunkSize)
            flush();
    }
    void flush();

    static constexpr qsizetype kChunkSize = 1 << 20;
    std::FILE* m_stream;
    QByteArray m_buffer;
    bool m_failed = false;
};
