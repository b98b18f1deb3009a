#include "engine/RenameLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "engine/FileNameText.h"
#include "engine/RowOutcome.h"
#include "engine/TsvField.h"
#include "shared/General/Texts.h"
#include "shared/General/Translations.h"

namespace {

constexpr qsizetype kCliFields = 4;
constexpr qsizetype kSavedFields = 5;

// What a renamed row needs to be undone; the other rows may be anything.
void CheckRenamed(const ResultRow& row, int line) {
    if (row.folderBytes().isEmpty())
        throw RenameLogError(line, Text(Texts::kLogRenamedWithoutFolder));
    if (!row.folderBytes().startsWith('/'))
        throw RenameLogError(line, Text(Texts::kLogFolderNotAbsolute).arg(row.folder()));
    if (row.existingBytes().isEmpty() || row.newName.isEmpty())
        throw RenameLogError(line, Text(Texts::kLogRenamedWithoutName));
    // The name the file gets back is one name in its folder, as a listing
    // gives it: a log must not lead a file anywhere else.
    const QByteArray& name = row.existingBytes();
    if (name.contains('/') || name.contains('\0') || name == "." || name == "..")
        throw RenameLogError(line, Text(Texts::kLogNotAName).arg(row.existing));
}

ResultRow RowOf(const QByteArray& existing, const QString& newName, const QString& status,
                const QByteArray& folder, RowOutcome outcome) {
    ResultRow row;
    row.setExistingBytes(existing);
    row.existing = DecodeFileName(existing);
    row.newName = newName;
    row.status = status;
    if (!folder.isEmpty())
        row.setFolder(DecodeFileName(folder), folder);
    row.outcome = outcome;
    return row;
}

QVector<ResultRow> ReadTsvLog(const QByteArray& log) {
    // A log from norvane-cli names its renamed rows only by their Status,
    // which is in the language the run spoke.
    const QStringList renamedTexts = TextInEveryLanguage(Texts::kStatusRenamed);
    QVector<ResultRow> renamed;
    QList<QByteArray> lines = log.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    qsizetype width = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i + 1);
        QByteArray text = lines.at(i);
        if (text.endsWith('\r'))
            text.chop(1);
        const QList<QByteArray> raw = text.split('\t');
        if (width != 0 && raw.size() != width)
            throw RenameLogError(line,
                                 Text(Texts::kLogFieldCountChanged).arg(raw.size()).arg(width));
        if (raw.size() != kCliFields && raw.size() != kSavedFields)
            throw RenameLogError(line, Text(Texts::kLogFieldCount).arg(raw.size()));
        width = raw.size();
        QList<QByteArray> fields;
        for (const QByteArray& field : raw) {
            const std::optional<QByteArray> bytes = UnescapeTsvField(field);
            if (!bytes)
                throw RenameLogError(line, Text(Texts::kLogBadEscape));
            fields.append(*bytes);
        }
        const QString status = QString::fromUtf8(fields.at(2));
        RowOutcome outcome = RowOutcome::None;
        if (width == kSavedFields) {
            const QString word = QString::fromUtf8(fields.at(4));
            const std::optional<RowOutcome> known = OutcomeOfWord(word);
            // A saved log starts with the column names.
            if (!known && line == 1)
                continue;
            if (!known)
                throw RenameLogError(line, Text(Texts::kLogUnknownOutcome).arg(word));
            outcome = *known;
        } else if (renamedTexts.contains(status)) {
            outcome = RowOutcome::Renamed;
        }
        if (outcome != RowOutcome::Renamed)
            continue;
        const QString newName = QString::fromUtf8(fields.at(1));
        if (newName.toUtf8() != fields.at(1))
            throw RenameLogError(line, Text(Texts::kLogNewNameNotUtf8));
        ResultRow row = RowOf(fields.at(0), newName, status, fields.at(3), outcome);
        CheckRenamed(row, line);
        renamed.append(std::move(row));
    }
    return renamed;
}

int LineAt(const QByteArray& text, qsizetype offset) {
    return static_cast<int>(text.left(offset).count('\n')) + 1;
}

// The line on which each element of the log's top-level array starts, for
// the messages about them: the JSON reader keeps no positions.
QList<int> ElementLines(const QByteArray& json) {
    QList<int> lines;
    int line = 1;
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    bool elementDue = false;
    for (const char c : json) {
        if (c == '\n')
            ++line;
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (depth == 1 && elementDue && !blank && c != ',' && c != ']') {
            lines.append(line);
            elementDue = false;
        }
        switch (c) {
            case '"':
                inString = true;
                break;
            case '[':
            case '{':
                elementDue = ++depth == 1;
                break;
            case ']':
            case '}':
                --depth;
                break;
            case ',':
                elementDue = depth == 1;
                break;
            default:
                break;
        }
    }
    return lines;
}

QString TextKey(const QJsonObject& object, const char* key, int line) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        throw RenameLogError(line, Text(Texts::kLogJsonBadKey).arg(QLatin1String(key)));
    return value.toString();
}

// A name's exact bytes: those of its "..._bytes" key when it has one, else its text's.
QByteArray BytesKey(const QJsonObject& object, const char* key, const QString& text, int line) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return text.toUtf8();
    const auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!value.isString() || !decoded)
        throw RenameLogError(line, Text(Texts::kLogJsonBadBytes).arg(QLatin1String(key)));
    return *decoded;
}

QVector<ResultRow> ReadJsonLog(const QByteArray& log) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(log, &error);
    if (error.error != QJsonParseError::NoError)
        throw RenameLogError(LineAt(log, error.offset),
                             Text(Texts::kLogJsonSyntax).arg(error.errorString()));
    if (!document.isArray())
        throw RenameLogError(1, Text(Texts::kLogJsonNotArray));
    const QJsonArray rows = document.array();
    const QList<int> lines = ElementLines(log);
    QVector<ResultRow> renamed;
    for (qsizetype k = 0; k < rows.size(); ++k) {
        const int line = lines.value(k, 1);
        if (!rows.at(k).isObject())
            throw RenameLogError(line, Text(Texts::kLogJsonNotObject));
        const QJsonObject object = rows.at(k).toObject();
        const QString existing = TextKey(object, "existing", line);
        const QString newName = TextKey(object, "new", line);
        const QString status = TextKey(object, "status", line);
        const QString word = TextKey(object, "outcome", line);
        const QString folder = TextKey(object, "folder", line);
        const std::optional<RowOutcome> outcome = OutcomeOfWord(word);
        if (!outcome)
            throw RenameLogError(line, Text(Texts::kLogUnknownOutcome).arg(word));
        const QByteArray existingBytes = BytesKey(object, "existing_bytes", existing, line);
        const QByteArray folderBytes = BytesKey(object, "folder_bytes", folder, line);
        if (*outcome != RowOutcome::Renamed)
            continue;
        ResultRow row = RowOf(existingBytes, newName, status, folderBytes, *outcome);
        CheckRenamed(row, line);
        renamed.append(std::move(row));
    }
    return renamed;
}

}  // namespace

QVector<ResultRow> ReadRenameLog(const QByteArray& log) {
    QByteArray text = log;
    if (text.startsWith("\xef\xbb\xbf"))
        text.remove(0, 3);
    // Every line of a tab-separated log holds tabs, its folder rows such as
    // "[/music]" too; JSON has none outside its strings.
    const qsizetype end = text.indexOf('\n');
    const QByteArray firstLine = end < 0 ? text : text.left(end);
    const QByteArray start = firstLine.trimmed().left(1);
    if ((start == "[" || start == "{") && !firstLine.contains('\t'))
        return ReadJsonLog(text);
    return ReadTsvLog(text);
}
