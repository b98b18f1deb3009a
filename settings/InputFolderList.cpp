#include "settings/InputFolderList.h"

#include <QListWidget>

#include "shared/General/General.h"

int InputFolderPosition(const QListWidget* list, const QString& path) {
    for (int i = 0; i < list->count(); ++i) {
        if (SameInputPath(list->item(i)->text(), path))
            return i;
    }
    return -1;
}

bool AddInputFolder(QListWidget* list, const QString& path, int* position) {
    const QString folder = NormalizeInputPath(path);
    if (folder.isEmpty() || !IsExistingDirectory(folder))
        return false;
    if (InputFolderPosition(list, folder) >= 0)
        return false;
    const int at = static_cast<int>(SortedInputPosition(InputFolders(list), folder));
    list->insertItem(at, folder);
    if (position)
        *position = at;
    return true;
}

QStringList InputFolders(const QListWidget* list) {
    QStringList folders;
    folders.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        folders.append(list->item(i)->text());
    return folders;
}
