#pragma once

#include <QByteArray>
#include <QExplicitlySharedDataPointer>
#include <QString>
#include <QVector>

#include "engine/ResultRow.h"

// One rename an execute run carried out: the row's folder and names as they
// were when the file was renamed. The folder record, texts and bytes are the
// row's own, shared with it, so that a set of a million renames costs no name
// twice; later edits of the row's proposal leave the entry's copy as it was.
// The bytes that reached the disk follow from them exactly as the run made
// them.
struct UndoEntry {
    int row = -1;  // the row of the results list that was renamed
    QExplicitlySharedDataPointer<const RowFolder> rowFolder;
    QString oldText;      // the Existing Filename
    QByteArray oldBytes;  // the listing's bytes of it, where its text does not give them back
    QString newText;      // the New Filename

    // What the execute run renamed the row's file by: its name before, and
    // its name after (a path below the folder; empty when no file can bear
    // the name).
    static UndoEntry of(int row, const ResultRow& renamed);
    QByteArray folder() const;
    QByteArray oldName() const;
    QByteArray newName() const;
};
// Its texts are moved as they lie in memory when a set grows.
Q_DECLARE_TYPEINFO(UndoEntry, Q_RELOCATABLE_TYPE);

// The renames of one execute run, in the order they happened.
using UndoSet = QVector<UndoEntry>;
