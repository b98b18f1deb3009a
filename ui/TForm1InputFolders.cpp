// The input folder list's commands: Add..., drops, Delete, Refresh and the
// scans they start.
#include <QCoreApplication>
#include <QListWidget>

#include "engine/FileScanner.h"
#include "settings/InputFolderList.h"
#include "shared/PathDialog/TPathDialog.h"
#include "ui/ScanFoldersEvent.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

void TForm1::ScanInputFolders(int first, int last) {
    ScanOptions options;
    options.recursive = m_ui->CBRecursive->isChecked();
    options.extensionFilter = m_ui->CBIncludeExts->isChecked();
    const bool full = first < 0 || last < 0;
    if (full)
        clearManualRenameState();
    ++m_scanDepth;
    struct ScanEnd {
        TForm1* form;
        ~ScanEnd() { form->scanEnded(); }
    } end{this};
    m_scanner->ScanInputFolders(InputFolders(m_ui->LBInput), first, last, options);
}

void TForm1::scanEnded() {
    --m_scanDepth;
    // A close asked for during the scan happens now that it is over.
    if (m_scanDepth == 0 && m_closePending) {
        m_closePending = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TForm1::BDirClick() {
    if (isScanning())
        return;
    if (!PathDialog1->Execute())
        return;
    QListWidget* list = m_ui->LBInput;
    if (!AddInputFolder(list, PathDialog1->Directory()))
        return;
    const int position = InputFolderPosition(list, NormalizeInputPath(PathDialog1->Directory()));
    ScanInputFolders(position, position);
}

void TForm1::LBInputFileDrop(QObject* Sender, const QStringList& Filenames) {
    (void)Sender;
    QListWidget* list = m_ui->LBInput;
    QStringList added;
    for (const QString& name : Filenames) {
        if (AddInputFolder(list, name))
            added.append(NormalizeInputPath(name));
    }
    if (added.isEmpty())
        return;
    // Positions are looked up after every name is in, in list order.
    QList<int> positions;
    for (const QString& path : added)
        positions.append(InputFolderPosition(list, path));
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
    QListWidget* list = m_ui->LBInput;
    bool deleted = false;
    int position = 0;
    while (position < list->count()) {
        if (list->item(position)->isSelected()) {
            delete list->takeItem(position);
            deleted = true;
        } else {
            ++position;
        }
    }
    if (deleted)
        BRefreshClick();
}

void TForm1::BRefreshClick() {
    if (isScanning())
        return;
    ScanInputFolders(-1, -1);
}
