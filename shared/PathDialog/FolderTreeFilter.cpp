#include "shared/PathDialog/FolderTreeFilter.h"

#include <QFileSystemModel>

namespace {

// Whether descendant lies in folder or below it.
bool IsWithin(const QString& descendant, const QString& folder) {
    if (descendant == folder)
        return true;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return descendant.startsWith(prefix);
}

}  // namespace

FolderTreeFilter::FolderTreeFilter(QFileSystemModel* folders, const QString& rootPath,
                                   QObject* parent)
    : QSortFilterProxyModel(parent), m_folders(folders), m_rootPath(rootPath) {
    setSourceModel(folders);
}

bool FolderTreeFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QString path = m_folders->filePath(m_folders->index(sourceRow, 0, sourceParent));
    return IsWithin(path, m_rootPath) || IsWithin(m_rootPath, path);
}
