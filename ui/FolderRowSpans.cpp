#include "ui/FolderRowSpans.h"

#include <QTreeView>

#include "engine/ResultModel.h"

FolderRowSpans::FolderRowSpans(QTreeView* view, const ResultModel* rows)
    : QObject(view), m_view(view), m_rows(rows) {
    connect(rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { rowsInserted(first); });
    // A reset takes the rows and, in the view, their spans.
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { m_firstPending = -1; });
}

void FolderRowSpans::rowsInserted(int first) {
    if (m_firstPending >= 0) {
        m_firstPending = std::min(m_firstPending, first);
        return;
    }
    m_firstPending = first;
    QMetaObject::invokeMethod(this, &FolderRowSpans::applySpans, Qt::QueuedConnection);
}

void FolderRowSpans::applySpans() {
    const int first = m_firstPending;
    m_firstPending = -1;
    if (first < 0)
        return;
    for (int row = first; row < m_rows->size(); ++row) {
        if (m_rows->row(row).isFolderRow())
            m_view->setFirstColumnSpanned(row, {}, true);
    }
}
