#pragma once

#include <QString>

#include "engine/UndoSet.h"

class ResultModel;
class RowSelection;
class WindowServices;

// "Execute All": renames on disk every file row that has a New Filename, in
// list order (where every new name stays in its row's folder and no two of
// the run's folders are one on disk, the folders go on several threads at
// once, each folder's rows in list order, which gives every row the outcome
// the list order gives it), and writes the outcome into its Status: "renamed", "error: file
// does not exist", "error: new file already exists" or "error: rename
// failed". Never replaces an existing entry; changes nothing in the rows but
// their Status. Has no message of its own. With renamed, that set is
// emptied and then holds each rename the run did, in list order, for an
// undo: also those of a run that an error ended.
void ExecuteRows(ResultModel& model, WindowServices& services, UndoSet* renamed = nullptr);

// "Execute Selected": the same over the selected rows.
void ExecuteRows(ResultModel& model, WindowServices& services, const RowSelection& selection,
                 UndoSet* renamed = nullptr);
