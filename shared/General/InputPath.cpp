#include "shared/General/InputPath.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

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
