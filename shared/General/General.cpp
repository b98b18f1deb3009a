#include "shared/General/General.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {

// The resolved program path is asked for from any thread that opens the store.
QMutex& programPathMutex() {
    static QMutex mutex;
    return mutex;
}

QString& programPath() {
    static QString path;
    return path;
}

}  // namespace

QString CompanyKey() {
    return QStringLiteral("Tarnik");
}

QString ProductName() {
    return QStringLiteral("Norvane");
}

QString ApplicationId() {
    return QStringLiteral(NORVANE_APP_ID);
}

QString ProgramFilePath() {
    QMutexLocker locker(&programPathMutex());
    QString& path = programPath();
    if (path.isEmpty())
        path = ResolveLongPath(QCoreApplication::applicationFilePath());
    return path;
}

void SetProgramFilePath(const QString& path) {
    const QString resolved = ResolveLongPath(path);
    QMutexLocker locker(&programPathMutex());
    programPath() = resolved;
}

QString ProgramBaseName() {
    const QString path = ProgramFilePath();
    return StripExtension(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

QString SettingsKeyPath() {
    const QChar separator = QLatin1Char('\\');
    return separator + QStringLiteral("Software") + separator + CompanyKey() + separator +
           ProductName() + separator + ProgramBaseName();
}

QString ResolveLongPath(const QString& path) {
    if (path.isEmpty())
        return path;
    const QFileInfo info(path);
    if (!info.exists())
        return path;
    return QDir::cleanPath(info.absoluteFilePath());
}

QString StripExtension(const QString& text) {
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    return dot >= 1 ? text.left(dot) : text;
}

bool IsExistingDirectory(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}
