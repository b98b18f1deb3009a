#pragma once

#include "engine/FilenameScheme.h"
#include "engine/NameComputation.h"

class ResultModel;
class RowSelection;
class WindowServices;

// What a process run reads from the window once, at its start, and uses for
// all its rows.
struct ProcessSettings {
    FilenameScheme existingScheme;
    FilenameScheme newScheme;
    NameOptions options;
};

// "Process All": proposes a new name for every file row through the name
// computation, overwriting whatever proposal and status the row held. Changes
// nothing but New Filename and Status; touches no file.
// Throws CommandError "No files to process !" when the list holds no row at
// all (folder rows count), before anything else happens.
void ProcessRows(ResultModel& model, const ProcessSettings& settings, WindowServices& services);

// "Process Selected": the same over the selected rows. Throws CommandError
// "No files to process !" on an empty list, then "No selected files to
// process !" when no row is selected.
void ProcessRows(ResultModel& model, const ProcessSettings& settings, WindowServices& services,
                 const RowSelection& selection);
