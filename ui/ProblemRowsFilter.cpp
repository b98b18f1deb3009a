#include "ui/ProblemRowsFilter.h"

#include "engine/ResultModel.h"
#include "engine/check/RenameCheck.h"

ProblemRowsFilter::ProblemRowsFilter(ResultModel* rows, QObject* parent)
    : QSortFilterProxyModel(parent), m_rows(rows) {
    setDynamicSortFilter(false);
    // A full rescan brings other rows: what was chosen no longer holds.
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_shown.clear(); });
    choose();
    setSourceModel(rows);
}

void ProblemRowsFilter::refresh() {
    choose();
    invalidateFilter();
}

void ProblemRowsFilter::choose() {
    const int count = m_rows->size();
    m_shown.fill(false, count);
    // From the last row up: a folder row is shown when one of its files is.
    bool folderHasProblem = false;
    for (int i = count - 1; i >= 0; --i) {
        const ResultRow& row = m_rows->row(i);
        if (row.isFolderRow()) {
            m_shown[i] = folderHasProblem;
            folderHasProblem = false;
        } else if (ShowsProblem(row)) {
            m_shown[i] = true;
            folderHasProblem = true;
        }
    }
}

bool ProblemRowsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (sourceParent.isValid() || sourceRow < 0 || sourceRow >= m_rows->size())
        return false;
    if (sourceRow < m_shown.size())
        return m_shown.at(sourceRow);
    const ResultRow& row = m_rows->row(sourceRow);
    if (!row.isFolderRow())
        return ShowsProblem(row);
    for (int i = sourceRow + 1; i < m_rows->size() && m_rows->row(i).isFileRow(); ++i) {
        if (ShowsProblem(m_rows->row(i)))
            return true;
    }
    return false;
}
