#pragma once

#include <cstddef>
#include <iterator>

#include "engine/RowOutcome.h"

// How the Status column marks a file row's outcome at a glance: a small sign
// whose shape tells the outcomes apart (so that the marks read without colour
// vision, too), drawn in the colour of its tone, which comes from the palette
// (so that they read in light and dark colour schemes alike).
enum class OutcomeSign : quint8 {
    None,        // no mark
    Arrow,       // a rename waits
    Pencil,      // a rename typed by hand waits
    Swap,        // a rename made by Search & Replace waits
    Tick,        // nothing to do
    TickDisc,    // done
    Triangle,    // the name does not fit the scheme
    EmptyBox,    // no new name comes out
    DashedRing,  // the file is gone
    Overlap,     // another file has the new name
    CrossDisc,   // the rename failed
    BangDisc,    // the computation failed
    SlashRing,   // cancelled
    MinusRing,   // cancelled by hand
    BackArrow,   // an undo waits
    BackDisc,    // undone: the file has its old name back
};

enum class OutcomeTone : quint8 {
    Pending,  // the palette's link colour
    Done,     // green
    Quiet,    // the palette's placeholder text colour
    Warning,  // amber
    Error,    // red
};

struct OutcomeLook {
    RowOutcome outcome;
    OutcomeSign sign;
    OutcomeTone tone;
};

// One line an outcome, in the order of the outcomes: a new outcome needs its
// line here.
inline constexpr OutcomeLook kOutcomeLooks[] = {
    {RowOutcome::None, OutcomeSign::None, OutcomeTone::Quiet},
    {RowOutcome::RenamePending, OutcomeSign::Arrow, OutcomeTone::Pending},
    {RowOutcome::AlreadyInOutputFormat, OutcomeSign::Tick, OutcomeTone::Quiet},
    {RowOutcome::NoNewName, OutcomeSign::EmptyBox, OutcomeTone::Warning},
    {RowOutcome::NotInputFormat, OutcomeSign::Triangle, OutcomeTone::Warning},
    {RowOutcome::ProcessFailed, OutcomeSign::BangDisc, OutcomeTone::Error},
    {RowOutcome::Renamed, OutcomeSign::TickDisc, OutcomeTone::Done},
    {RowOutcome::FileDoesNotExist, OutcomeSign::DashedRing, OutcomeTone::Error},
    {RowOutcome::NewFileExists, OutcomeSign::Overlap, OutcomeTone::Error},
    {RowOutcome::RenameFailed, OutcomeSign::CrossDisc, OutcomeTone::Error},
    {RowOutcome::RenameCancelled, OutcomeSign::SlashRing, OutcomeTone::Quiet},
    {RowOutcome::ManualPending, OutcomeSign::Pencil, OutcomeTone::Pending},
    {RowOutcome::ManualCancelled, OutcomeSign::MinusRing, OutcomeTone::Quiet},
    {RowOutcome::ReplacedPending, OutcomeSign::Swap, OutcomeTone::Pending},
    {RowOutcome::UndoPending, OutcomeSign::BackArrow, OutcomeTone::Pending},
    {RowOutcome::RenameUndone, OutcomeSign::BackDisc, OutcomeTone::Done},
    {RowOutcome::UndoFailed, OutcomeSign::CrossDisc, OutcomeTone::Error},
};

namespace OutcomeLookCheck {
constexpr bool InOrder() {
    for (std::size_t i = 0; i < std::size(kOutcomeLooks); ++i) {
        if (static_cast<std::size_t>(kOutcomeLooks[i].outcome) != i)
            return false;
    }
    return true;
}
static_assert(InOrder(), "kOutcomeLooks lists the outcomes in the order of their values");
static_assert(static_cast<std::size_t>(RowOutcome::Count) == std::size(kOutcomeLooks),
              "every outcome has its look");
}  // namespace OutcomeLookCheck

constexpr const OutcomeLook& LookOf(RowOutcome outcome) {
    return kOutcomeLooks[static_cast<std::size_t>(outcome)];
}
