#pragma once

#include <QString>
#include <QStringList>

#include "shared/General/InputPath.h"

class QListWidget;

// The input folder list: one normalised folder path an entry, kept in the
// locale's case-insensitive order, no two entries equal ignoring case.

// The position of the entry equal to path ignoring case, or -1.
int InputFolderPosition(const QListWidget* list, const QString& path);
// Adds path (normalised) when it is an existing folder not yet listed; true
// when an entry was added, and then its position in *position when asked.
// Shows nothing.
bool AddInputFolder(QListWidget* list, const QString& path, int* position = nullptr);
// Every entry's text, in list order.
QStringList InputFolders(const QListWidget* list);
