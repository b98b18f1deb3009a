#pragma once

#include <QtGlobal>
#include <cstddef>
#include <iterator>

// Why the check before execute expects a row's rename to fail, kept beside
// the reason's text (which is translated) for the program and for scripts:
// norvane-cli's "check_reason" key. A new reason is a value here and its
// word below, in the same place.
enum class CheckReason : quint8 {
    None,             // the rename will go through, or the row is not checked
    SameNewName,      // "same new name as 'X.mp3'"
    TakenByFile,      // "name taken by a file that stays"
    TakenByFolder,    // "name taken by a folder"
    RenamedLater,     // "'b.mp3' is renamed only later"
    NoFolder,         // "no folder 'Sub' here"
    NameTooLong,      // "name too long: 301 bytes, at most 255"
    NotAllowed,       // "not allowed on this file system: ':'"
    FileGone,         // "the file is gone"
    AlreadyNamed,     // the file already has the new name
    NotAName,         // a new name that no file can have (".", a NUL)
    LeavesFolder,     // a ".." in the new name would lead out of the file's folder
    NotWritable,      // the folder cannot be changed (permissions, read-only)
    OtherFileSystem,  // the new folder is on another file system
    FolderUnread,     // a folder that cannot be listed hides whether the name is free
    CaseMayClash,     // a warning: may clash if the file system ignores case
    Count             // not a reason: how many there are
};

struct CheckReasonWord {
    CheckReason reason;
    const char* word;
};
inline constexpr CheckReasonWord kCheckReasonWords[] = {
    {CheckReason::None, "none"},
    {CheckReason::SameNewName, "same_new_name"},
    {CheckReason::TakenByFile, "taken_by_file"},
    {CheckReason::TakenByFolder, "taken_by_folder"},
    {CheckReason::RenamedLater, "renamed_later"},
    {CheckReason::NoFolder, "no_folder"},
    {CheckReason::NameTooLong, "name_too_long"},
    {CheckReason::NotAllowed, "not_allowed"},
    {CheckReason::FileGone, "file_gone"},
    {CheckReason::AlreadyNamed, "already_named"},
    {CheckReason::NotAName, "not_a_name"},
    {CheckReason::LeavesFolder, "leaves_folder"},
    {CheckReason::NotWritable, "not_writable"},
    {CheckReason::OtherFileSystem, "other_file_system"},
    {CheckReason::FolderUnread, "folder_unread"},
    {CheckReason::CaseMayClash, "case_may_clash"},
};

namespace CheckReasonCheck {
constexpr bool InOrder() {
    for (std::size_t i = 0; i < std::size(kCheckReasonWords); ++i) {
        if (static_cast<std::size_t>(kCheckReasonWords[i].reason) != i)
            return false;
    }
    return true;
}
static_assert(InOrder(), "kCheckReasonWords lists the reasons in the order of their values");
static_assert(static_cast<std::size_t>(CheckReason::Count) == std::size(kCheckReasonWords),
              "every reason has its word");
}  // namespace CheckReasonCheck

constexpr const char* CheckReasonWordOf(CheckReason reason) {
    return kCheckReasonWords[static_cast<std::size_t>(reason)].word;
}

// Every reason but the warning says that the rename will fail.
constexpr bool CheckReasonFails(CheckReason reason) {
    return reason != CheckReason::None && reason != CheckReason::CaseMayClash;
}
