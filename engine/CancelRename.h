#pragma once

class ResultModel;
class RowSelection;

// "Cancel Rename": every selected row that has a New Filename loses it and
// reads "rename cancelled". Selected rows without one and all other rows stay
// as they are, whatever their Status. Touches no file. Returns how many rows
// it changed.
int CancelRename(ResultModel& model, const RowSelection& selection);
