#include "engine/ManualRename.h"

#include <QLocale>

#include "engine/NameComparison.h"
#include "engine/NameComputation.h"
#include "engine/ResultModel.h"
#include "shared/General/Texts.h"

QString ManualRenameText(const ResultRow& row) {
    return NameWithoutExtension(row.hasProposal() ? row.newName : row.existing);
}

void ApplyManualRename(ResultModel& model, int row, const QString& typed, bool lowercaseExtension) {
    if (row < 0 || row >= model.size() || !model.row(row).isFileRow())
        return;
    const ResultRow& target = model.row(row);
    const QLocale locale = QLocale::system();
    QString ext = ExtensionOf(target.existing);
    if (lowercaseExtension)
        ext = locale.toLower(ext);
    QString name = typed;
    if (locale.toLower(ExtensionOf(name)) != locale.toLower(ext))
        name += ext;
    // Typing the name the file has cancels, unless its bytes are not UTF-8:
    // then the same text renames it to its UTF-8 form.
    const bool sameName = !target.nameNotUtf8 && SameNameText(name, target.existing);
    if (sameName || name.size() == ext.size()) {
        model.setProposal(row, QString(), Text(Texts::kStatusManualCancelled),
                          RowOutcome::ManualCancelled);
        return;
    }
    if (name == target.newName)
        return;
    model.setProposal(row, name, Text(Texts::kStatusManualPending), RowOutcome::ManualPending);
}

int ManualRenameMoveTarget(const ResultModel& model, int from, int step) {
    return ManualRenameMoveTarget(
        model.size(), [&model](int i) { return model.row(i).isFileRow(); }, from, step);
}

int ManualRenameMoveTarget(int count, const std::function<bool(int)>& isFileRow, int from,
                           int step) {
    if (from < 0 || from >= count)
        return from;
    int i = from;
    int d = step;
    bool turned = false;
    for (;;) {
        i += d;
        // Only the first move takes the full step.
        d = d < 0 ? -1 : 1;
        if (i < 0 || i >= count) {
            // Past an end the walk turns, once.
            if (turned)
                return from;
            turned = true;
            const bool pastTop = i < 0;
            i = pastTop ? 0 : count - 1;
            d = pastTop ? 1 : -1;
        }
        if (isFileRow(i))
            return i;
    }
}
