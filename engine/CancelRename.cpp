#include "engine/CancelRename.h"

#include "engine/ResultModel.h"
#include "engine/RowSelection.h"
#include "shared/General/Texts.h"

int CancelRename(ResultModel& model, const RowSelection& selection) {
    const QString status = Text(Texts::kStatusRenameCancelled);
    int first = -1;
    int last = -1;
    int changed = 0;
    for (int i = 0; i < model.size(); ++i) {
        if (!model.row(i).hasProposal() || !selection.isSelected(i))
            continue;
        ResultRow& row = model.mutableRow(i);
        row.newName.clear();
        row.status = status;
        row.outcome = RowOutcome::RenameCancelled;
        if (first < 0)
            first = i;
        last = i;
        ++changed;
    }
    model.rowsChanged(first, last);
    return changed;
}
