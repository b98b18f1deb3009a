#include "engine/RowBytes.h"

#include "engine/ResultRow.h"

std::array<QByteArray, 5> RowFieldBytes(const ResultRow& row) {
    return {row.nameNotUtf8 ? row.existing.toUtf8() : row.existingOnDisk(), row.newName.toUtf8(),
            row.status.toUtf8(), row.folderNotUtf8() ? row.folder().toUtf8() : row.folderOnDisk(), row.check().toUtf8()};
}
