#include "ui/TForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>

#include "engine/FileScanner.h"
#include "engine/NewNamePreview.h"
#include "engine/ResultModel.h"
#include "settings/Settings.h"
#include "shared/DropWrap/TMyOLEDragDropInterface.h"
#include "shared/General/Texts.h"
#include "shared/PathDialog/TPathDialog.h"
#include "shared/VardoFileDrop/TFileDragDrop.h"
#include "ui/FramePacer.h"
#include "ui/PageGuard.h"
#include "ui/Prompter.h"
#include "ui/ResultsView.h"
#include "ui/SummaryLabel.h"
#include "ui/TextDropGuard.h"
#include "ui_TForm1.h"

TForm1::TForm1(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      m_ui(std::make_unique<Ui::TForm1>()),
      m_ownPrompter(prompter ? nullptr : std::make_unique<Prompter>()),
      m_prompter(prompter ? prompter : m_ownPrompter.get()),
      m_results(new ResultModel(this)) {
    m_ui->setupUi(this);
    m_scanner = std::make_unique<FileScanner>(*m_results, *this);
    m_progressPacer = std::make_unique<FramePacer>(
        m_ui->PBProgress, [this] { m_ui->PBProgress->setValue(m_progressPosition); });
    PathDialog1 = new TPathDialog(this);
    PathDialog1->setObjectName("PathDialog1");
    // "Add..." starts in the home folder, then where the last folder was chosen.
    PathDialog1->setDirectory(QDir::homePath());
    applyTexts();
    setUpNameOptions();
    setUpLayout();
    setUpResultsList();
    connectControls();
    setUpScanStop();
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    FormDestroy();
}

int TForm1::FileCount() const {
    return m_scanner->FileCount();
}

qint64 TForm1::TotalSize() const {
    return m_scanner->TotalSize();
}

void TForm1::applyTexts() {
    auto& ui = *m_ui;
    setWindowTitle(Text(Texts::kProgramTitle));
    ui.PageControl1->setTabText(0, Text(Texts::kTabInputFolders));
    ui.PageControl1->setTabText(1, Text(Texts::kTabRename));
    ui.LName->setText(Text(Texts::kProgramTitle));
    QFont title = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    title.setBold(true);
    title.setPixelSize(21);
    ui.LName->setFont(title);
    ui.Label1->setText(Text(Texts::kInputInstruction));
    ui.BDir->setText(Text(Texts::kAddFolder));
    ui.BDelete->setText(Text(Texts::kDelete));
    ui.BRefresh->setText(Text(Texts::kRefresh));
    ui.CBRecursive->setText(Text(Texts::kRecursive));
    ui.CBIncludeExts->setText(Text(Texts::kOnlyTheseExtensions));
    ui.Label2->setText(Text(Texts::kOnePerLine));
    ui.MIncludeExts->setPlainText(QStringLiteral(".mp3"));
    ui.GBInputFIlename->setTitle(Text(Texts::kExistingSchemeGroup));
    ui.GBOutputFilename->setTitle(Text(Texts::kNewSchemeGroup));
    ui.LDividerIn->setText(Text(Texts::kDivider));
    ui.LDividerOut->setText(Text(Texts::kDivider));
    ui.BInDefault->setText(Text(Texts::kDefault));
    ui.BOutDefault->setText(Text(Texts::kDefault));
    ui.BProcessAll->setText(Text(Texts::kProcessAll));
    ui.BProcessSelected->setText(Text(Texts::kProcessSelected));
    ui.BExecuteAll->setText(Text(Texts::kExecuteAll));
    ui.BExecuteSelected->setText(Text(Texts::kExecuteSelected));
    ui.BSearchReplace->setText(Text(Texts::kSearchReplace));
    ui.BCancelRename->setText(Text(Texts::kCancelRename));
    ui.GroupBox2->setTitle(Text(Texts::kManualRenameGroup));
    ui.BManualRename->setText(Text(Texts::kGo));
    ui.CBRemoveUnderscores->setText(Text(Texts::kRemoveUnderscores));
    ui.CBExtensionLowercase->setText(Text(Texts::kExtensionLowercase));
    ui.CBOnlyProblems->setText(Text(Texts::kOnlyProblems));
    ui.BCopy->setText(Text(Texts::kClipboardCopy));
    ui.BSave->setText(Text(Texts::kSave));
    ui.BUndo->setText(Text(Texts::kUndoExecute));

    ui.BProcessAll->setToolTip(Text(Texts::kTipProcessAll));
    ui.BExecuteAll->setToolTip(Text(Texts::kTipExecuteAll));
    ui.BProcessSelected->setToolTip(Text(Texts::kTipProcessSelected));
    ui.BExecuteSelected->setToolTip(Text(Texts::kTipExecuteSelected));
    ui.BCancelRename->setToolTip(Text(Texts::kTipCancelRename));
    ui.BSearchReplace->setToolTip(Text(Texts::kTipSearchReplace));
    ui.EManualRename->setToolTip(Text(Texts::kTipManualRename));
    ui.BUndo->setToolTip(Text(Texts::kTipUndoExecute));
    ui.BSave->setToolTip(Text(Texts::kTipSave));
    ui.BCopy->setToolTip(Text(Texts::kTipClipboardCopy));

    // The manual rename edit is painted in the button-face colour while disabled.
    QPalette manual = ui.EManualRename->palette();
    manual.setColor(QPalette::Disabled, QPalette::Base, manual.color(QPalette::Button));
    ui.EManualRename->setPalette(manual);

    // The previews are read-only and drawn like the window's buttons.
    for (QLineEdit* preview : {ui.EInputFile, ui.EOutputFile}) {
        QPalette palette = preview->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        preview->setPalette(palette);
    }
}

void TForm1::setUpLayout() {
    // The progress bar keeps its room while hidden, so that a run does not
    // move the controls.
    QSizePolicy bar = m_ui->PBProgress->sizePolicy();
    bar.setRetainSizeWhenHidden(true);
    m_ui->PBProgress->setSizePolicy(bar);
    GuardTextDrops(this);
}

void TForm1::setUpResultsList() {
    QTreeView* list = m_ui->LVResults;
    SetUpResultsView(list, m_results);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    auto addItem = [this](const char* name, const char* text) {
        auto* action = PopupMenu1->addAction(Text(text));
        action->setObjectName(name);
        return action;
    };
    Process1 = addItem("Process1", Texts::kMenuProcess);
    Execute1 = addItem("Execute1", Texts::kMenuExecute);
    Cancel1 = addItem("Cancel1", Texts::kMenuCancel);
    Replace1 = addItem("Replace1", Texts::kMenuReplace);
    Replace1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Replace1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list->addAction(Replace1);
    Undo1 = addItem("Undo1", Texts::kMenuUndo);
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Undo1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list->addAction(Undo1);

    m_inScheme.slots = {m_ui->LBIn1, m_ui->LBIn2, m_ui->LBIn3, m_ui->LBIn4, m_ui->LBIn5};
    m_inScheme.dividers = {m_ui->EInDivider1, m_ui->EInDivider2, m_ui->EInDivider3,
                           m_ui->EInDivider4};
    m_outScheme.slots = {m_ui->LBOut1, m_ui->LBOut2, m_ui->LBOut3, m_ui->LBOut4, m_ui->LBOut5};
    m_outScheme.dividers = {m_ui->EOutDivider1, m_ui->EOutDivider2, m_ui->EOutDivider3,
                            m_ui->EOutDivider4};
    m_inScheme.setUp();
    m_outScheme.setUp();
}

void TForm1::guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        m_prompter->critical(this, QString::fromUtf8(e.what()));
    } catch (...) {
        m_prompter->critical(this, Text(Texts::kUnexpectedError));
    }
}

template <typename Sender, typename Signal>
void TForm1::wire(Sender* sender, Signal signal, void (TForm1::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

void TForm1::connectControls() {
    auto& ui = *m_ui;
    m_pageGuard = new PageGuard(ui.PageControl1, [this](int, int to) {
        bool allowed = true;
        guarded([&] { allowed = PageControl1Changing(to); });
        return allowed;
    });
    for (const SchemeControls* scheme : {&m_inScheme, &m_outScheme}) {
        for (QListWidget* slot : scheme->slots)
            wire(slot, &QListWidget::currentRowChanged, &TForm1::FilenameSchemeClick);
        for (QLineEdit* divider : scheme->dividers)
            wire(divider, &QLineEdit::textChanged, &TForm1::FilenameSchemeClick);
    }
    wire(ui.BInDefault, &QPushButton::clicked, &TForm1::BInDefaultClick);
    wire(ui.BOutDefault, &QPushButton::clicked, &TForm1::BOutDefaultClick);
    wire(ui.BProcessAll, &QPushButton::clicked, &TForm1::BProcessAllClick);
    wire(ui.BProcessSelected, &QPushButton::clicked, &TForm1::BProcessSelectedClick);
    wire(ui.BExecuteAll, &QPushButton::clicked, &TForm1::BExecuteAllClick);
    wire(ui.BExecuteSelected, &QPushButton::clicked, &TForm1::BExecuteSelectedClick);
    wire(ui.BUndo, &QPushButton::clicked, &TForm1::BUndoClick);
    wire(ui.BCopy, &QPushButton::clicked, &TForm1::BCopyClick);
    wire(ui.BSave, &QPushButton::clicked, &TForm1::BSaveClick);

    wire(ui.BDir, &QPushButton::clicked, &TForm1::BDirClick);
    wire(ui.BDelete, &QPushButton::clicked, &TForm1::BDeleteClick);
    wire(ui.BRefresh, &QPushButton::clicked, &TForm1::BRefreshClick);

    connectSelection();
    wire(ui.CBOnlyProblems, &QCheckBox::toggled, &TForm1::CBOnlyProblemsClick);
    // A full rescan takes away every row: no manual rename outlives its row.
    wire(m_results, &QAbstractItemModel::modelReset, &TForm1::clearManualRenameState);
    // and no undo outlives the rows it would report to.
    wire(m_results, &QAbstractItemModel::modelReset, &TForm1::forgetUndo);
    wire(m_results, &QAbstractItemModel::modelReset, &TForm1::updateSummary);
    connect(ui.LSummary, &SummaryLabel::partActivated, this,
            [this](int part) { guarded([this, part] { LSummaryPartActivated(part); }); });
    wire(ui.BManualRename, &QPushButton::clicked, &TForm1::BManualRenameClick);
    ui.EManualRename->installEventFilter(this);
    wire(ui.BCancelRename, &QPushButton::clicked, &TForm1::BCancelRenameClick);
    wire(ui.BSearchReplace, &QPushButton::clicked, &TForm1::BSearchReplaceClick);
    wire(Process1, &QAction::triggered, &TForm1::Process1Click);
    wire(Execute1, &QAction::triggered, &TForm1::Execute1Click);
    wire(Cancel1, &QAction::triggered, &TForm1::Cancel1Click);
    wire(Replace1, &QAction::triggered, &TForm1::Replace1Click);
    wire(Undo1, &QAction::triggered, &TForm1::Undo1Click);
    connect(ui.LVResults, &QWidget::customContextMenuRequested, this, &TForm1::showResultsMenu);
    connectNameOptions();
    // The shortcut Ctrl+R works whatever the menu showed when it last opened.
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] {
        for (QAction* action : PopupMenu1->actions())
            action->setEnabled(true);
    });
}

void TForm1::connectSelection() {
    QItemSelectionModel* selection = m_ui->LVResults->selectionModel();
    wire(selection, &QItemSelectionModel::selectionChanged, &TForm1::LVResultsChange);
    wire(selection, &QItemSelectionModel::currentChanged, &TForm1::LVResultsChange);
}

void TForm1::showResultsMenu(const QPoint& position) {
    guarded([this] { PopupMenu1Popup(); });
    PopupMenu1->popup(m_ui->LVResults->viewport()->mapToGlobal(position));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->EManualRename && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        guarded([this, key] { EManualRenameKeyDown(key); });
        // The edit still gets the key afterwards.
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormCreate() {
    // The file drop component comes first: should LBInput not become a drop
    // target, the error ends the start here and the settings stay unloaded.
    m_fileDrop = new TFileDragDrop(this);
    m_fileDrop->setOnFileDrop([this](QObject* sender, const QStringList& names) {
        guarded([&] { LBInputFileDrop(sender, names); });
    });
    m_fileDrop->setDropControl(m_ui->LBInput);
    applyDefaultScheme(m_outScheme, SchemeRole::New);
    applyDefaultScheme(m_inScheme, SchemeRole::Existing);
    m_ui->LProgress->setProgressText(QString());
    m_ui->LProgress->showProgressNow();
    ManualRenameItem = -1;
    SearchText.clear();
    ReplaceText.clear();
    m_ui->PageControl1->setCurrentIndex(0);
    // The scan's totals start at 0 files and 0 bytes.
    updateFileCountLabels();
    LoadSettings(settingsControls());
    UpdateSchemePreviews();
    clearManualRenameState();
    updateUndoControls();
}

void TForm1::FormClose() {
    SaveSettings(settingsControls());
}

void TForm1::FormDestroy() {
    delete m_fileDrop;
    m_fileDrop = nullptr;
    // The page control is destroyed piece by piece after this: its guard must
    // not see the events of that.
    delete m_pageGuard;
    m_pageGuard = nullptr;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing is never refused; while a scan runs it waits for the scan's end.
    if (isScanning()) {
        m_closePending = true;
        event->ignore();
        return;
    }
    guarded([this] { FormClose(); });
    event->accept();
}

bool TForm1::PageControl1Changing(int to) {
    (void)to;
    if (m_ui->PageControl1->currentIndex() == 0 && FileCount() == 0) {
        m_prompter->information(this, Text(Texts::kChooseDirectories));
        return false;
    }
    return true;
}

void TForm1::FilenameSchemeClick() {
    UpdateSchemePreviews();
}

void TForm1::UpdateSchemePreviews() {
    const QStringList lines = extensionLines();
    const QString first = lines.isEmpty() ? QString() : lines.constFirst();
    m_ui->EInputFile->setText(SchemePreviewText(m_inScheme.scheme(), first));
    m_ui->EOutputFile->setText(NewSchemePreviewText(m_outScheme.scheme(), first, nameOptions()));
}

void TForm1::applyDefaultScheme(const SchemeControls& scheme, SchemeRole role) {
    // Setting the controls refreshes the previews only for the controls that
    // changed; the previews are refreshed once more in any case.
    scheme.setScheme(DefaultScheme(role));
    UpdateSchemePreviews();
}

void TForm1::BInDefaultClick() {
    applyDefaultScheme(m_inScheme, SchemeRole::Existing);
}

void TForm1::BOutDefaultClick() {
    applyDefaultScheme(m_outScheme, SchemeRole::New);
}
