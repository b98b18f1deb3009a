#pragma once

class QAbstractItemModel;
class QTreeView;
class ResultModel;

// Sets the results list up over its rows: the four columns at their starting
// widths in a fixed order, the last one reaching the list's right edge,
// folder rows drawn as headings across the whole row, a tool tip for every
// cell cut short, and a selection that stays highlighted without the focus.
void SetUpResultsView(QTreeView* list, ResultModel* rows);

// A column's width as the settings keep it.
int ColumnWidth(const QTreeView* list, int column);
// Gives a column a width the settings kept. A width no column can have (0,
// which is what an absent setting reads as, or one too narrow or wider than
// any screen) leaves the column as it is; so does the last column, which
// reaches to the list's edge.
void RestoreColumnWidth(QTreeView* list, int column, int width);
// Lets the list show `shown`, the rows themselves or a filter's rows of
// them, keeping the columns' widths; the selection starts empty.
void ShowResultRows(QTreeView* list, QAbstractItemModel* shown, const ResultModel* rows);
