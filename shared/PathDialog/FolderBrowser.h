#pragma once

#include <QDialog>
#include <QString>

class FolderTreeFilter;
class QDialogButtonBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QTreeView;

// The window TPathDialog shows: its title, quick places beside a tree of the
// folders below the root, a path field that follows the tree and takes a
// typed or pasted path (with completion), the status line when asked for, OK
// and Cancel. The dialog is "PathDialogBrowser"; inside are
// "PathDialogTitle", "PathDialogPlaces", "PathDialogTree", "PathDialogPath",
// "PathDialogPathError", "PathDialogStatus" and "PathDialogButtons".
class FolderBrowser : public QDialog {
    Q_OBJECT
public:
    FolderBrowser(const QString& rootPath, const QString& title, bool resizable, bool showStatus,
                  QWidget* parent);

    // Selects the folder in the tree, or the nearest folder above it that
    // exists; a folder outside the root selects nothing.
    void selectFolder(const QString& path);
    void setStatusText(const QString& text);
    // The folder the tree has selected, empty while none is.
    QString selectedFolder() const;
    // After OK: the folder the path field named.
    const QString& chosenFolder() const { return m_chosen; }

    void accept() override;

Q_SIGNALS:
    // The tree's selection changed to path (empty when none).
    void selectionChanged(const QString& path);

private:
    void addTitle(const QString& title);
    void addPlacesAndTree(const QString& rootPath);
    void addPathField();
    void addStatusAndButtons(bool showStatus);
    void treeSelectionChanged(const QModelIndex& current);
    void pathEdited();
    void placeChosen(QListWidgetItem* item);
    void updateOk();
    // The folder the path field names, as a clean absolute path.
    QString typedFolder() const;

    QString m_rootPath;
    QFileSystemModel* m_folders = nullptr;
    FolderTreeFilter* m_filter = nullptr;
    QTreeView* m_tree = nullptr;
    QListWidget* m_places = nullptr;
    QLineEdit* m_path = nullptr;
    QLabel* m_pathError = nullptr;
    QLabel* m_statusLine = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QString m_chosen;
    // Set while the path field moves the tree, which then leaves the field alone.
    bool m_followingPath = false;
};
