#pragma once

#include <QList>
#include <QString>

// A folder the folder chooser offers beside its tree, one click away.
struct FolderPlace {
    enum Kind { Home, FileSystem, Media };
    Kind kind;
    QString label;
    QString path;
};

// The home folder, the file system's root, and the folders where removable
// media are mounted (/media/<user>, /run/media/<user>, /mnt) that exist.
QList<FolderPlace> FolderPlaces();
