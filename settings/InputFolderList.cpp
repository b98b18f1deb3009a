#include "settings/InputFolderList.h"

#include <QCollator>
#include <QListWidget>
#include <QLocale>

#include "shared/General/General.h"

int InputFolderPosition(const QListWidget* list, const QString& path) {
    for (int i = 0; i < list->count(); ++i) {
        if (SameInputPath(list->item(i)->text(), path))
            return i;
    }
    return -1;
}

// Where the list box sorts a new entry: the locale's case-insensitive order,
// ties broken by exact comparison so that the order is stable.
static int SortedPosition(const QListWidget* list, const QString& path) {
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int position = 0;
    while (position < list->count()) {
        const QString entry = list->item(position)->text();
        int order = collator.compare(path, entry);
        if (order == 0)
            order = path.compare(entry);
        if (order < 0)
            break;
        ++position;
    }
    return position;
}

bool AddInputFolder(QListWidget* list, const QString& path, int* position) {
    const QString folder = NormalizeInputPath(path);
    if (folder.isEmpty() || !IsExistingDirectory(folder))
        return false;
    if (InputFolderPosition(list, folder) >= 0)
        return false;
    const int at = SortedPosition(list, folder);
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
