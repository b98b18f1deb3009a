#include "shared/PathDialog/FolderPlaces.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shared/General/Texts.h"

namespace {

// The name the system knows the user by, which is what desktops name the
// folder they mount the user's media in.
QString UserName() {
    if (const passwd* entry = getpwuid(geteuid()))
        return QFile::decodeName(entry->pw_name);
    return qEnvironmentVariable("USER");
}

}  // namespace

QList<FolderPlace> FolderPlaces() {
    QList<FolderPlace> places;
    places.append({FolderPlace::Home, Text(Texts::kPlaceHome), QDir::cleanPath(QDir::homePath())});
    places.append({FolderPlace::FileSystem, Text(Texts::kPlaceFileSystem), QStringLiteral("/")});
    const QString user = UserName();
    QStringList media;
    if (!user.isEmpty() && !user.contains(QLatin1Char('/')))
        media << QStringLiteral("/media/") + user << QStringLiteral("/run/media/") + user;
    media << QStringLiteral("/mnt");
    for (const QString& path : media) {
        if (QFileInfo(path).isDir())
            places.append({FolderPlace::Media, path, path});
    }
    return places;
}
