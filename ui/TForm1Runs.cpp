// The four run buttons: process and execute, over all or the selected rows.
#include "engine/ExecuteRun.h"
#include "engine/ProcessRun.h"
#include "engine/ResultModel.h"
#include "ui/TForm1.h"
#include "ui/ViewRowSelection.h"
#include "ui_TForm1.h"

ProcessSettings TForm1::processSettings() const {
    ProcessSettings settings;
    settings.existingScheme = m_inScheme.scheme();
    settings.newScheme = m_outScheme.scheme();
    settings.options.removeUnderscores = m_ui->CBRemoveUnderscores->isChecked();
    settings.options.lowercaseExtension = m_ui->CBExtensionLowercase->isChecked();
    return settings;
}

void TForm1::BProcessAllClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    ProcessRows(*m_results, processSettings(), *this);
    refillManualRename();
}

void TForm1::BProcessSelectedClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    const ViewRowSelection selection(m_ui->LVResults->selectionModel(), m_results->size());
    ProcessRows(*m_results, processSettings(), *this, selection);
    refillManualRename();
}

void TForm1::BExecuteAllClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    ExecuteRows(*m_results, *this);
}

void TForm1::BExecuteSelectedClick() {
    if (isScanning())
        return;
    const SummaryRefresh summary{*this};
    const ViewRowSelection selection(m_ui->LVResults->selectionModel(), m_results->size());
    ExecuteRows(*m_results, *this, selection);
}
