#include "shared/PathDialog/TPathDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>
#include <exception>

#include "shared/General/Texts.h"
#include "shared/PathDialog/FolderTreeFilter.h"

TPathDialog::TPathDialog(QObject* owner) : QObject(owner) {}

TPathDialog::~TPathDialog() {
    // A picker still open goes with the component; Execute notices.
    delete m_browser.data();
}

QString TPathDialog::rootPath(TRootItem rootItem) {
    if (rootItem == riMyComputer)
        return QStringLiteral("/");
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return QDir::cleanPath(desktop);
    return QDir::cleanPath(QDir::homePath());
}

void TPathDialog::setDirectory(const QString& directory) {
    if (directory.isEmpty())
        m_directory = QDir::currentPath();
    else if (directory.endsWith(QLatin1Char('/')) && directory != QLatin1String("/"))
        m_directory = directory.chopped(1);
    else
        m_directory = directory;
    if (m_browser && !m_directory.isEmpty())
        selectDirectory();
}

void TPathDialog::setStatusText(const QString& statusText) {
    m_statusText = statusText;
    if (m_browser && m_showStatus && m_statusLine)
        m_statusLine->setText(statusText);
}

bool TPathDialog::Execute() {
    // One picker at a time: a handler that asks for another gets none.
    if (m_browser)
        return false;
    QWidget* ownerWindow = nullptr;
    if (auto* ownerWidget = qobject_cast<QWidget*>(parent()))
        ownerWindow = ownerWidget->window();
    else
        ownerWindow = QApplication::activeWindow();
    const QString root = rootPath(m_rootItem);
    if (!QFileInfo(root).isDir())
        return false;

    auto* dialog = new QDialog(ownerWindow);
    dialog->setObjectName(QStringLiteral("PathDialogBrowser"));
    dialog->setWindowTitle(Text(Texts::kBrowseForFolder));
    dialog->setSizeGripEnabled(m_newStyle || m_showStatus);
    auto* layout = new QVBoxLayout(dialog);
    auto* title = new QLabel(m_title, dialog);
    title->setObjectName(QStringLiteral("PathDialogTitle"));
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    layout->addWidget(title);

    m_folders = new QFileSystemModel(dialog);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setReadOnly(true);
    m_folders->setRootPath(root);
    m_filter = new FolderTreeFilter(m_folders, root, dialog);
    m_tree = new QTreeView(dialog);
    m_tree->setObjectName(QStringLiteral("PathDialogTree"));
    m_tree->setModel(m_filter);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_filter->columnCount(); ++column)
        m_tree->hideColumn(column);
    // The root folder is the tree's one top item.
    const QModelIndex rootIndex = m_folders->index(root);
    m_tree->setRootIndex(m_filter->mapFromSource(rootIndex.parent()));
    m_tree->expand(m_filter->mapFromSource(rootIndex));
    layout->addWidget(m_tree);

    m_statusLine = new QLabel(dialog);
    m_statusLine->setObjectName(QStringLiteral("PathDialogStatus"));
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setVisible(m_showStatus);
    layout->addWidget(m_statusLine);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    m_buttons->setObjectName(QStringLiteral("PathDialogButtons"));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, dialog,
            [this](const QModelIndex& current) { selectionChanged(current); });

    m_browser = dialog;
    // Runs once the picker is up, inside its modal loop.
    QMetaObject::invokeMethod(
        dialog, [this] { browserInitialized(); }, Qt::QueuedConnection);

    const QPointer<TPathDialog> self(this);
    const QPointer<QDialog> guard(dialog);
    const int answer = dialog->exec();
    if (!self)
        return false;
    const QString chosen = guard && answer == QDialog::Accepted ? selectedPath() : QString();
    m_browser = nullptr;
    m_tree = nullptr;
    m_folders = nullptr;
    m_filter = nullptr;
    m_statusLine = nullptr;
    m_buttons = nullptr;
    delete guard.data();
    if (chosen.isEmpty())
        return false;
    m_directory = chosen;
    return true;
}

void TPathDialog::browserInitialized() {
    if (!m_browser)
        return;
    setDirectory(m_directory);
    setStatusText(m_statusText);
    if (const TNotifyEvent handler = m_onShow)
        raiseGuarded([&] { handler(this); });
}

void TPathDialog::selectDirectory() {
    const QModelIndex source = m_folders->index(m_directory);
    if (!source.isValid())
        return;
    // A folder outside the root cannot be shown, so nothing is selected.
    const QModelIndex index = m_filter->mapFromSource(source);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

QString TPathDialog::selectedPath() const {
    if (!m_tree)
        return QString();
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return QString();
    return m_folders->filePath(m_filter->mapToSource(current));
}

void TPathDialog::selectionChanged(const QModelIndex& current) {
    if (m_buttons)
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(current.isValid());
    const TSelectEvent handler = m_onSelect;
    if (!handler)
        return;
    const QString path = selectedPath();
    raiseGuarded([&] { handler(this, path); });
}

void TPathDialog::raiseGuarded(const std::function<void()>& raise) {
    QString message;
    try {
        raise();
        return;
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        // An error without a text has nothing to show.
        return;
    }
    try {
        showHandlerError(message);
    } catch (...) {
        // The picker goes on whatever the message box did.
    }
}

void TPathDialog::showHandlerError(const QString& text) {
    QMessageBox::information(m_browser.data(), QGuiApplication::applicationDisplayName(), text);
}
