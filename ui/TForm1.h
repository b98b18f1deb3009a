#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "engine/UndoSet.h"
#include "engine/LegacyEncoding.h"
#include "engine/NameComputation.h"
#include "engine/WindowServices.h"
#include "settings/SettingsControls.h"
#include "ui/SchemeControls.h"

namespace Ui {
class TForm1;
}
class FileScanner;
class FramePacer;
class PageGuard;
class Prompter;
class QAction;
class QMenu;
class ProblemRowsFilter;
class QShortcut;
class ResultModel;
struct CheckCounts;
struct ResultRow;
class TFileDragDrop;
class TPathDialog;
struct ProcessSettings;

// The program's one window. It wires its controls to the commands; the
// commands themselves live in the engine and in their own files.
class TForm1 : public QMainWindow, public WindowServices {
    Q_OBJECT
public:
    // The window uses prompter for every message and dialog (a plain Prompter
    // when none is given) and does not own it.
    explicit TForm1(Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    ResultModel& results() const { return *m_results; }
    int FileCount() const;
    qint64 TotalSize() const;
    SettingsControls settingsControls() const;
    bool isScanning() const { return m_scanDepth > 0; }

    // Start, close and destroy.
    void FormCreate();
    void FormClose();
    void FormDestroy();

    // True when the page shown may be left for page `to`.
    bool PageControl1Changing(int to);

    void FilenameSchemeClick();
    void UpdateSchemePreviews();

    // How names are read and cleaned up (TForm1NameOptions.cpp).
    NameOptions nameOptions() const;
    LegacyEncoding legacyEncoding() const;
    void NameOptionsChange();
    void CMBLegacyEncodingChange();
    void BInDefaultClick();
    void BOutDefaultClick();

    void BProcessAllClick();
    void BProcessSelectedClick();
    void BExecuteAllClick();
    void BExecuteSelectedClick();
    // Undo Execute, Save and Clipboard Copy.
    void BUndoClick();
    void BCopyClick();
    void BSaveClick();
    // What the next undo would put back: the renames of the last execute run
    // that are not undone yet.
    const UndoSet& undoSet() const { return m_undo; }

    // The input folder list.
    void ScanInputFolders(int first, int last);
    void BDirClick();
    void LBInputFileDrop(QObject* Sender, const QStringList& Filenames);
    void WMScanFolders(int first, int last, const QString& path = {});
    void BDeleteClick();
    void BRefreshClick();
    // Stops the scan that runs (the button BStop and Esc).
    void BStopClick();

    // The results list commands.
    void LVResultsChange();
    void ClearManualRename();
    void BManualRenameClick();
    // Acts on Enter and the movement keys of the manual rename edit.
    void EManualRenameKeyDown(int key);
    void MoveManualRename(int step);
    void BCancelRenameClick();
    void BSearchReplaceClick();
    void PopupMenu1Popup();
    void Process1Click();
    void Execute1Click();
    void Cancel1Click();
    void Replace1Click();
    void Undo1Click();
    int manualRenameRow() const { return ManualRenameItem; }

    // The summary line under the results list: counted again at the end of
    // every scan, run and command; a click on a count of problems selects the
    // next row it counts.
    void updateSummary();
    void LSummaryPartActivated(int part);
    // The check before execute, after every change of proposals and every
    // execute run; with chooseShownRows, "Only problems" chooses its rows anew.
    void CheckProposals(bool chooseShownRows = true);
    // "Only problems": the list shows only the rows with a problem, or all.
    void CBOnlyProblemsClick();
    // What the check found in the rows as they are now.
    CheckCounts checkCounts() const;

    // WindowServices
    void showProgressText(const QString& text) override;
    void processPendingMessages() override;
    void beginBusy() override;
    void endBusy() override;
    void suspendResultsRedraw() override;
    void resumeResultsRedraw() override;
    QStringList extensionLines() override;
    void setExtensionLines(const QStringList& lines) override;
    void skippedSystemFolder(const QString& folder, const QString& fileSystem) override;
    void updateFileCountLabels() override;
    void showProgressBar() override;
    void setProgressPosition(int position) override;
    void hideProgressBar() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyTexts();
    void setUpNameOptions();
    void connectNameOptions();
    void setUpLayout();
    void setUpResultsList();
    void connectControls();
    // Runs a command under the window's top-level error handler: whatever it
    // throws is shown in an error box and the window stays usable.
    void guarded(const std::function<void()>& command);
    // Connects a signal to a member handler run under guarded().
    template <typename Sender, typename Signal>
    void wire(Sender* sender, Signal signal, void (TForm1::*handler)());
    void setUpScanStop();
    void scanEnded();
    // Counts the summary again when it goes out of scope, also when the
    // command it guards ends by an error.
    struct SummaryRefresh {
        TForm1& form;
        ~SummaryRefresh();
    };
    void clearManualRenameState();
    void refillManualRename();
    // The list's selection, of whichever rows it shows, tells the window.
    void connectSelection();
    QList<int> selectedRows() const;
    void showResultsMenu(const QPoint& position);
    void applyDefaultScheme(const SchemeControls& scheme, SchemeRole role);
    ProcessSettings processSettings() const;
    // Runs a command that changes the undo set, and shows what is left of it.
    void changingUndo(const std::function<void()>& command);
    void forgetUndo();
    void updateUndoControls();
    // The rows Save and Clipboard Copy write: the selected ones when more
    // than one is selected, else all.
    QVector<ResultRow> rowsToWrite() const;

    std::unique_ptr<Ui::TForm1> m_ui;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter;
    ResultModel* m_results;
    std::unique_ptr<FileScanner> m_scanner;
    SchemeControls m_inScheme;
    SchemeControls m_outScheme;
    QMenu* PopupMenu1 = nullptr;
    QAction* Process1 = nullptr;
    QAction* Execute1 = nullptr;
    QAction* Cancel1 = nullptr;
    QAction* Replace1 = nullptr;
    QAction* Undo1 = nullptr;
    TPathDialog* PathDialog1 = nullptr;
    ProblemRowsFilter* m_problemRows = nullptr;  // while "Only problems" is ticked
    TFileDragDrop* m_fileDrop = nullptr;
    PageGuard* m_pageGuard = nullptr;
    int m_scanDepth = 0;
    int m_busyDepth = 0;
    int m_redrawSuspended = 0;
    bool m_closePending = false;
    // The row the summary's link led to last, to go on from there.
    int m_lastSummaryJump = -1;
    QShortcut* m_stopShortcut = nullptr;
    // The position of PBProgress a run gave last, and what brings it to the bar.
    int m_progressPosition = 0;
    std::unique_ptr<FramePacer> m_progressPacer;
    // What the scans that run now said of folders they did not enter.
    QStringList m_skippedFolders;

    UndoSet m_undo;

    // Manual rename and Search & Replace state.
    int ManualRenameItem = -1;
    QString SearchText;
    QString ReplaceText;
};
