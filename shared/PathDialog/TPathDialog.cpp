#include "shared/PathDialog/TPathDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <exception>

#include "shared/PathDialog/FolderBrowser.h"

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
        m_browser->selectFolder(m_directory);
}

void TPathDialog::setStatusText(const QString& statusText) {
    m_statusText = statusText;
    if (m_browser && m_showStatus)
        m_browser->setStatusText(statusText);
}

QDialog* TPathDialog::browser() const {
    return m_browser.data();
}

bool TPathDialog::Execute() {
    // One picker at a time: a handler that asks for another gets none.
    if (m_browser)
        return false;
    const QString root = rootPath(m_rootItem);
    if (!QFileInfo(root).isDir())
        return false;
    openBrowser(root);
    const QString chosen = runBrowser();
    if (chosen.isEmpty())
        return false;
    m_directory = chosen;
    return true;
}

QWidget* TPathDialog::ownerWindow() const {
    if (auto* ownerWidget = qobject_cast<QWidget*>(parent()))
        return ownerWidget->window();
    return QApplication::activeWindow();
}

void TPathDialog::openBrowser(const QString& root) {
    auto* browser =
        new FolderBrowser(root, m_title, m_newStyle || m_showStatus, m_showStatus, ownerWindow());
    connect(browser, &FolderBrowser::selectionChanged, this,
            [this](const QString& path) { selectionChanged(path); });
    m_browser = browser;
    // Runs once the picker is up, inside its modal loop.
    QMetaObject::invokeMethod(
        browser, [this] { browserInitialized(); }, Qt::QueuedConnection);
}

QString TPathDialog::runBrowser() {
    const QPointer<TPathDialog> self(this);
    const QPointer<FolderBrowser> browser(m_browser.data());
    const int answer = browser->exec();
    // The component may have gone with its owner while the picker was open.
    if (!self)
        return QString();
    const QString chosen =
        browser && answer == QDialog::Accepted ? browser->chosenFolder() : QString();
    m_browser = nullptr;
    delete browser.data();
    return chosen;
}

void TPathDialog::browserInitialized() {
    if (!m_browser)
        return;
    setDirectory(m_directory);
    setStatusText(m_statusText);
    if (const TNotifyEvent handler = m_onShow)
        raiseGuarded([&] { handler(this); });
}

void TPathDialog::selectionChanged(const QString& path) {
    if (const TSelectEvent handler = m_onSelect)
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
