#include "ui/ApplicationIdentity.h"

#include <QApplication>
#include <QIcon>

#include "shared/General/General.h"
#include "shared/General/Texts.h"

namespace {

// The icon built into the program, for a run from the build folder, where
// the desktop's icon theme does not have it.
QIcon BuiltInIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(ApplicationId()),
                     QSize(size, size));
    return icon;
}

}  // namespace

void SetApplicationIdentity() {
    // The application name is not translated: Qt names the windows' class
    // after it, and the desktop entry's StartupWMClass matches that.
    QApplication::setApplicationName(ProductName());
    QApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));
    QApplication::setApplicationDisplayName(Text(Texts::kProgramTitle));
    QGuiApplication::setDesktopFileName(ApplicationId());
    QApplication::setWindowIcon(QIcon::fromTheme(ApplicationId(), BuiltInIcon()));
}
