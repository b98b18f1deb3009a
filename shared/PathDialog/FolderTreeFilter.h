#pragma once

#include <QSortFilterProxyModel>
#include <QString>

class QFileSystemModel;

// Narrows a folder model to one root folder: the root itself, the folders
// above it (so that the root can be shown as the tree's top item) and
// everything below it.
class FolderTreeFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    FolderTreeFilter(QFileSystemModel* folders, const QString& rootPath, QObject* parent);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QFileSystemModel* m_folders;
    QString m_rootPath;
};
