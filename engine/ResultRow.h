#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "engine/LegacyEncoding.h"
#include "engine/RowOutcome.h"
#include "engine/check/CheckReason.h"

// One line of the results list. A file row has a non-empty folder; a folder
// row (the heading the scan puts before each folder's files) has an empty
// folder and a caption "[label]".
//
// The texts are what the user sees. Names on disk are byte strings that need
// not be valid UTF-8, so a file row also keeps the exact bytes the listing
// gave for its folder, and for its name when the name's text, encoded, does
// not give them back (a name that is not UTF-8, or one that starts with a
// byte order mark); every file operation goes through existingOnDisk() and
// folderOnDisk(). The folder texts and bytes are shared (implicitly) by all
// rows of a folder.
struct ResultRow {
    QString existing;  // "Existing Filename": the caption
    QString newName;   // "New Filename": the proposal, empty when there is none
    QString status;    // "Status": display text only, never read back
    QString folder;    // "Folder": path of the folder holding the file
    QByteArray existingBytes;
    QByteArray folderBytes;
    // What the Status says, for the program: set together with the Status.
    RowOutcome outcome = RowOutcome::None;
    // "Check": why the check before execute expects the rename to fail, and
    // that reason for the program; empty and None when it will go through.
    QString check;
    CheckReason checkReason = CheckReason::None;
    // Whether the listing's bytes of the name (of the caption, for a folder
    // row) and of the folder are not UTF-8, and the encoding their texts were
    // read in then. Flags, so that such rows cost nothing more than others.
    bool nameNotUtf8 = false;
    bool folderNotUtf8 = false;
    LegacyEncoding legacyEncoding = LegacyEncoding::Windows1252;

    // The exact bytes of the name and of the folder; rows made without the
    // listing's bytes address the disk by their texts, encoded.
    QByteArray existingOnDisk() const {
        return existingBytes.isEmpty() ? QFile::encodeName(existing) : existingBytes;
    }
    QByteArray folderOnDisk() const {
        return folderBytes.isEmpty() ? QFile::encodeName(folder) : folderBytes;
    }

    bool isFileRow() const { return !folder.isEmpty(); }
    bool isFolderRow() const { return folder.isEmpty(); }
    bool hasProposal() const { return !newName.isEmpty(); }
};
// Its texts are moved as they lie in memory when a list of rows grows.
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);
