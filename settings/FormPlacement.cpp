#include "settings/FormPlacement.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "settings/TRegistryIniFile.h"
#include "settings/WorkArea.h"

namespace {

// Values of prefix + "State".
constexpr int kStateNormal = 0;
constexpr int kStateMinimized = 1;
constexpr int kStateMaximized = 2;

QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> window;
    return window;
}

bool& showMaximized() {
    static bool maximized = false;
    return maximized;
}

int currentState(const QWidget* window) {
    if (window->isMinimized())
        return kStateMinimized;
    return window->isMaximized() ? kStateMaximized : kStateNormal;
}

// Stored positions come from a file: a sum that leaves the int range stops at its end.
int addClamped(int a, int b) {
    return int(std::clamp<qint64>(qint64(a) + b, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// The window that owns a dialog-like window, if any; a main window has none.
const QWidget* ownerOf(const QWidget* window) {
    if (!window->isWindow() || !window->parentWidget())
        return nullptr;
    return window->parentWidget()->window();
}

}  // namespace

void SaveFormPlacement(QWidget* window, TRegistryIniFile& store, const QString& section,
                       const QString& prefix, TPlacementOptions options) {
    try {
        const QRect area = GetWorkArea();
        // A window that never had a normal placement (never shown, or not a
        // window) reports none: its present bounds are the normal ones.
        QRect bounds = window->normalGeometry();
        if (!bounds.isValid())
            bounds = window->geometry();
        if (options & plPosition) {
            store.writeInteger(section, prefix + QStringLiteral("Top"), bounds.y() - area.y());
            store.writeInteger(section, prefix + QStringLiteral("Left"), bounds.x() - area.x());
        }
        if (options & plSize) {
            store.writeInteger(section, prefix + QStringLiteral("Height"), bounds.height());
            store.writeInteger(section, prefix + QStringLiteral("Width"), bounds.width());
        }
        if (options & plMaximized) {
            // A main window closed while minimised comes back normal.
            const bool maximized =
                window->isMaximized() && !(IsMainWindow(window) && window->isMinimized());
            store.writeInteger(section, prefix + QStringLiteral("State"),
                               maximized ? kStateMaximized : kStateNormal);
        }
    } catch (...) {
    }
}

void RestoreFormPlacement(QWidget* window, TRegistryIniFile& store, const QString& section,
                          const QString& prefix, TPlacementOptions options) {
    try {
        const QRect current = window->geometry();
        int width = current.width();
        int height = current.height();
        if (options & plSize) {
            height = store.readInteger(section, prefix + QStringLiteral("Height"), height);
            width = store.readInteger(section, prefix + QStringLiteral("Width"), width);
            // A size of nothing would leave no window to see.
            if (height <= 0)
                height = current.height();
            if (width <= 0)
                width = current.width();
        }

        int left = current.x();
        int top = current.y();
        if (options & plPosition) {
            top = store.readInteger(section, prefix + QStringLiteral("Top"), kPositionNotStored);
            left = store.readInteger(section, prefix + QStringLiteral("Left"), kPositionNotStored);
            if (top == kPositionNotStored || left == kPositionNotStored) {
                const QPoint centred = CenteredPosition(width, height, ownerOf(window));
                left = centred.x();
                top = centred.y();
            } else {
                const QRect area = GetWorkArea();
                left = addClamped(left, area.x());
                top = addClamped(top, area.y());
            }
        }
        KeepOnWorkArea(left, top, width, height, options.testFlag(plSize));
        window->setGeometry(left, top, width, height);

        if (options & plMaximized) {
            const int state =
                store.readInteger(section, prefix + QStringLiteral("State"), currentState(window));
            if (state == kStateMaximized) {
                if (IsMainWindow(window))
                    showMaximized() = true;
                else
                    window->setWindowState(window->windowState() | Qt::WindowMaximized);
            }
        }
    } catch (...) {
    }
}

bool IsMainWindow(const QWidget* window) {
    const QWidget* main = mainWindow();
    return !main || main == window;
}

void SetMainWindow(QWidget* window) {
    mainWindow() = window;
}

QWidget* MainWindow() {
    return mainWindow();
}

bool MainWindowShowsMaximized() {
    return showMaximized();
}

void SetMainWindowShowsMaximized(bool maximized) {
    showMaximized() = maximized;
}

void ShowMainWindow(QWidget* window) {
    SetMainWindow(window);
    if (showMaximized()) {
        showMaximized() = false;
        window->showMaximized();
    } else {
        window->show();
    }
}
