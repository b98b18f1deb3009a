#pragma once

#include <QModelIndex>

class QAbstractItemView;

// The results list shows the rows of the results, or under "Only problems"
// some of them through a filter: these take a row between the two.

// The results row of an index of the list's model, -1 for none.
int ResultRowOf(const QModelIndex& index);

// The index of results row `row` (column `column`) in the model the list
// shows; invalid when the row is not shown.
QModelIndex ShownIndexOf(const QAbstractItemView* list, int row, int column = 0);
