#include "ui/ShownRows.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>

int ResultRowOf(const QModelIndex& index) {
    QModelIndex at = index;
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(at.model()))
        at = proxy->mapToSource(at);
    return at.isValid() ? at.row() : -1;
}

QModelIndex ShownIndexOf(const QAbstractItemView* list, int row, int column) {
    const QAbstractItemModel* shown = list->model();
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(shown);
    if (!proxy)
        return shown->index(row, column);
    return proxy->mapFromSource(proxy->sourceModel()->index(row, column));
}
