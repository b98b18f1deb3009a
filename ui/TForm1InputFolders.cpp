// The input folder list's commands: Add..., drops, Delete, Refresh and the
// scans they start.
#include <QCoreApplication>
#include <QListWidget>
#include <QShortcut>

#include "engine/FileScanner.h"
#include "settings/InputFolderList.h"
#include "shared/General/Texts.h"
#include "shared/PathDialog/TPathDialog.h"
#include "ui/Prompter.h"
#include "ui/ScanFoldersEvent.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

void TForm1::setUpScanStop() {
    m_ui->BStop->setText(Text(Texts::kStop));
    m_ui->BStop->setToolTip(Text(Texts::kTipStop));
    m_ui->BStop->hide();
    connect(m_ui->BStop, &QPushButton::clicked, this,
            [this] { guarded([this] { BStopClick(); }); });
    // Esc stops a scan wherever the focus is in the window, and means
    // nothing to the window otherwise.
    m_stopShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_stopShortcut->setContext(Qt::WindowShortcut);
    m_stopShortcut->setEnabled(false);
    connect(m_stopShortcut, &QShortcut::activated, this,
            [this] { guarded([this] { BStopClick(); }); });
}

void TForm1::ScanInputFolders(int first, int last) {
    ScanOptions options;
    options.recursive = m_ui->CBRecursive->isChecked();
    options.extensionFilter = m_ui->CBIncludeExts->isChecked();
    options.legacyEncoding = legacyEncoding();
    if (m_scanDepth++ == 0) {
        m_skippedFolders.clear();
        m_ui->BStop->show();
        m_stopShortcut->setEnabled(true);
    }
    struct ScanEnd {
        TForm1* form;
        ~ScanEnd() { form->scanEnded(); }
    } end{this};
    m_scanner->ScanInputFolders(InputFolders(m_ui->LBInput), first, last, options);
}

void TForm1::BStopClick() {
    m_scanner->requestStop();
}

void TForm1::skippedSystemFolder(const QString& folder, const QString& fileSystem) {
    m_skippedFolders.append(Text(Texts::kSystemFolderSkipped).arg(folder, fileSystem));
}

void TForm1::scanEnded() {
    const SummaryRefresh summary{*this};
    if (--m_scanDepth > 0)
        return;
    m_stopShortcut->setEnabled(false);
    m_ui->BStop->hide();
    // The progress line is empty after a scan, but for a stopped one it says so.
    if (m_scanner->wasStopped())
        m_ui->LProgress->setProgressText(Text(Texts::kScanStopped));
    // The folders' texts came at most once a frame; the last one shows now.
    m_ui->LProgress->showProgressNow();
    // Said once the scan is over, never from inside it: the message waits for
    // the user, and the scan would stand still behind it.
    if (!m_skippedFolders.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this, text = m_skippedFolders.join(u'\n')] {
                guarded([this, &text] { m_prompter->information(this, text); });
            },
            Qt::QueuedConnection);
        m_skippedFolders.clear();
    }
    // A close asked for during the scan happens now that it is over.
    if (m_closePending) {
        m_closePending = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TForm1::BDirClick() {
    if (isScanning())
        return;
    if (!PathDialog1->Execute())
        return;
    int position = -1;
    if (!AddInputFolder(m_ui->LBInput, PathDialog1->Directory(), &position))
        return;
    ScanInputFolders(position, position);
}

void TForm1::LBInputFileDrop(QObject* Sender, const QStringList& Filenames) {
    (void)Sender;
    QListWidget* list = m_ui->LBInput;
    QList<QListWidgetItem*> added;
    for (const QString& name : Filenames) {
        int position = -1;
        if (AddInputFolder(list, name, &position))
            added.append(list->item(position));
    }
    // Positions are taken after every name is in, in list order.
    QList<int> positions;
    for (QListWidgetItem* item : added)
        positions.append(list->row(item));
    std::sort(positions.begin(), positions.end());
    for (int position : positions) {
        QCoreApplication::postEvent(
            this, new ScanFoldersEvent(position, position, list->item(position)->text()));
    }
}

void TForm1::customEvent(QEvent* event) {
    if (event->type() != ScanFoldersEvent::WM_SCANFOLDERS) {
        QMainWindow::customEvent(event);
        return;
    }
    const auto* request = static_cast<ScanFoldersEvent*>(event);
    guarded([this, request] { WMScanFolders(request->first, request->last, request->path); });
}

void TForm1::WMScanFolders(int first, int last, const QString& path) {
    if (!path.isEmpty() && first == last) {
        // The entry may have moved, or gone, since the request was posted.
        const int position = InputFolderPosition(m_ui->LBInput, path);
        if (position < 0)
            return;
        first = last = position;
    }
    ScanInputFolders(first, last);
}

void TForm1::BDeleteClick() {
    if (isScanning())
        return;
    // The selected entries are taken first: removing one makes the list box
    // select its neighbour, which must not go too.
    QListWidget* list = m_ui->LBInput;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    for (QListWidgetItem* item : selected)
        delete list->takeItem(list->row(item));
    BRefreshClick();
}

void TForm1::BRefreshClick() {
    if (isScanning())
        return;
    ScanInputFolders(-1, -1);
}
