#pragma once

#include <QByteArray>
#include <QStringList>

// The input folder list of the command line, kept by the window's rules: a
// file gives its folder, a path that names nothing is refused, no two
// entries are equal ignoring case, and the entries stay in the locale's
// case-insensitive order. Relative paths are taken from the working folder.
class InputFolderSet {
public:
    enum class Outcome { Added, AlreadyListed, Missing, NotUtf8 };

    // Adds the folder an argument names, given as the bytes the system passed.
    Outcome add(const QByteArray& argument);

    const QStringList& folders() const { return m_folders; }

private:
    QStringList m_folders;
};
