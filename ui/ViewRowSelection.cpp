#include "ui/ViewRowSelection.h"

#include <QAbstractProxyModel>
#include <QItemSelectionModel>

ViewRowSelection::ViewRowSelection(const QItemSelectionModel* selection, int rowCount)
    : m_selected(rowCount, false) {
    // Under "Only problems" the list shows a filter's rows: each is mapped.
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(selection->model());
    for (const QItemSelectionRange& range : selection->selection()) {
        for (int shown = range.top(); shown <= range.bottom(); ++shown) {
            const int row = proxy ? proxy->mapToSource(proxy->index(shown, 0)).row() : shown;
            if (row >= 0 && row < rowCount && !m_selected.at(row)) {
                m_selected[row] = true;
                ++m_count;
            }
        }
    }
}
