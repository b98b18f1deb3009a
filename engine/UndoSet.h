#pragma once

#include <QByteArray>
#include <QVector>

// One rename an execute run carried out, as it reached the disk: the exact
// bytes of the folder, of the name before and of the name after (a path below
// the folder). It is taken when the file is renamed, so that later edits of
// the row's proposal change nothing about what an undo puts back.
struct UndoEntry {
    int row = -1;  // the row of the results list that was renamed
    QByteArray folder;
    QByteArray oldName;
    QByteArray newName;  // empty when no file can bear the name

    // Gives back the room an encoding took beyond its bytes (up to three
    // bytes a character), so that a set of a million renames holds only the
    // names. Bytes shared with a row, which fit already, stay shared.
    void shrinkToFit() {
        for (QByteArray* bytes : {&folder, &oldName, &newName}) {
            if (bytes->capacity() > bytes->size())
                bytes->squeeze();
        }
    }
};
// Its byte strings are moved as they lie in memory when a set grows.
Q_DECLARE_TYPEINFO(UndoEntry, Q_RELOCATABLE_TYPE);

// The renames of one execute run, in the order they happened.
using UndoSet = QVector<UndoEntry>;
