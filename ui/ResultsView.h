#pragma once

class QTreeView;
class ResultModel;

// Sets the results list up over its rows: the four columns at their starting
// widths in a fixed order, the last one reaching the list's right edge,
// folder rows drawn as headings across the whole row, a tool tip for every
// cell cut short, and a selection that stays highlighted without the focus.
void SetUpResultsView(QTreeView* list, ResultModel* rows);
