#include "engine/RowExport.h"

#include "engine/ResultRow.h"
#include "engine/TsvField.h"
#include "shared/General/Texts.h"

namespace {

const char* const kColumnTexts[] = {Texts::kColumnExisting, Texts::kColumnNew, Texts::kColumnStatus,
                                    Texts::kColumnFolder};

void AppendRecord(QByteArray& out, std::initializer_list<QByteArray> fields) {
    bool first = true;
    for (const QByteArray& field : fields) {
        if (!first)
            out.append('\t');
        out.append(TsvField(field));
        first = false;
    }
    out.append('\n');
}

void AppendHex(QString& out, const char* prefix, char16_t c) {
    out.append(QLatin1String(prefix));
    out.append(QString::number(c, 16).rightJustified(2, u'0'));
}

// A text as HTML character data or attribute value. Control characters are
// not allowed in an HTML document: they show as their escapes, as norvane-cli
// shows them on a terminal.
QString HtmlText(const QString& text) {
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
            case u'&':
                out.append(QLatin1String("&amp;"));
                break;
            case u'<':
                out.append(QLatin1String("&lt;"));
                break;
            case u'>':
                out.append(QLatin1String("&gt;"));
                break;
            case u'"':
                out.append(QLatin1String("&quot;"));
                break;
            case u'\t':
                out.append(QLatin1String("\\t"));
                break;
            case u'\n':
                out.append(QLatin1String("\\n"));
                break;
            case u'\r':
                out.append(QLatin1String("\\r"));
                break;
            default:
                if (c < 0x20 || c == 0x7f)
                    AppendHex(out, "\\x", c);
                else if (c >= 0x80 && c <= 0x9f)
                    AppendHex(out, "\\u00", c);
                else if ((c >= 0xfdd0 && c <= 0xfdef) || c == 0xfffe || c == 0xffff)
                    out.append(QChar::ReplacementCharacter);
                else
                    out.append(ch);
        }
    }
    return out;
}

void AppendCells(QString& out, const char* tag, std::initializer_list<QString> texts) {
    out.append(QLatin1String("<tr>"));
    for (const QString& text : texts) {
        out.append(QLatin1Char('<') + QLatin1String(tag) + QLatin1Char('>'));
        out.append(HtmlText(text));
        out.append(QLatin1String("</") + QLatin1String(tag) + QLatin1Char('>'));
    }
    out.append(QLatin1String("</tr>\n"));
}

}  // namespace

QByteArray RowsAsTextLog(const QVector<ResultRow>& rows, NameForm names) {
    QByteArray out;
    AppendRecord(out, {Text(kColumnTexts[0]).toUtf8(), Text(kColumnTexts[1]).toUtf8(),
                       Text(kColumnTexts[2]).toUtf8(), Text(kColumnTexts[3]).toUtf8(),
                       Text(Texts::kColumnOutcome).toUtf8()});
    for (const ResultRow& row : rows) {
        const bool bytes = names == NameForm::Bytes;
        AppendRecord(out,
                     {bytes ? row.existingOnDisk() : row.existing.toUtf8(), row.newName.toUtf8(),
                      row.status.toUtf8(), bytes ? row.folderOnDisk() : row.folder().toUtf8(),
                      QByteArray(OutcomeWord(row.outcome))});
    }
    return out;
}

QByteArray RowsAsHtml(const QVector<ResultRow>& rows) {
    QString out =
        QStringLiteral(
            "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n<title>%1</title>\n"
            "<style>table{border-collapse:collapse}th,td{border:1px solid #bbb;padding:2px 6px;"
            "text-align:left;white-space:pre}</style>\n</head>\n<body>\n<table>\n<thead>\n")
            .arg(HtmlText(Text(Texts::kProgramTitle)));
    AppendCells(out, "th",
                {Text(kColumnTexts[0]), Text(kColumnTexts[1]), Text(kColumnTexts[2]),
                 Text(kColumnTexts[3])});
    out.append(QLatin1String("</thead>\n<tbody>\n"));
    for (const ResultRow& row : rows)
        AppendCells(out, "td", {row.existing, row.newName, row.status, row.folder()});
    out.append(QLatin1String("</tbody>\n</table>\n</body>\n</html>\n"));
    return out.toUtf8();
}
