#include "cli/TableOutput.h"

#include <QString>
#include <algorithm>
#include <array>

#include "cli/ChunkWriter.h"
#include "engine/ResultRow.h"
#include "engine/RowBytes.h"
#include "shared/General/Texts.h"

namespace {

constexpr int kColumns = 5;  // at most: Check only with --check
const QByteArray kGap = "  ";

void AppendHex(QByteArray& out, const char* prefix, unsigned value) {
    static const char digits[] = "0123456789abcdef";
    out.append(prefix);
    out.append(digits[(value >> 4) & 0xf]);
    out.append(digits[value & 0xf]);
}

// Control characters are plain ASCII bytes, or the two bytes C2 80 to C2 9F
// of a C1 control in UTF-8; no other sequence holds them.
QByteArray EscapeForTerminal(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes.at(i));
        if (c == '\t') {
            out.append("\\t");
        } else if (c == '\n') {
            out.append("\\n");
        } else if (c == '\r') {
            out.append("\\r");
        } else if (c < 0x20 || c == 0x7f) {
            AppendHex(out, "\\x", c);
        } else if (c == 0xc2 && i + 1 < bytes.size() &&
                   static_cast<unsigned char>(bytes.at(i + 1)) >= 0x80 &&
                   static_cast<unsigned char>(bytes.at(i + 1)) <= 0x9f) {
            AppendHex(out, "\\u00", static_cast<unsigned char>(bytes.at(++i)));
        } else {
            out.append(static_cast<char>(c));
        }
    }
    return out;
}

// Columns a code point takes on a terminal: none for combining marks, two
// for the wide East Asian ranges and most emoji, one otherwise.
int CodePointWidth(char32_t c) {
    if (c >= 0x300 && QChar::isMark(c))
        return 0;
    if ((c >= 0x1100 && c <= 0x115f) || (c >= 0x2e80 && c <= 0xa4cf && c != 0x303f) ||
        (c >= 0xac00 && c <= 0xd7a3) || (c >= 0xf900 && c <= 0xfaff) ||
        (c >= 0xfe30 && c <= 0xfe4f) || (c >= 0xff00 && c <= 0xff60) ||
        (c >= 0xffe0 && c <= 0xffe6) || (c >= 0x1f300 && c <= 0x1f64f) ||
        (c >= 0x1f900 && c <= 0x1f9ff) || (c >= 0x20000 && c <= 0x3fffd))
        return 2;
    return 1;
}

// Bytes that are not UTF-8 show as one replacement character each.
int DisplayWidth(const QByteArray& bytes) {
    bool ascii = true;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return static_cast<int>(bytes.size());
    int width = 0;
    const QString text = QString::fromUtf8(bytes);
    for (const char32_t c : text.toUcs4())
        width += CodePointWidth(c);
    return width;
}

using Line = std::array<QByteArray, kColumns>;

void AppendLine(ChunkWriter& out, int columns, const Line& cells,
                const std::array<int, kColumns>& cellWidths,
                const std::array<int, kColumns>& columnWidths) {
    // The last column is not padded, and a line ends without trailing blanks.
    int last = columns - 1;
    while (last > 0 && cells[last].isEmpty())
        --last;
    for (int c = 0; c <= last; ++c) {
        out.append(cells[c]);
        if (c < last) {
            out.append(QByteArray(columnWidths[c] - cellWidths[c], ' '));
            out.append(kGap);
        }
    }
    out.append('\n');
}

}  // namespace

void WriteTable(ChunkWriter& out, const QVector<ResultRow>& rows, bool checkColumn) {
    const int columns = checkColumn ? kColumns : kColumns - 1;
    const Line header = {Text(Texts::kColumnExisting).toUtf8(), Text(Texts::kColumnNew).toUtf8(),
                         Text(Texts::kColumnStatus).toUtf8(), Text(Texts::kColumnFolder).toUtf8(),
                         checkColumn ? Text(Texts::kColumnCheck).toUtf8() : QByteArray()};
    std::array<int, kColumns> columnWidths{};
    std::array<int, kColumns> headerWidths{};
    for (int c = 0; c < columns; ++c)
        columnWidths[c] = headerWidths[c] = DisplayWidth(header[c]);

    QVector<Line> lines;
    QVector<std::array<int, kColumns>> widths;
    lines.reserve(rows.size());
    widths.reserve(rows.size());
    for (const ResultRow& row : rows) {
        const std::array<QByteArray, kColumns> fields = RowFieldBytes(row);
        Line line;
        std::array<int, kColumns> width{};
        for (int c = 0; c < columns; ++c) {
            line[c] = EscapeForTerminal(fields[c]);
            width[c] = DisplayWidth(line[c]);
            columnWidths[c] = std::max(columnWidths[c], width[c]);
        }
        lines.append(std::move(line));
        widths.append(width);
    }

    AppendLine(out, columns, header, headerWidths, columnWidths);
    Line rule;
    for (int c = 0; c < columns; ++c)
        rule[c] = QByteArray(c == columns - 1 ? headerWidths[c] : columnWidths[c], '-');
    AppendLine(out, columns, rule, columnWidths, columnWidths);
    for (qsizetype i = 0; i < lines.size(); ++i)
        AppendLine(out, columns, lines.at(i), widths.at(i), columnWidths);
}
