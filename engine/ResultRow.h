#pragma once

#include <QByteArray>
#include <QExplicitlySharedDataPointer>
#include <QFile>
#include <QSharedData>
#include <QSharedDataPointer>
#include <QString>

#include "engine/LegacyEncoding.h"
#include "engine/NameText.h"
#include "engine/RowOutcome.h"
#include "engine/check/CheckReason.h"

// The folder of file rows: one record, shared by all the rows of a folder.
struct RowFolder : QSharedData {
    QString text;  // its path as the list shows it
    QByteArray bytes;  // the listing's bytes of the path; empty: the text, encoded
    bool notUtf8 = false;  // the bytes are not UTF-8, and the text was read in the legacy encoding
};

// What few rows have, kept apart so that the others pay a pointer for it:
// the listing's bytes of a name its text does not give back, and the
// check's reason for the user.
struct RowExtras : QSharedData {
    QByteArray existingBytes;
    QString check;
};

// One line of the results list. A file row has a non-empty folder; a folder
// row (the heading the scan puts before each folder's files) has an empty
// folder and a caption "[label]".
//
// The texts are what the user sees. Names on disk are byte strings that need
// not be valid UTF-8, so a file row also keeps the exact bytes the listing
// gave for its folder, and for its name when the name's text, encoded, does
// not give them back (a name that is not UTF-8, or one that starts with a
// byte order mark); every file operation goes through existingOnDisk() and
// folderOnDisk(). All rows of a folder share one record of it.
struct ResultRow {
    NameText existing;  // "Existing Filename": the caption
    NameText newName;   // "New Filename": the proposal, empty when there is none
    QString status;    // "Status": display text only, never read back
    // "Folder": the folder holding the file; none for a folder row.
    QExplicitlySharedDataPointer<const RowFolder> sharedFolder;
    // The listing's bytes of the name (existingBytes()) and the "Check"
    // text (check()), where a row has them.
    QSharedDataPointer<RowExtras> extras;
    // "Check": why the check before execute expects the rename to fail;
    // None when it will go through.
    CheckReason checkReason = CheckReason::None;
    // What the Status says, for the program: set together with the Status.
    // (The one-byte fields lie together, so that a row takes no padding.)
    RowOutcome outcome = RowOutcome::None;
    // Whether the listing's bytes of the name (of the caption, for a folder
    // row) are not UTF-8 (the folder's flag is in its record), and the
    // encoding such texts were read in. Flags, so that such rows cost nothing
    // more than others.
    bool nameNotUtf8 = false;
    LegacyEncoding legacyEncoding = LegacyEncoding::Windows1252;

    // The listing's bytes of the name, kept only where its text, encoded,
    // does not give them back; otherwise empty.
    const QByteArray& existingBytes() const {
        static const QByteArray none;
        return extras ? extras->existingBytes : none;
    }
    void setExistingBytes(const QByteArray& bytes) {
        if (extras || !bytes.isEmpty())
            extrasToChange().existingBytes = bytes;
        dropEmptyExtras();
    }
    // "Check": why the check expects the rename to fail, for the user;
    // empty when it will go through.
    const QString& check() const {
        static const QString none;
        return extras ? extras->check : none;
    }
    void setCheck(const QString& text) {
        if (extras || !text.isEmpty())
            extrasToChange().check = text;
        dropEmptyExtras();
    }
    RowExtras& extrasToChange() {
        if (!extras)
            extras.reset(new RowExtras);
        return *extras;
    }
    void dropEmptyExtras() {
        if (extras && extras->existingBytes.isEmpty() && extras->check.isEmpty())
            extras.reset();
    }

    // The exact bytes of the name and of the folder; rows made without the
    // listing's bytes address the disk by their texts, encoded.
    QByteArray existingOnDisk() const {
        if (!existingBytes().isEmpty())
            return existingBytes();
        return existing.utf8() ? *existing.utf8() : QFile::encodeName(existing);
    }
    QByteArray folderOnDisk() const {
        return folderBytes().isEmpty() ? QFile::encodeName(folder()) : folderBytes();
    }

    const QString& folder() const {
        static const QString none;
        return sharedFolder ? sharedFolder->text : none;
    }
    const QByteArray& folderBytes() const {
        static const QByteArray none;
        return sharedFolder ? sharedFolder->bytes : none;
    }
    bool folderNotUtf8() const { return sharedFolder && sharedFolder->notUtf8; }
    // Gives the row a folder of its own; rows of one folder share one with
    // `sharedFolder = other.sharedFolder`.
    void setFolder(const QString& text, const QByteArray& bytes = {}, bool notUtf8 = false) {
        auto* made = new RowFolder;
        made->text = text;
        made->bytes = bytes;
        made->notUtf8 = notUtf8;
        sharedFolder.reset(made);
    }

    bool isFileRow() const { return !folder().isEmpty(); }
    bool isFolderRow() const { return folder().isEmpty(); }
    bool hasProposal() const { return !newName.isEmpty(); }
    // Whether the New Filename holds a "/", and so may name a file in
    // another folder than the row's own.
    bool newNameMayLeaveFolder() const { return newName.contains('/'); }
};
// Its texts are moved as they lie in memory when a list of rows grows.
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);
