#include "engine/RowBytes.h"

#include "engine/ResultRow.h"

std::array<QByteArray, 4> RowFieldBytes(const ResultRow& row) {
    return {row.existingOnDisk(), row.newName.toUtf8(), row.status.toUtf8(), row.folderOnDisk()};
}
