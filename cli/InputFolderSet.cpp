#include "cli/InputFolderSet.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <sys/stat.h>

#include "shared/General/General.h"
#include "shared/General/InputPath.h"

namespace {

// The scan reaches folders through the encoded form of their text.
bool SurvivesDecoding(const QByteArray& bytes) {
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

// The sorted list box's place for a new entry: the locale's case-insensitive
// order, ties broken by exact comparison so that the order is stable.
qsizetype SortedPosition(const QStringList& folders, const QString& path) {
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    qsizetype position = 0;
    while (position < folders.size()) {
        int order = collator.compare(path, folders.at(position));
        if (order == 0)
            order = path.compare(folders.at(position));
        if (order < 0)
            break;
        ++position;
    }
    return position;
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
    m_folders.insert(SortedPosition(m_folders, folder), folder);
    return Outcome::Added;
}
