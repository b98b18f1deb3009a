#pragma once

#include <QString>

#include "engine/FilenameScheme.h"
#include "engine/RowOutcome.h"

struct ResultRow;

// The two options of the name computation.
struct NameOptions {
    bool removeUnderscores = true;
    bool lowercaseExtension = true;
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
NameResult ComputeNewName(const QString& name, const FolderNames& names, const SlotList& in,
                          const SlotList& out, const NameOptions& options);
NameResult ComputeNewName(const QString& name, const FolderNames& names, const SlotList& in,
                          const SlotList& out, const NameOptions& options,
                          const NameStatusTexts& texts);
// The same, written into the row's New Filename, Status and outcome.
void ComputeNewName(ResultRow& row, const FolderNames& names, const SlotList& in,
                    const SlotList& out, const NameOptions& options);
