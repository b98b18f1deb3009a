#include "cli/ExitStatus.h"

#include "engine/ResultRow.h"

int ExitStatusOf(const QVector<ResultRow>& rows, bool executed) {
    if (!executed)
        return kExitOk;
    for (const ResultRow& row : rows) {
        if (IsRenameError(row.outcome))
            return kExitFailed;
    }
    return kExitOk;
}
