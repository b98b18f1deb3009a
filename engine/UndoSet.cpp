#include "engine/UndoSet.h"

#include <QFile>

#include "engine/SafeRename.h"

UndoEntry UndoEntry::of(int row, const ResultRow& renamed) {
    return {row, renamed.sharedFolder, renamed.newName};
}

// As ResultRow::folderOnDisk() gives them.
QByteArray UndoEntry::folder() const {
    if (!rowFolder)
        return {};
    return rowFolder->bytes.isEmpty() ? QFile::encodeName(rowFolder->text) : rowFolder->bytes;
}

// As the execute run encodes the New Filename.
QByteArray UndoEntry::newName() const {
    return EncodeNewName(newText).value_or(QByteArray());
}
