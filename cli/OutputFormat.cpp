#include "cli/OutputFormat.h"

#include <array>

#include "cli/ChunkWriter.h"
#include "cli/RowBytes.h"
#include "cli/TableOutput.h"
#include "engine/ResultRow.h"

namespace {

// Tab, line feed and carriage return would split a record or a field; the
// backslash is escaped so that the escapes can be undone without doubt.
void AppendTsvField(ChunkWriter& out, const QByteArray& bytes) {
    bool plain = true;
    for (const char c : bytes) {
        if (c == '\t' || c == '\n' || c == '\r' || c == '\\') {
            plain = false;
            break;
        }
    }
    if (plain) {
        out.append(bytes);
        return;
    }
    QByteArray escaped;
    escaped.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        switch (c) {
            case '\t':
                escaped.append("\\t");
                break;
            case '\n':
                escaped.append("\\n");
                break;
            case '\r':
                escaped.append("\\r");
                break;
            case '\\':
                escaped.append("\\\\");
                break;
            default:
                escaped.append(c);
        }
    }
    out.append(escaped);
}

void WriteTsv(ChunkWriter& out, const QVector<ResultRow>& rows) {
    for (const ResultRow& row : rows) {
        const std::array<QByteArray, 4> fields = RowFieldBytes(row);
        for (int c = 0; c < 4; ++c) {
            if (c > 0)
                out.append('\t');
            AppendTsvField(out, fields[c]);
        }
        out.append('\n');
    }
}

// A JSON string of valid UTF-8 text.
void AppendJsonString(ChunkWriter& out, const QByteArray& utf8) {
    static const char digits[] = "0123456789abcdef";
    QByteArray s;
    s.reserve(utf8.size() + 2);
    s.append('"');
    for (const char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                s.append("\\\"");
                break;
            case '\\':
                s.append("\\\\");
                break;
            case '\n':
                s.append("\\n");
                break;
            case '\r':
                s.append("\\r");
                break;
            case '\t':
                s.append("\\t");
                break;
            case '\b':
                s.append("\\b");
                break;
            case '\f':
                s.append("\\f");
                break;
            default:
                if (c < 0x20) {
                    s.append("\\u00");
                    s.append(digits[c >> 4]);
                    s.append(digits[c & 0xf]);
                } else {
                    s.append(ch);
                }
        }
    }
    s.append('"');
    out.append(s);
}

// A name that is not valid UTF-8 shows with replacement characters; its
// exact bytes go alongside so that a script can still reach the file.
void AppendBytesKey(ChunkWriter& out, const char* key, const QByteArray& bytes,
                    const QByteArray& utf8) {
    if (bytes == utf8)
        return;
    out.append(", \"");
    out.append(key);
    out.append("\": \"");
    out.append(bytes.toBase64());
    out.append('"');
}

void WriteJson(ChunkWriter& out, const QVector<ResultRow>& rows) {
    if (rows.isEmpty()) {
        out.append("[]\n");
        return;
    }
    out.append("[\n");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ResultRow& row = rows.at(i);
        const QByteArray existing = row.existing.toUtf8();
        const QByteArray folder = row.folder.toUtf8();
        out.append("{\"existing\": ");
        AppendJsonString(out, existing);
        out.append(", \"new\": ");
        AppendJsonString(out, row.newName.toUtf8());
        out.append(", \"status\": ");
        AppendJsonString(out, row.status.toUtf8());
        out.append(", \"folder\": ");
        AppendJsonString(out, folder);
        AppendBytesKey(out, "existing_bytes", ExistingBytes(row), existing);
        AppendBytesKey(out, "folder_bytes", FolderBytes(row), folder);
        out.append(i + 1 < rows.size() ? "},\n" : "}\n");
    }
    out.append("]\n");
}

}  // namespace

std::optional<OutputFormat> ParseOutputFormat(const QString& text) {
    const QString name = text.toLower();
    if (name == QLatin1String("table"))
        return OutputFormat::Table;
    if (name == QLatin1String("tsv"))
        return OutputFormat::Tsv;
    if (name == QLatin1String("json"))
        return OutputFormat::Json;
    return std::nullopt;
}

bool WriteRows(std::FILE* stream, const QVector<ResultRow>& rows, OutputFormat format) {
    ChunkWriter out(stream);
    switch (format) {
        case OutputFormat::Table:
            WriteTable(out, rows);
            break;
        case OutputFormat::Tsv:
            WriteTsv(out, rows);
            break;
        case OutputFormat::Json:
            WriteJson(out, rows);
            break;
    }
    return out.finish();
}
