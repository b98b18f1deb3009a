// The check before execute as the window runs it, and "Only problems",
// which shows only the rows with a problem (and their folder rows).
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "engine/check/RenameCheck.h"
#include "ui/ProblemRowsFilter.h"
#include "ui/ResultsView.h"
#include "ui/ShownRows.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

void TForm1::CheckProposals(bool chooseShownRows) {
    CheckRows(*m_results);
    if (chooseShownRows && m_problemRows)
        m_problemRows->refresh();
}

void TForm1::CBOnlyProblemsClick() {
    const bool onlyProblems = m_ui->CBOnlyProblems->isChecked();
    if (onlyProblems == (m_problemRows != nullptr))
        return;
    // The selected rows that are shown now stay selected: the commands on
    // selected rows never reach a row the list does not show.
    const QList<int> selected = selectedRows();
    clearManualRenameState();
    if (onlyProblems) {
        m_problemRows = new ProblemRowsFilter(m_results, this);
        ShowResultRows(m_ui->LVResults, m_problemRows, m_results);
    } else {
        ShowResultRows(m_ui->LVResults, m_results, m_results);
        delete m_problemRows;
        m_problemRows = nullptr;
    }
    connectSelection();
    QTreeView* list = m_ui->LVResults;
    const QItemSelection kept = ShownSelectionOf(list, selected);
    if (kept.isEmpty())
        return;
    const auto rows = QItemSelectionModel::Rows;
    list->selectionModel()->setCurrentIndex(kept.first().topLeft(), QItemSelectionModel::NoUpdate);
    list->selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect | rows);
    list->scrollTo(kept.first().topLeft());
}

CheckCounts TForm1::checkCounts() const {
    return CountCheckReasons(m_results->rows());
}
