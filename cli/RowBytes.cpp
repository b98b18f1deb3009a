#include "cli/RowBytes.h"

#include <QFile>

#include "engine/ResultRow.h"

QByteArray ExistingBytes(const ResultRow& row) {
    return row.existingBytes.isEmpty() ? QFile::encodeName(row.existing) : row.existingBytes;
}

QByteArray FolderBytes(const ResultRow& row) {
    return row.folderBytes.isEmpty() ? QFile::encodeName(row.folder) : row.folderBytes;
}

std::array<QByteArray, 4> RowFieldBytes(const ResultRow& row) {
    return {ExistingBytes(row), row.newName.toUtf8(), row.status.toUtf8(), FolderBytes(row)};
}
