#include "cli/OutputFormat.h"

#include "cli/ChunkWriter.h"
#include "cli/TableOutput.h"
#include "engine/ResultRow.h"
#include "engine/TsvField.h"

namespace {

// The rows of a folder share its bytes, and a run writes few different
// statuses: each of those is escaped once, not once a row.
class SharedBytesField {
public:
    const QByteArray& of(const QByteArray& bytes) {
        // The kept copy holds the bytes alive, so an equal address is equal content.
        if (bytes.constData() != m_source.constData() || bytes.size() != m_source.size()) {
            m_source = bytes;
            m_field = TsvField(bytes);
        }
        return m_field;
    }

private:
    QByteArray m_source;
    QByteArray m_field;
};

class RepeatedTextField {
public:
    const QByteArray& of(const QString& text) {
        if (m_text.isNull() || text != m_text) {
            m_text = text;
            m_field = TsvField(text.toUtf8());
        }
        return m_field;
    }

private:
    QString m_text;
    QByteArray m_field;
};

void WriteTsv(ChunkWriter& out, const QVector<ResultRow>& rows, bool checkColumn) {
    SharedBytesField folders;
    RepeatedTextField statuses;
    for (const ResultRow& row : rows) {
        out.append(TsvField(row.existingOnDisk()));
        out.append('\t');
        out.append(TsvField(row.newName.toUtf8()));
        out.append('\t');
        out.append(statuses.of(row.status));
        out.append('\t');
        out.append(folders.of(row.folderOnDisk()));
        if (checkColumn) {
            out.append('\t');
            out.append(TsvField(row.check().toUtf8()));
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

// A name that is not valid UTF-8 shows as it was read in the legacy
// encoding; its exact bytes go alongside so that a script can still reach
// the file.
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
        const QByteArray folder = row.folder().toUtf8();
        out.append("{\"existing\": ");
        AppendJsonString(out, existing);
        out.append(", \"new\": ");
        AppendJsonString(out, row.newName.toUtf8());
        out.append(", \"status\": ");
        AppendJsonString(out, row.status.toUtf8());
        out.append(", \"outcome\": \"");
        out.append(OutcomeWord(row.outcome));
        out.append('"');
        out.append(", \"folder\": ");
        AppendJsonString(out, folder);
        out.append(", \"check\": ");
        if (row.checkReason == CheckReason::None) {
            out.append("null, \"check_reason\": null");
        } else {
            AppendJsonString(out, row.check().toUtf8());
            out.append(", \"check_reason\": \"");
            out.append(CheckReasonWordOf(row.checkReason));
            out.append('"');
        }
        AppendBytesKey(out, "existing_bytes", row.existingOnDisk(), existing);
        AppendBytesKey(out, "folder_bytes", row.folderOnDisk(), folder);
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

bool WriteRows(std::FILE* stream, const QVector<ResultRow>& rows, OutputFormat format,
               bool checkColumn) {
    ChunkWriter out(stream);
    switch (format) {
        case OutputFormat::Table:
            WriteTable(out, rows, checkColumn);
            break;
        case OutputFormat::Tsv:
            WriteTsv(out, rows, checkColumn);
            break;
        case OutputFormat::Json:
            WriteJson(out, rows);
            break;
    }
    return out.finish();
}
