#pragma once

class ResultModel;
struct CliOptions;

// norvane-cli --undo LOG: reads the log (a saved text log, or the output of
// norvane-cli -f tsv or -f json) and fills model, the last rename first, with
// every file it says was renamed, to be given its old name back ("undo
// pending"). With --execute the files are renamed back, never over an
// existing entry, and each row reads "rename undone" or "error: undo failed:
// ...". False, with a message on standard error, when the log cannot be read:
// nothing is renamed then.
bool UndoFromLog(const CliOptions& options, ResultModel& model);
