#pragma once

// The path rules of the input folder list, shared by the window's list and
// the command line. Qt Core only.

#include <QByteArray>
#include <QString>
#include <QStringList>

// One trailing "/" removed ("/" itself stays "/"); a file gives its folder.
QString NormalizeInputPath(const QString& path);
// Case-insensitive file-name comparison of two paths (locale lower case).
bool SameInputPath(const QString& a, const QString& b);
// Where a sorted list of folders takes path: the locale's case-insensitive
// order, ties broken by exact comparison so that the order is stable.
qsizetype SortedInputPosition(const QStringList& folders, const QString& path);

// The input folder that a command-line argument names, for norvane and
// norvane-cli alike. The argument is the bytes the system passed: a relative
// path is taken from the working folder, a file gives its folder (also one
// whose own name is not UTF-8), and the result is clean and absolute.
struct ArgumentFolder {
    enum class Problem { None, Missing, NotUtf8 };
    QString folder;  // empty unless problem is None
    Problem problem = Problem::None;
};
ArgumentFolder InputFolderOfArgument(const QByteArray& argument);
