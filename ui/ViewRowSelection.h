#pragma once

#include <QVector>

#include "engine/RowSelection.h"

class QItemSelectionModel;

// The results list's selection as the runs ask for it: taken once from the
// selection ranges, so that a run over many rows asks in constant time. The
// selection may be of a filter's rows; it is taken as the results' rows.
class ViewRowSelection : public RowSelection {
public:
    ViewRowSelection(const QItemSelectionModel* selection, int rowCount);

    int count() const override { return m_count; }
    bool isSelected(int row) const override {
        return row >= 0 && row < m_selected.size() && m_selected.at(row);
    }

private:
    QVector<bool> m_selected;
    int m_count = 0;
};
