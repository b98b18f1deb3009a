#include "shared/PathDialog/FolderBrowser.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include "shared/General/Texts.h"
#include "shared/PathDialog/FolderPlaces.h"
#include "shared/PathDialog/FolderTreeFilter.h"

namespace {

QStyle::StandardPixmap PlaceIcon(FolderPlace::Kind kind) {
    switch (kind) {
        case FolderPlace::Home:
            return QStyle::SP_DirHomeIcon;
        case FolderPlace::FileSystem:
            return QStyle::SP_ComputerIcon;
        case FolderPlace::Media:
            break;
    }
    return QStyle::SP_DriveHDIcon;
}

bool IsWithin(const QString& path, const QString& folder) {
    return path == folder || folder == QLatin1String("/") ||
           path.startsWith(folder + QLatin1Char('/'));
}

// A typed path as a clean absolute path: "~" is the home folder, a file://
// link its local path, and a relative path lies below the home folder.
QString ResolvedPath(QString text) {
    if (text.startsWith(QLatin1String("file:")))
        text = QUrl(text).toLocalFile();
    else if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);
    if (text.isEmpty())
        return QString();
    if (QDir::isRelativePath(text))
        text = QDir::homePath() + QLatin1Char('/') + text;
    return QDir::cleanPath(text);
}

}  // namespace

FolderBrowser::FolderBrowser(const QString& rootPath, const QString& title, bool resizable,
                             bool showStatus, QWidget* parent)
    : QDialog(parent), m_rootPath(rootPath) {
    setObjectName(QStringLiteral("PathDialogBrowser"));
    setWindowTitle(Text(Texts::kBrowseForFolder));
    setSizeGripEnabled(resizable);
    new QVBoxLayout(this);
    addTitle(title);
    addPlacesAndTree(rootPath);
    addPathField();
    addStatusAndButtons(showStatus);
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 90, metrics.height() * 30);
    m_path->setFocus();
}

void FolderBrowser::addTitle(const QString& title) {
    auto* label = new QLabel(title, this);
    label->setObjectName(QStringLiteral("PathDialogTitle"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout()->addWidget(label);
}

void FolderBrowser::addPlacesAndTree(const QString& rootPath) {
    m_places = new QListWidget(this);
    m_places->setObjectName(QStringLiteral("PathDialogPlaces"));
    // A place outside the tree's root could not be shown in it.
    for (const FolderPlace& place : FolderPlaces()) {
        if (!IsWithin(place.path, rootPath))
            continue;
        auto* item = new QListWidgetItem(style()->standardIcon(PlaceIcon(place.kind)), place.label,
                                         m_places);
        item->setData(Qt::UserRole, place.path);
        item->setToolTip(place.path);
    }
    m_places->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_places->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    m_places->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A click, or Enter, goes to the place; moving through the list does not.
    connect(m_places, &QListWidget::itemClicked, this, &FolderBrowser::placeChosen);
    connect(m_places, &QListWidget::itemActivated, this, &FolderBrowser::placeChosen);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setReadOnly(true);
    m_folders->setRootPath(rootPath);
    m_filter = new FolderTreeFilter(m_folders, rootPath, this);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("PathDialogTree"));
    m_tree->setModel(m_filter);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_filter->columnCount(); ++column)
        m_tree->hideColumn(column);
    // The root folder is the tree's one top item.
    const QModelIndex rootIndex = m_folders->index(rootPath);
    m_tree->setRootIndex(m_filter->mapFromSource(rootIndex.parent()));
    m_tree->expand(m_filter->mapFromSource(rootIndex));
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderBrowser::treeSelectionChanged);

    auto* row = new QHBoxLayout;
    row->addWidget(m_places);
    row->addWidget(m_tree, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row, 1);
}

void FolderBrowser::addPathField() {
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("PathDialogPath"));
    m_path->setPlaceholderText(Text(Texts::kFolderPathPlaceholder));
    m_path->setClearButtonEnabled(true);
    // Completes folder names from the same folders the tree shows.
    auto* completer = new QCompleter(m_folders, m_path);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    m_path->setCompleter(completer);
    connect(m_path, &QLineEdit::textEdited, this, &FolderBrowser::pathEdited);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            &FolderBrowser::pathEdited);
    auto* label = new QLabel(Text(Texts::kFolderPathLabel), this);
    label->setBuddy(m_path);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_path, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    m_pathError = new QLabel(this);
    m_pathError->setObjectName(QStringLiteral("PathDialogPathError"));
    m_pathError->setTextFormat(Qt::PlainText);
    m_pathError->setWordWrap(true);
    m_pathError->hide();
    layout()->addWidget(m_pathError);
}

void FolderBrowser::addStatusAndButtons(bool showStatus) {
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("PathDialogStatus"));
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setVisible(showStatus);
    layout()->addWidget(m_statusLine);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("PathDialogButtons"));
    layout()->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &FolderBrowser::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateOk();
}

void FolderBrowser::selectFolder(const QString& path) {
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo(folder).isDir() && folder != QLatin1String("/"))
        folder = QFileInfo(folder).path();
    const QModelIndex source = m_folders->index(folder);
    if (!source.isValid())
        return;
    const QModelIndex index = m_filter->mapFromSource(source);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

void FolderBrowser::setStatusText(const QString& text) {
    m_statusLine->setText(text);
}

QString FolderBrowser::selectedFolder() const {
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return QString();
    return m_folders->filePath(m_filter->mapToSource(current));
}

void FolderBrowser::treeSelectionChanged(const QModelIndex& current) {
    const QString path =
        current.isValid() ? m_folders->filePath(m_filter->mapToSource(current)) : QString();
    if (!m_followingPath) {
        m_path->setText(path);
        // A path the field was given, not typed: what is typed replaces it.
        m_path->selectAll();
        m_pathError->hide();
        updateOk();
    }
    Q_EMIT selectionChanged(path);
}

void FolderBrowser::pathEdited() {
    m_pathError->hide();
    updateOk();
    // A folder typed in full is shown in the tree too.
    const QString folder = typedFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || folder == selectedFolder())
        return;
    m_followingPath = true;
    selectFolder(folder);
    m_followingPath = false;
}

void FolderBrowser::placeChosen(QListWidgetItem* item) {
    if (item)
        selectFolder(item->data(Qt::UserRole).toString());
}

void FolderBrowser::updateOk() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_path->text().isEmpty());
}

QString FolderBrowser::typedFolder() const {
    const QString exact = ResolvedPath(m_path->text());
    if (exact.isEmpty() || QFileInfo(exact).isDir())
        return exact;
    // Pasted text often carries blanks around the path; a folder whose own
    // name ends in a blank is still found as written.
    return ResolvedPath(m_path->text().trimmed());
}

void FolderBrowser::accept() {
    const QString folder = typedFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        m_pathError->setText(Text(Texts::kNoSuchFolder).arg(m_path->text()));
        m_pathError->show();
        m_path->setFocus();
        return;
    }
    m_chosen = folder;
    QDialog::accept();
}
