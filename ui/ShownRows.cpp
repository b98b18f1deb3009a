#include "ui/ShownRows.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>

int ResultRowOf(const QModelIndex& index) {
    QModelIndex at = index;
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(at.model()))
        at = proxy->mapToSource(at);
    return at.isValid() ? at.row() : -1;
}

int TheOneSelectedRow(const QItemSelection& selection) {
    int row = -1;
    for (const QItemSelectionRange& range : selection) {
        const QAbstractItemModel* model = range.model();
        // As QItemSelectionModel::selectedRows(): a row counts when all its
        // columns are selected.
        if (!range.isValid() || range.left() != 0 ||
            range.right() != model->columnCount(range.parent()) - 1)
            continue;
        if (range.height() != 1)
            return -1;
        const int at = ResultRowOf(range.topLeft());
        if (row >= 0 && at != row)
            return -1;
        row = at;
    }
    return row;
}

QModelIndex ShownIndexOf(const QAbstractItemView* list, int row, int column) {
    const QAbstractItemModel* shown = list->model();
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(shown);
    if (!proxy)
        return shown->index(row, column);
    return proxy->mapFromSource(proxy->sourceModel()->index(row, column));
}

QItemSelection ShownSelectionOf(const QAbstractItemView* list, const QList<int>& rows) {
    const QAbstractItemModel* shown = list->model();
    const int lastColumn = shown->columnCount() - 1;
    QItemSelection selection;
    // Rows shown one after another make one range.
    int first = -1;
    int last = -1;
    auto close = [&] {
        if (first >= 0)
            selection.select(shown->index(first, 0), shown->index(last, lastColumn));
    };
    for (int row : rows) {
        const int at = ShownIndexOf(list, row).row();
        if (at < 0)
            continue;
        if (first >= 0 && at == last + 1) {
            last = at;
            continue;
        }
        close();
        first = last = at;
    }
    close();
    return selection;
}
