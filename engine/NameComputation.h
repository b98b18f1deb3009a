#pragma once

#include <QString>

#include "engine/FieldCleanup.h"
#include "engine/FilenameScheme.h"
#include "engine/RowOutcome.h"
#include "engine/SafeNames.h"

struct ResultRow;

// The options of the name computation. The clean-up options after the first
// two are off by default, and then the name computation is what it always was.
struct NameOptions {
    bool removeUnderscores = true;
    bool lowercaseExtension = true;
    // "Unicode NFC": the new name in the composed form.
    bool normalizeNfc = false;
    // "Pad Track#": the digits a decimal track number gets; 0 is off.
    int padTrackDigits = 0;
    // "Capitalisation" of the Artist, Album and Trackname values.
    Capitalisation capitalisation = Capitalisation::AsWritten;
    // "Safe for FAT/exFAT/NTFS", with what the unsafe characters become.
    bool safeNames = false;
    QString safeReplacement = QLatin1String(kDefaultSafeReplacement);
};

// What a computation writes into a row.
struct NameResult {
    QString newName;
    QString status;
    RowOutcome outcome = RowOutcome::None;
};

// The name rules shared with the manual rename: the name without extension is
// the part before the last "." when that dot is the second character or later,
// else the whole name; the extension runs from the last "." to the end.
QString NameWithoutExtension(const QString& name);
QString ExtensionOf(const QString& name);

// Last and second-to-last component of a folder path ("/music/Best Of" gives
// "Best Of" and "music"; "/music" gives "music" and ""; "/" gives "" and "").
struct FolderNames {
    QString folder;
    QString parent;
};
FolderNames FolderAndParentName(const QString& folderPath);

// The statuses of a name that fits or yields nothing, looked up once for a
// run of rows and shared by them.
struct NameStatusTexts {
    NameStatusTexts();
    QString renamePending;
    QString alreadyInOutputFormat;
    QString noNewName;
};

// Takes a name apart by the existing-name slots and builds the proposal by the
// new-name slots. Never throws: every failure ends as the status.
// notUtf8 says that the name's bytes on disk are not UTF-8 and the name is
// their legacy reading: renaming converts it, so even a new name of the same
// text is a proposal.
NameResult ComputeNewName(const QString& name, const FolderNames& names, const SlotList& in,
                          const SlotList& out, const NameOptions& options);
NameResult ComputeNewName(const QString& name, const FolderNames& names, const SlotList& in,
                          const SlotList& out, const NameOptions& options,
                          const NameStatusTexts& texts, bool notUtf8 = false);
// The same, written into the row's New Filename, Status and outcome.
void ComputeNewName(ResultRow& row, const FolderNames& names, const SlotList& in,
                    const SlotList& out, const NameOptions& options);
