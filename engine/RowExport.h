#pragma once

#include <QByteArray>
#include <QVector>

struct ResultRow;

// The results list written out, for Save and Clipboard Copy.

// How names go into a text log: as the exact bytes on disk, so that a saved
// log can undo renames of names that are not valid UTF-8, or as the texts
// the list shows, for the clipboard, which carries text.
enum class NameForm { Bytes, Text };

// A text log: tab-separated values, a header line with the column names,
// then one line a row: Existing Filename, New Filename, Status, Folder and
// the row's outcome word (the same in every language, for norvane-cli
// --undo), each field escaped as norvane-cli -f tsv escapes it.
QByteArray RowsAsTextLog(const QVector<ResultRow>& rows, NameForm names);

// A small HTML document, UTF-8, holding one table with the list's four
// columns, every text escaped.
QByteArray RowsAsHtml(const QVector<ResultRow>& rows);
