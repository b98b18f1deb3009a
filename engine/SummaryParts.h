#pragma once

#include <cstddef>

#include "engine/ResultRow.h"
#include "shared/General/Texts.h"

// The counts of the summary line under the results list, after the number of
// files and folders, in the order they are shown: each counts the file rows
// its test takes. A new count is one line in kSummaryParts. A part that is a
// problem leads the user to its rows (the window's summary makes it a link),
// and its rows are the rows with a problem (RowHasProblem).
struct SummaryPart {
    const char* text;  // a "%n" text of the table: "%n rename pending"
    bool (*counts)(const ResultRow& row);
    bool problem;
};

namespace SummaryTests {

// The file row's outcome is one of these.
template <RowOutcome... outcomes>
constexpr bool OutcomeIs(const ResultRow& row) {
    return ((row.outcome == outcomes) || ...);
}

// The check before execute gave the row a reason: its rename will (or may) fail.
constexpr bool CheckFinds(const ResultRow& row) {
    return row.checkReason != CheckReason::None;
}

}  // namespace SummaryTests

inline constexpr SummaryPart kSummaryParts[] = {
    {Texts::kSummaryPending, &SummaryTests::OutcomeIs<RowOutcome::RenamePending>, false},
    {Texts::kSummaryManualPending, &SummaryTests::OutcomeIs<RowOutcome::ManualPending>, false},
    {Texts::kSummaryReplaced, &SummaryTests::OutcomeIs<RowOutcome::ReplacedPending>, false},
    {Texts::kSummaryRenamed, &SummaryTests::OutcomeIs<RowOutcome::Renamed>, false},
    {Texts::kSummaryUndone, &SummaryTests::OutcomeIs<RowOutcome::RenameUndone>, false},
    {Texts::kSummaryErrors,
     &SummaryTests::OutcomeIs<RowOutcome::FileDoesNotExist, RowOutcome::NewFileExists,
                              RowOutcome::RenameFailed, RowOutcome::ProcessFailed,
                              RowOutcome::UndoFailed>,
     true},
    // What the check before execute foresees: the rows whose rename will fail.
    {Texts::kSummaryWillFail, &SummaryTests::CheckFinds, true},
    {Texts::kSummaryNotInputFormat, &SummaryTests::OutcomeIs<RowOutcome::NotInputFormat>, true},
    {Texts::kSummaryNoNewName, &SummaryTests::OutcomeIs<RowOutcome::NoNewName>, true},
    {Texts::kSummaryAlreadyInFormat, &SummaryTests::OutcomeIs<RowOutcome::AlreadyInOutputFormat>,
     false},
    {Texts::kSummaryCancelled,
     &SummaryTests::OutcomeIs<RowOutcome::RenameCancelled, RowOutcome::ManualCancelled>, false},
};

inline constexpr int kSummaryPartCount = static_cast<int>(std::size(kSummaryParts));
