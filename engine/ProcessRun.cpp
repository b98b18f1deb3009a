#include "engine/ProcessRun.h"

#include "engine/CommandError.h"
#include "engine/ResultModel.h"
#include "engine/RowSelection.h"
#include "engine/RunScope.h"
#include "engine/WindowServices.h"
#include "shared/General/Texts.h"

namespace {

void ProcessRowsIn(ResultModel& model, const ProcessSettings& settings, WindowServices& services,
                   const RowSelection* selection) {
    if (model.size() == 0)
        throw CommandError(Text(Texts::kNoFilesToProcess));
    if (selection && selection->count() == 0)
        throw CommandError(Text(Texts::kNoSelectedFilesToProcess));

    const SlotList in = ActiveSlots(settings.existingScheme);
    const SlotList out = ActiveSlots(settings.newScheme);
    const NameOptions options = settings.options;
    const NameStatusTexts texts;

    RunScope run(model, services, selection ? selection->count() : model.size());
    // The rows of a folder follow each other: its names are taken apart once.
    QString namesOf;
    FolderNames names;
    for (int i = 0; i < model.size(); ++i) {
        if (selection && !selection->isSelected(i))
            continue;
        run.advance();
        const ResultRow& row = model.row(i);
        if (row.isFolderRow())
            continue;
        if (namesOf.isNull() || row.folder() != namesOf) {
            names = FolderAndParentName(row.folder());
            namesOf = row.folder();
        }
        NameResult result =
            ComputeNewName(row.existing, names, in, out, options, texts, row.nameNotUtf8);
        // Only what the run owns is written, whatever the computation does.
        ResultRow& target = model.mutableRow(i);
        target.newName = std::move(result.newName);
        target.status = std::move(result.status);
        target.outcome = result.outcome;
        run.touched(i);
    }
}

}  // namespace

void ProcessRows(ResultModel& model, const ProcessSettings& settings, WindowServices& services) {
    ProcessRowsIn(model, settings, services, nullptr);
}

void ProcessRows(ResultModel& model, const ProcessSettings& settings, WindowServices& services,
                 const RowSelection& selection) {
    ProcessRowsIn(model, settings, services, &selection);
}
