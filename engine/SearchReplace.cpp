#include "engine/SearchReplace.h"

#include "engine/ResultModel.h"
#include "engine/RunScope.h"
#include "shared/General/Texts.h"

namespace {

// Replaces every occurrence of search in text from the left, without overlap
// and without searching inserted text again; false when there was none.
bool ReplaceAll(const QString& text, const QString& search, const QString& replace,
                QString& result) {
    qsizetype from = 0;
    qsizetype found = text.indexOf(search, from, Qt::CaseSensitive);
    if (found < 0)
        return false;
    result.clear();
    while (found >= 0) {
        result += QStringView(text).mid(from, found - from);
        result += replace;
        from = found + search.size();
        found = text.indexOf(search, from, Qt::CaseSensitive);
    }
    result += QStringView(text).mid(from);
    return true;
}

}  // namespace

int SearchReplace(ResultModel& model, const QString& search, const QString& replace,
                  WindowServices& services) {
    // An empty text occurs everywhere and would never end the search.
    if (search.isEmpty())
        return 0;
    const int count = model.size();
    RunScope run(model, services, count);
    const QString status = Text(Texts::kStatusReplacedPending);
    QString result;
    int changed = 0;
    for (int i = 0; i < count; ++i) {
        run.advance();
        if (model.row(i).isFolderRow())
            continue;
        const ResultRow& row = model.row(i);
        const QString& text = row.hasProposal() ? row.newName : row.existing;
        // A replacement that leaves no name at all is no proposal: the row
        // stays as it was rather than claim a rename that cannot happen.
        if (!ReplaceAll(text, search, replace, result) || result.isEmpty())
            continue;
        ResultRow& target = model.mutableRow(i);
        target.newName = result;
        target.status = status;
        target.outcome = RowOutcome::ReplacedPending;
        ++changed;
        run.touched(i);
    }
    return changed;
}
