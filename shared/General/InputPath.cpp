#include "shared/General/InputPath.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <sys/stat.h>

#include "shared/General/General.h"

QString NormalizeInputPath(const QString& path) {
    QString result = path;
    if (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    const QFileInfo info(result);
    if (info.exists() && !info.isDir()) {
        const qsizetype slash = result.lastIndexOf(QLatin1Char('/'));
        if (slash == 0)
            result = QStringLiteral("/");
        else if (slash > 0)
            result = result.left(slash);
    }
    return result;
}

bool SameInputPath(const QString& a, const QString& b) {
    const QLocale locale = QLocale::system();
    return locale.toLower(a) == locale.toLower(b);
}

qsizetype SortedInputPosition(const QStringList& folders, const QString& path) {
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

namespace {

// The scan reaches folders through the encoded form of their text.
bool SurvivesDecoding(const QByteArray& bytes) {
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

// The path text of an argument, or a null string (and the problem) when its
// path cannot be given to the scan because it does not survive decoding.
QString ArgumentPathText(const QByteArray& argument, ArgumentFolder::Problem& problem) {
    if (SurvivesDecoding(argument))
        return QFile::decodeName(argument);
    struct stat st;
    if (::stat(argument.constData(), &st) != 0) {
        problem = ArgumentFolder::Problem::Missing;
        return QString();
    }
    if (!S_ISDIR(st.st_mode)) {
        const qsizetype slash = argument.lastIndexOf('/');
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : argument.left(slash));
        if (SurvivesDecoding(folder))
            return QFile::decodeName(folder);
    }
    problem = ArgumentFolder::Problem::NotUtf8;
    return QString();
}

}  // namespace

ArgumentFolder InputFolderOfArgument(const QByteArray& argument) {
    ArgumentFolder result;
    result.problem = ArgumentFolder::Problem::Missing;
    const QString text = ArgumentPathText(argument, result.problem);
    if (text.isEmpty())
        return result;
    // The folder list holds absolute paths; "." would give no folder name.
    const QString absolute = ResolveLongPath(QDir::current().absoluteFilePath(text));
    const QString folder = NormalizeInputPath(absolute);
    if (folder.isEmpty() || !IsExistingDirectory(folder))
        return result;
    result.folder = folder;
    result.problem = ArgumentFolder::Problem::None;
    return result;
}
