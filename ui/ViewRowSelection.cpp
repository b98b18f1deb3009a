#include "ui/ViewRowSelection.h"

#include <QItemSelectionModel>

ViewRowSelection::ViewRowSelection(const QItemSelectionModel* selection, int rowCount)
    : m_selected(rowCount, false) {
    for (const QItemSelectionRange& range : selection->selection()) {
        for (int row = range.top(); row <= range.bottom() && row < rowCount; ++row) {
            if (!m_selected.at(row)) {
                m_selected[row] = true;
                ++m_count;
            }
        }
    }
}
