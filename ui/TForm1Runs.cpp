// The run buttons: process and execute, over all or the selected rows, and
// the undo of the last execute run.
#include <QPushButton>

#include "engine/ExecuteRun.h"
#include "engine/ProcessRun.h"
#include "engine/ResultModel.h"
#include "engine/UndoRun.h"
#include "ui/TForm1.h"
#include "ui/ViewRowSelection.h"
#include "ui_TForm1.h"

ProcessSettings TForm1::processSettings() const {
    ProcessSettings settings;
    settings.existingScheme = m_inScheme.scheme();
    settings.newScheme = m_outScheme.scheme();
    settings.options = nameOptions();
    return settings;
}

void TForm1::BProcessAllClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    ProcessRows(*m_results, processSettings(), *this);
    CheckProposals();
    refillManualRename();
}

void TForm1::BProcessSelectedClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    const ViewRowSelection selection(m_ui->LVResults->selectionModel(), m_results->size());
    ProcessRows(*m_results, processSettings(), *this, selection);
    CheckProposals();
    refillManualRename();
}

void TForm1::changingUndo(const std::function<void()>& command) {
    // The runs keep each rename, and drop each undo, as it is done: also
    // when an error ends them half-way, the button follows what is left.
    struct Update {
        TForm1* form;
        ~Update() { form->updateUndoControls(); }
    } update{this};
    command();
}

void TForm1::BExecuteAllClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    changingUndo([this] { ExecuteRows(*m_results, *this, &m_undo); });
    CheckProposals();
}

void TForm1::BExecuteSelectedClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    const ViewRowSelection selection(m_ui->LVResults->selectionModel(), m_results->size());
    changingUndo([&] { ExecuteRows(*m_results, *this, selection, &m_undo); });
    CheckProposals();
}

void TForm1::BUndoClick() {
    if (isScanning() || m_undo.isEmpty())
        return;
    const SummaryRefresh summary{*this};
    changingUndo([this] { UndoRenames(*m_results, m_undo, *this); });
    CheckProposals();
}

void TForm1::Undo1Click() {
    BUndoClick();
}

void TForm1::forgetUndo() {
    m_undo.clear();
    updateUndoControls();
}

void TForm1::updateUndoControls() {
    m_ui->BUndo->setEnabled(!m_undo.isEmpty());
}
