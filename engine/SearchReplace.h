#pragma once

#include <QString>

class ResultModel;
class WindowServices;

// "Search & Replace": in every file row, selected or not and whatever its
// Status, the text is the New Filename if the row has one, else the Existing
// Filename, extension included. Every occurrence of search in it (exact,
// case-sensitive, from the left, without overlap, never in inserted text) is
// replaced by replace, and a row with at least one becomes "replaced (rename
// pending)" with the result as its New Filename. A result that leaves no name
// at all is no proposal: that row stays as it was. Folder rows never change.
// Runs with the busy cursor and the progress bar, and lets the window handle
// its pending events once at its end. An empty search changes nothing.
// Touches no file. Returns how many rows it changed.
int SearchReplace(ResultModel& model, const QString& search, const QString& replace,
                  WindowServices& services);
