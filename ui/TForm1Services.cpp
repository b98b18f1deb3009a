// How the window serves the scan and the runs: progress label and bar, busy
// cursor, pending events, suspended redraw, extension lines, count labels.
#include <QApplication>
#include <QCoreApplication>

#include "engine/FileScanner.h"
#include "engine/SizeText.h"
#include "settings/store/TextLines.h"
#include "shared/General/Texts.h"
#include "ui/FramePacer.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

void TForm1::showProgressText(const QString& text) {
    m_ui->LProgress->setProgressText(text);
}

void TForm1::processPendingMessages() {
    QCoreApplication::processEvents();
}

void TForm1::beginBusy() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_busyDepth;
}

void TForm1::endBusy() {
    if (m_busyDepth == 0)
        return;
    --m_busyDepth;
    QApplication::restoreOverrideCursor();
}

// A scan posted during a scan runs inside it: suspending nests.
void TForm1::suspendResultsRedraw() {
    if (m_redrawSuspended++ == 0)
        m_ui->LVResults->setUpdatesEnabled(false);
}

void TForm1::resumeResultsRedraw() {
    if (m_redrawSuspended > 0 && --m_redrawSuspended == 0)
        m_ui->LVResults->setUpdatesEnabled(true);
}

// The memo's lines as a user counts them: a line break after the last line
// does not make an empty line (which would take every file without an
// extension).
QStringList TForm1::extensionLines() {
    return MemoLines(m_ui->MIncludeExts->toPlainText());
}

void TForm1::setExtensionLines(const QStringList& lines) {
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != m_ui->MIncludeExts->toPlainText())
        m_ui->MIncludeExts->setPlainText(text);
}

void TForm1::updateFileCountLabels() {
    m_ui->LFileCount->setText(Text(Texts::kFilesCount).arg(FileCount()));
    m_ui->LFileSize->setText(SizeToText(TotalSize()));
}

void TForm1::showProgressBar() {
    m_progressPosition = 0;
    m_progressPacer->flush();
    m_ui->PBProgress->show();
}

// A run moves the bar once a row, and the bar repaints itself at once: it
// takes the newest position at most once a frame.
void TForm1::setProgressPosition(int position) {
    // Positions past the end show a full bar.
    m_progressPosition = std::min(position, m_ui->PBProgress->maximum());
    m_progressPacer->changed();
}

void TForm1::hideProgressBar() {
    m_progressPacer->flush();
    m_ui->PBProgress->hide();
}
