// Commands on the result rows themselves: the selection display, manual
// rename with movement from file to file, Cancel Rename, Search & Replace
// and the results list's context menu. None of them touches a file.
#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>

#include "engine/NameComputation.h"
#include "engine/ResultModel.h"
#include "engine/RunScope.h"
#include "shared/General/Texts.h"
#include "ui/Prompter.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

namespace {
constexpr int kMaxSearchLength = 255;
}

QList<int> TForm1::selectedRows() const {
    QList<int> rows;
    const QModelIndexList indexes = m_ui->LVResults->selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex& index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TForm1::LVResultsChange() {
    const QList<int> rows = selectedRows();
    if (rows.size() == 1 && m_results->row(rows.constFirst()).isFileRow()) {
        const ResultRow& row = m_results->row(rows.constFirst());
        ManualRenameItem = rows.constFirst();
        m_ui->EManualRename->setText(
            NameWithoutExtension(row.hasProposal() ? row.newName : row.existing));
        m_ui->EManualRename->setEnabled(true);
        m_ui->BManualRename->setEnabled(true);
    } else {
        ClearManualRename();
    }
    m_ui->BCancelRename->setEnabled(!rows.isEmpty());
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
    const ResultRow& row = m_results->row(ManualRenameItem);
    const QLocale locale = QLocale::system();
    QString ext = ExtensionOf(row.existing);
    if (m_ui->CBExtensionLowercase->isChecked())
        ext = locale.toLower(ext);
    QString name = m_ui->EManualRename->text();
    if (locale.toLower(ExtensionOf(name)) != locale.toLower(ext))
        name += ext;
    if (name == row.existing || name.size() == ext.size()) {
        m_results->setProposal(ManualRenameItem, QString(), Text(Texts::kStatusManualCancelled));
        return;
    }
    if (name == row.newName)
        return;
    m_results->setProposal(ManualRenameItem, name, Text(Texts::kStatusManualPending));
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
    const int count = m_results->size();
    int i = ManualRenameItem;
    int d = step;
    bool turned = false;
    for (;;) {
        i += d;
        d = d < 0 ? -1 : 1;
        if (i < 0) {
            i = 0;
            d = 1;
            if (turned)
                return;
            turned = true;
        } else if (i >= count) {
            i = count - 1;
            d = -1;
            if (turned)
                return;
            turned = true;
        }
        if (m_results->row(i).isFileRow())
            break;
    }
    if (i == ManualRenameItem)
        return;
    QItemSelectionModel* selection = m_ui->LVResults->selectionModel();
    const auto rows = QItemSelectionModel::Rows;
    selection->select(m_results->index(ManualRenameItem, 0), QItemSelectionModel::Deselect | rows);
    const QModelIndex target = m_results->index(i, 0);
    selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | rows);
    m_ui->EManualRename->setFocus();
    m_ui->LVResults->scrollTo(target, QAbstractItemView::EnsureVisible);
}

void TForm1::BCancelRenameClick() {
    int first = -1;
    int last = -1;
    for (int i : selectedRows()) {
        ResultRow& row = m_results->mutableRow(i);
        if (!row.hasProposal())
            continue;
        row.newName.clear();
        row.status = Text(Texts::kStatusRenameCancelled);
        if (first < 0)
            first = i;
        last = i;
    }
    m_results->rowsChanged(first, last);
    refillManualRename();
}

void TForm1::refillManualRename() {
    // The row under manual rename may have been changed by another command:
    // the edit shows its proposal as it now stands.
    if (ManualRenameItem >= 0)
        LVResultsChange();
}

// Replaces every occurrence of search in text from the left, without overlap
// and without searching inserted text again; false when there was none.
static bool ReplaceAll(const QString& text, const QString& search, const QString& replace,
                       QString& result) {
    qsizetype from = 0;
    qsizetype found = text.indexOf(search, from, Qt::CaseSensitive);
    if (found < 0)
        return false;
    result.clear();
    while (found >= 0) {
        result += QStringView(text).mid(from, found - from);
        result += replace;
        from = found + search.size();
        found = text.indexOf(search, from, Qt::CaseSensitive);
    }
    result += QStringView(text).mid(from);
    return true;
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
        const int count = m_results->size();
        RunScope run(*m_results, *this, count);
        const QString status = Text(Texts::kStatusReplacedPending);
        QString result;
        for (int i = 0; i < count; ++i) {
            run.advance();
            ResultRow& row = m_results->mutableRow(i);
            if (row.isFolderRow())
                continue;
            const QString& text = row.hasProposal() ? row.newName : row.existing;
            // A replacement that leaves no name at all is no proposal: the row
            // stays as it was rather than claim a rename that cannot happen.
            if (!ReplaceAll(text, SearchText, ReplaceText, result) || result.isEmpty())
                continue;
            row.newName = result;
            row.status = status;
            ++changed;
            run.touched(i);
        }
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
