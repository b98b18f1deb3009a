#pragma once

#include <QString>

class ResultModel;
class RowSelection;
class WindowServices;

// "Execute All": renames on disk every file row that has a New Filename, in
// list order, and writes the outcome into its Status: "renamed", "error: file
// does not exist", "error: new file already exists" or "error: rename
// failed". Never replaces an existing entry; changes nothing in the rows but
// their Status. Has no message of its own.
void ExecuteRows(ResultModel& model, WindowServices& services);

// "Execute Selected": the same over the selected rows.
void ExecuteRows(ResultModel& model, WindowServices& services, const RowSelection& selection);
