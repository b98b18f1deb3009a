#include "engine/UndoSet.h"

#include <QFile>

#include "engine/SafeRename.h"

UndoEntry UndoEntry::of(int row, const ResultRow& renamed) {
    return {row, renamed.sharedFolder, renamed.existing, renamed.existingBytes, renamed.newName};
}

// As ResultRow::folderOnDisk() gives them.
QByteArray UndoEntry::folder() const {
    if (!rowFolder)
        return {};
    return rowFolder->bytes.isEmpty() ? QFile::encodeName(rowFolder->text) : rowFolder->bytes;
}

// As ResultRow::existingOnDisk() gives them.
QByteArray UndoEntry::oldName() const {
    return oldBytes.isEmpty() ? QFile::encodeName(oldText) : oldBytes;
}

// As the execute run encodes the New Filename.
QByteArray UndoEntry::newName() const {
    return EncodeNewName(newText).value_or(QByteArray());
}
