#include "cli/InputFolderSet.h"

#include "shared/General/InputPath.h"

InputFolderSet::Outcome InputFolderSet::add(const QByteArray& argument) {
    const ArgumentFolder named = InputFolderOfArgument(argument);
    switch (named.problem) {
        case ArgumentFolder::Problem::Missing:
            return Outcome::Missing;
        case ArgumentFolder::Problem::NotUtf8:
            return Outcome::NotUtf8;
        case ArgumentFolder::Problem::None:
            break;
    }
    for (const QString& entry : m_folders) {
        if (SameInputPath(entry, named.folder))
            return Outcome::AlreadyListed;
    }
    m_folders.insert(SortedInputPosition(m_folders, named.folder), named.folder);
    return Outcome::Added;
}
