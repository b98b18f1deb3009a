#pragma once

#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <cstddef>
#include <optional>

// What last happened to a row, kept beside its Status. The Status is text for
// the user and is translated; the outcome is what the program and scripts go
// by: norvane-cli's exit status and the "outcome" key of its JSON output.
enum class RowOutcome : quint8 {
    None,                   // nothing proposed yet; every folder row
    RenamePending,          // "rename pending"
    AlreadyInOutputFormat,  // "already in output format"
    NoNewName,              // the new filename scheme gives an empty name
    NotInputFormat,         // "not input format: ...", maybe with a cleaned-up proposal
    ProcessFailed,          // the name computation failed; the Status holds the error
    Renamed,                // "renamed"
    FileDoesNotExist,       // "error: file does not exist"
    NewFileExists,          // "error: new file already exists"
    RenameFailed,           // "error: rename failed"
    RenameCancelled,        // "rename cancelled"
    ManualPending,          // "manual rename (pending)"
    ManualCancelled,        // "manual rename (cancelled)"
    ReplacedPending,        // "replaced (rename pending)"
    UndoPending,            // "undo pending": norvane-cli's undo from a log, before -x
    RenameUndone,           // "rename undone": the file is back under its old name
    UndoFailed,             // "error: undo failed: ...", with the reason
    Count                   // not an outcome: how many there are
};

// Each outcome's word: English, the same in every language and in every
// version, so that a script can rely on it. A new outcome is a value above
// and its line here, in the same place.
struct RowOutcomeWord {
    RowOutcome outcome;
    const char* word;
};
inline constexpr RowOutcomeWord kRowOutcomeWords[] = {
    {RowOutcome::None, "none"},
    {RowOutcome::RenamePending, "pending"},
    {RowOutcome::AlreadyInOutputFormat, "already_in_format"},
    {RowOutcome::NoNewName, "no_new_name"},
    {RowOutcome::NotInputFormat, "not_input_format"},
    {RowOutcome::ProcessFailed, "process_failed"},
    {RowOutcome::Renamed, "renamed"},
    {RowOutcome::FileDoesNotExist, "file_does_not_exist"},
    {RowOutcome::NewFileExists, "new_file_exists"},
    {RowOutcome::RenameFailed, "rename_failed"},
    {RowOutcome::RenameCancelled, "cancelled"},
    {RowOutcome::ManualPending, "manual_pending"},
    {RowOutcome::ManualCancelled, "manual_cancelled"},
    {RowOutcome::ReplacedPending, "replaced"},
    {RowOutcome::UndoPending, "undo_pending"},
    {RowOutcome::RenameUndone, "undone"},
    {RowOutcome::UndoFailed, "undo_failed"},
};

namespace RowOutcomeCheck {
// Every outcome has its line, in the order of the values.
constexpr bool InOrder() {
    for (std::size_t i = 0; i < std::size(kRowOutcomeWords); ++i) {
        if (static_cast<std::size_t>(kRowOutcomeWords[i].outcome) != i)
            return false;
    }
    return true;
}
static_assert(InOrder(), "kRowOutcomeWords lists the outcomes in the order of their values");
static_assert(static_cast<std::size_t>(RowOutcome::Count) == std::size(kRowOutcomeWords),
              "every outcome has its word");
}  // namespace RowOutcomeCheck

constexpr const char* OutcomeWord(RowOutcome outcome) {
    return kRowOutcomeWords[static_cast<std::size_t>(outcome)].word;
}

// The words of all outcomes, in the order of the table.
QStringList OutcomeWords();

// The outcomes of the execute run that leave the file under its old name.
constexpr bool IsExecuteError(RowOutcome outcome) {
    return outcome == RowOutcome::FileDoesNotExist || outcome == RowOutcome::NewFileExists ||
           outcome == RowOutcome::RenameFailed;
}

// The outcomes of a run on disk that failed for that file: the execute run's
// errors, and an undo that could not put the file back.
constexpr bool IsRenameError(RowOutcome outcome) {
    return IsExecuteError(outcome) || outcome == RowOutcome::UndoFailed;
}

// The word of an outcome, for a log that is read back; nothing for any other text.
std::optional<RowOutcome> OutcomeOfWord(QStringView word);
