#pragma once

#include <QString>
#include <functional>

class ResultModel;
struct ResultRow;

// The manual rename of one file row, the window's "Manual Rename" box: the
// text its edit shows, the proposal a typed name makes, and the file row the
// movement keys go to. None of them touches a file.

// What the edit shows for a file row: its New Filename if it has one, else
// its Existing Filename, without the extension.
QString ManualRenameText(const ResultRow& row);

// Makes the typed name the proposal of file row `row`. The extension is the
// one of the Existing Filename (lower-cased with lowercaseExtension); a name
// typed with that extension, in any letter case, keeps it as typed, any
// other name gets it appended. A name equal to the Existing Filename, or
// nothing but the extension, cancels the proposal ("manual rename
// (cancelled)"); the row's own New Filename changes nothing, not even the
// Status; any other name becomes the proposal ("manual rename (pending)"),
// taken verbatim. A row that is not a file row stays as it is.
void ApplyManualRename(ResultModel& model, int row, const QString& typed, bool lowercaseExtension);

// The file row a move by step (+1, -1, +10 or -10) from file row `from`
// reaches: the first move takes the full step, then single rows in the same
// direction until a file row; a move past either end turns there once and
// goes on to the first, resp. last, file row. `from` itself when the move
// finds no other file row.
int ManualRenameMoveTarget(const ResultModel& model, int from, int step);

// The same over `count` rows of which isFileRow tells the file rows: the rows
// a list shows when it shows only some.
int ManualRenameMoveTarget(int count, const std::function<bool(int)>& isFileRow, int from,
                           int step);
