#pragma once

#include <QByteArray>
#include <QExplicitlySharedDataPointer>
#include <QString>
#include <QVector>

#include "engine/ResultRow.h"

// One rename an execute run carried out. The row's folder and old name never
// change for the life of the row (the list only grows or starts again), so
// the entry keeps of them only the row's folder record, shared, which also
// tells whether the list still holds that row; the New Filename it keeps as
// it was, since later edits of the row's proposal must not change what an
// undo puts back. The bytes that reached the disk follow from these exactly
// as the run made them.
struct UndoEntry {
    int row = -1;  // the row of the results list that was renamed
    QExplicitlySharedDataPointer<const RowFolder> rowFolder;
    NameText newText;  // the New Filename, shared with the row while it lasts

    // What the execute run renamed the row's file by.
    static UndoEntry of(int row, const ResultRow& renamed);
    // Whether row is the renamed row: the one at the entry's place, with the
    // entry's folder record.
    bool isOf(const ResultRow& row) const { return rowFolder && row.sharedFolder == rowFolder; }
    QByteArray folder() const;
    // The file's name before, read from the renamed row (see isOf).
    static QByteArray oldName(const ResultRow& renamed) { return renamed.existingOnDisk(); }
    // Its name after: a path below the folder; empty when no file can bear
    // the name.
    QByteArray newName() const;
};
// Its texts are moved as they lie in memory when a set grows.
Q_DECLARE_TYPEINFO(UndoEntry, Q_RELOCATABLE_TYPE);

// The renames of one execute run, in list order: within a folder, the order
// they happened in.
using UndoSet = QVector<UndoEntry>;
