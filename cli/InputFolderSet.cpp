#include "cli/InputFolderSet.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include "shared/General/General.h"
#include "shared/General/InputPath.h"

namespace {

// The scan reaches folders through the encoded form of their text.
bool SurvivesDecoding(const QByteArray& bytes) {
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

}  // namespace

QString InputFolderSet::FolderText(const QByteArray& argument, Outcome& failure) {
    if (SurvivesDecoding(argument))
        return QFile::decodeName(argument);
    // A file whose own name is not UTF-8 still gives its folder, when that
    // folder's path is clean.
    struct stat st;
    if (::stat(argument.constData(), &st) != 0) {
        failure = Outcome::Missing;
        return QString();
    }
    if (!S_ISDIR(st.st_mode)) {
        const qsizetype slash = argument.lastIndexOf('/');
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : argument.left(slash));
        if (SurvivesDecoding(folder))
            return QFile::decodeName(folder);
    }
    failure = Outcome::NotUtf8;
    return QString();
}

InputFolderSet::Outcome InputFolderSet::add(const QByteArray& argument) {
    Outcome failure = Outcome::Missing;
    const QString text = FolderText(argument, failure);
    if (text.isNull() || text.isEmpty())
        return failure;
    // The window is given absolute paths; "." would give no folder name.
    const QString absolute = ResolveLongPath(QDir::current().absoluteFilePath(text));
    const QString folder = NormalizeInputPath(absolute);
    if (folder.isEmpty() || !IsExistingDirectory(folder))
        return Outcome::Missing;
    for (const QString& entry : m_folders) {
        if (SameInputPath(entry, folder))
            return Outcome::AlreadyListed;
    }
    m_folders.insert(SortedInputPosition(m_folders, folder), folder);
    return Outcome::Added;
}
