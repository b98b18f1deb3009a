#include "cli/RowBytes.h"

#include "engine/ResultRow.h"

std::array<QByteArray, 5> RowFieldBytes(const ResultRow& row) {
    return {row.existingOnDisk(), row.newName.toUtf8(), row.status.toUtf8(), row.folderOnDisk(),
            row.check.toUtf8()};
}
