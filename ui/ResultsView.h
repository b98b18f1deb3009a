#pragma once

class QAbstractItemModel;
class QTreeView;
class ResultModel;

// Sets the results list up over its rows: the four columns at their starting
// widths in a fixed order, the last one reaching the list's right edge,
// folder rows drawn as headings across the whole row, a tool tip for every
// cell cut short, and a selection that stays highlighted without the focus.
void SetUpResultsView(QTreeView* list, ResultModel* rows);

// Lets the list show `shown`, the rows themselves or a filter's rows of
// them, keeping the columns' widths; the selection starts empty.
void ShowResultRows(QTreeView* list, QAbstractItemModel* shown, const ResultModel* rows);
