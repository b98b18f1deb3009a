#pragma once

#include "engine/UndoSet.h"

class ResultModel;
class WindowServices;

// "Undo Execute": renames every file of the set back to its old name, the
// last rename first, with the same rename as the execute run, which never
// replaces an entry (a case-only change goes back through the same safe
// path). Each row put back reads "rename undone"; a row that cannot be put
// back reads "error: undo failed: " and why: the original name is taken, the
// renamed file is gone (also when a later rename of the same file could not
// be undone), or the system's reason. Only the rows' Status changes; their
// proposals stay, so that executing again renames the files once more.
// Afterwards the set holds the renames that could not be undone, for another
// try. Runs with the busy cursor and the progress bar.
void UndoRenames(ResultModel& model, UndoSet& renames, WindowServices& services);
