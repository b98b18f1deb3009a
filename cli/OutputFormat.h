#pragma once

#include <QString>
#include <QVector>
#include <cstdio>
#include <optional>

struct ResultRow;

// How norvane-cli writes the result rows: an aligned table for reading, tab
// separated values or JSON for scripts.
enum class OutputFormat { Table, Tsv, Json };

// "table", "tsv" or "json", in any letter case; nothing for any other text.
std::optional<OutputFormat> ParseOutputFormat(const QString& text);

// Writes one record per row, in list order, with the columns Existing
// Filename, New Filename, Status and Folder, and with checkColumn a fifth,
// the check's reason. Names are written as the exact bytes the rows keep
// (tsv, table); JSON carries text and, for names that are not valid UTF-8,
// their bytes in base64, each row's outcome as its stable word, and always
// the check's reason ("check") with its word ("check_reason"), or null.
// False when writing failed.
bool WriteRows(std::FILE* stream, const QVector<ResultRow>& rows, OutputFormat format,
               bool checkColumn);
