// The summary line under the results list: its counts after every command
// and the way its counts of problems lead to their rows.
#include <QItemSelectionModel>

#include "engine/ResultModel.h"
#include "engine/RowSummary.h"
#include "ui/SummaryLabel.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

TForm1::SummaryRefresh::~SummaryRefresh() {
    try {
        form.updateSummary();
    } catch (...) {
    }
}

void TForm1::updateSummary() {
    m_lastSummaryJump = -1;
    // An empty list, before any folder is listed, has nothing to sum up.
    if (m_results->size() == 0)
        m_ui->LSummary->setSummary(std::nullopt);
    else
        m_ui->LSummary->setSummary(CountRows(m_results->rows()));
}

void TForm1::LSummaryPartActivated(int part) {
    QTreeView* list = m_ui->LVResults;
    // The first row of the part, then on from the row the last click led to,
    // as long as the user stays there.
    const int current = list->currentIndex().row();
    const int after = current >= 0 && current == m_lastSummaryJump ? current : -1;
    const int row = NextCountedRow(m_results->rows(), after, part);
    if (row < 0)
        return;
    const QModelIndex target = m_results->index(row, 0);
    list->selectionModel()->setCurrentIndex(
        target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(target, QAbstractItemView::PositionAtCenter);
    list->setFocus(Qt::OtherFocusReason);
    m_lastSummaryJump = row;
}
