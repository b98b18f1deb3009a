// The results list's commands as the window gives them: the selection
// display, manual rename with movement from file to file, Cancel Rename,
// Search & Replace and the context menu. The window gathers their inputs
// (selection, dialog texts, the extension option) and shows the outcome; the
// operations on the rows are the engine's. None of them touches a file.
#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

#include "engine/CancelRename.h"
#include "engine/ManualRename.h"
#include "engine/ResultModel.h"
#include "engine/SearchReplace.h"
#include "shared/General/Texts.h"
#include "ui/Prompter.h"
#include "ui/ShownRows.h"
#include "ui/TForm1.h"
#include "ui/ViewRowSelection.h"
#include "ui_TForm1.h"

namespace {
constexpr int kMaxSearchLength = 255;
}

QList<int> TForm1::selectedRows() const {
    QList<int> rows;
    const QModelIndexList indexes = m_ui->LVResults->selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex& index : indexes)
        rows.append(ResultRowOf(index));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TForm1::LVResultsChange() {
    const QItemSelection selection = m_ui->LVResults->selectionModel()->selection();
    const int row = TheOneSelectedRow(selection);
    if (row >= 0 && m_results->row(row).isFileRow()) {
        ManualRenameItem = row;
        m_ui->EManualRename->setText(ManualRenameText(m_results->row(ManualRenameItem)));
        m_ui->EManualRename->setEnabled(true);
        m_ui->BManualRename->setEnabled(true);
    } else {
        ClearManualRename();
    }
    m_ui->BCancelRename->setEnabled(!selection.isEmpty());
}

void TForm1::ClearManualRename() {
    m_ui->EManualRename->setEnabled(false);
    m_ui->BManualRename->setEnabled(false);
    m_ui->EManualRename->clear();
    ManualRenameItem = -1;
}

void TForm1::clearManualRenameState() {
    ClearManualRename();
    m_ui->BCancelRename->setEnabled(false);
}

void TForm1::BManualRenameClick() {
    if (ManualRenameItem < 0)
        return;
    const SummaryRefresh summary{*this};
    ApplyManualRename(*m_results, ManualRenameItem, m_ui->EManualRename->text(),
                      m_ui->CBExtensionLowercase->isChecked());
    // The row stays in view under "Only problems", so that the keys go on from it.
    CheckProposals(false);
}

void TForm1::EManualRenameKeyDown(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            BManualRenameClick();
            MoveManualRename(1);
            break;
        case Qt::Key_Down:
            MoveManualRename(1);
            break;
        case Qt::Key_Up:
            MoveManualRename(-1);
            break;
        case Qt::Key_PageDown:
            MoveManualRename(10);
            break;
        case Qt::Key_PageUp:
            MoveManualRename(-10);
            break;
        default:
            break;
    }
}

void TForm1::MoveManualRename(int step) {
    if (ManualRenameItem < 0)
        return;
    // The move goes over the rows the list shows.
    QTreeView* list = m_ui->LVResults;
    const QAbstractItemModel* shown = list->model();
    const QModelIndex current = ShownIndexOf(list, ManualRenameItem);
    const int i = ManualRenameMoveTarget(
        shown->rowCount(),
        [this, shown](int row) {
            return m_results->row(ResultRowOf(shown->index(row, 0))).isFileRow();
        },
        current.row(), step);
    if (i == current.row())
        return;
    QItemSelectionModel* selection = list->selectionModel();
    const auto rows = QItemSelectionModel::Rows;
    selection->select(current, QItemSelectionModel::Deselect | rows);
    const QModelIndex target = shown->index(i, 0);
    selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | rows);
    m_ui->EManualRename->setFocus();
    m_ui->LVResults->scrollTo(target, QAbstractItemView::EnsureVisible);
}

void TForm1::BCancelRenameClick() {
    const SummaryRefresh summary{*this};
    CancelRename(*m_results,
                 ViewRowSelection(m_ui->LVResults->selectionModel(), m_results->size()));
    CheckProposals();
    refillManualRename();
}

void TForm1::refillManualRename() {
    // The row under manual rename may have been changed by another command:
    // the edit shows its proposal as it now stands.
    if (ManualRenameItem >= 0)
        LVResultsChange();
}

void TForm1::BSearchReplaceClick() {
    QString search = SearchText;
    if (!m_prompter->inputText(this, Text(Texts::kSearchStringCaption),
                               Text(Texts::kSearchStringPrompt), search, kMaxSearchLength))
        return;
    SearchText = search;
    if (SearchText.isEmpty())
        return;
    QString replace = ReplaceText;
    if (!m_prompter->inputText(this, Text(Texts::kReplaceStringCaption),
                               Text(Texts::kReplaceStringPrompt), replace, kMaxSearchLength))
        return;
    ReplaceText = replace;

    int changed = 0;
    {
        const SummaryRefresh summary{*this};
        changed = SearchReplace(*m_results, SearchText, ReplaceText, *this);
        CheckProposals();
    }
    refillManualRename();
    if (changed == 0)
        m_prompter->information(this, Text(Texts::kSearchNotFound));
    else
        m_prompter->information(this, Text(Texts::kReplacedInFiles).arg(changed));
}

void TForm1::PopupMenu1Popup() {
    const QList<int> rows = selectedRows();
    bool anyProposal = false;
    for (int i : rows)
        anyProposal = anyProposal || m_results->row(i).hasProposal();
    Process1->setEnabled(!rows.isEmpty());
    Execute1->setEnabled(anyProposal);
    Cancel1->setEnabled(anyProposal);
    Replace1->setEnabled(m_results->size() > 0);
    Undo1->setEnabled(!undoSet().isEmpty());
}

void TForm1::Process1Click() {
    BProcessSelectedClick();
}

void TForm1::Execute1Click() {
    BExecuteSelectedClick();
}

void TForm1::Cancel1Click() {
    BCancelRenameClick();
}

void TForm1::Replace1Click() {
    BSearchReplaceClick();
}
