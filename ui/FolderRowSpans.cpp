#include "ui/FolderRowSpans.h"

#include <QTreeView>

#include "engine/ResultModel.h"
#include "ui/ShownRows.h"

FolderRowSpans::FolderRowSpans(QTreeView* view, const QAbstractItemModel* shown,
                               const ResultModel* rows)
    : QObject(view), m_view(view), m_shown(shown), m_rows(rows) {
    connect(shown, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { rowsInserted(first); });
    // A reset takes the rows and, in the view, their spans.
    connect(shown, &QAbstractItemModel::modelReset, this, [this] { m_firstPending = -1; });
}

void FolderRowSpans::spanAll() {
    m_firstPending = -1;
    rowsInserted(0);
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
    for (int shown = first; shown < m_shown->rowCount(); ++shown) {
        const int row = m_shown == m_rows ? shown : ResultRowOf(m_shown->index(shown, 0));
        if (row >= 0 && m_rows->row(row).isFolderRow())
            m_view->setFirstColumnSpanned(shown, {}, true);
    }
}
