#pragma once

// The path rules of the input folder list, shared by the window's list and
// the command line. Qt Core only.

#include <QString>
#include <QStringList>

// One trailing "/" removed ("/" itself stays "/"); a file gives its folder.
QString NormalizeInputPath(const QString& path);
// Case-insensitive file-name comparison of two paths (locale lower case).
bool SameInputPath(const QString& a, const QString& b);
// Where a sorted list of folders takes path: the locale's case-insensitive
// order, ties broken by exact comparison so that the order is stable.
qsizetype SortedInputPosition(const QStringList& folders, const QString& path);
