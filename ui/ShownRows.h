#pragma once

#include <QItemSelection>
#include <QList>
#include <QModelIndex>

class QAbstractItemView;

// The results list shows the rows of the results, or under "Only problems"
// some of them through a filter: these take a row between the two.

// The results row of an index of the list's model, -1 for none.
int ResultRowOf(const QModelIndex& index);

// The one results row a selection of whole rows holds; -1 when it holds
// none or more than one. Reads the selection's ranges, so that a selection of
// a million rows is answered at once.
int TheOneSelectedRow(const QItemSelection& selection);

// The index of results row `row` (column `column`) in the model the list
// shows; invalid when the row is not shown.
QModelIndex ShownIndexOf(const QAbstractItemView* list, int row, int column = 0);

// The selection, in the model the list shows, of those of the results rows
// `rows` (in ascending order) that it shows.
QItemSelection ShownSelectionOf(const QAbstractItemView* list, const QList<int>& rows);
