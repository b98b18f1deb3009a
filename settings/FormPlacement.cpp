#include "settings/FormPlacement.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "settings/WorkArea.h"
#include "settings/store/SettingsModel.h"

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

// The bounds the last restore gave a window, kept on the window itself.
const char* const kAppliedProperty = "norvaneRestoredPlacement";

// The platform may nudge a window it is asked to place (keeping its frame on
// the screen, say). A window found within its frame's width of where the
// restore put it, at the same size, has not been moved: storing the restored
// bounds keeps them the same run after run.
QRect unmovedBounds(const QWidget* window, const QRect& bounds) {
    const QRect applied = window->property(kAppliedProperty).toRect();
    if (!applied.isValid() || applied.size() != bounds.size())
        return bounds;
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const int slackX = std::max(inner.left() - frame.left(), frame.right() - inner.right());
    const int slackY = std::max(inner.top() - frame.top(), frame.bottom() - inner.bottom());
    if (std::abs(bounds.x() - applied.x()) <= slackX &&
        std::abs(bounds.y() - applied.y()) <= slackY)
        return applied;
    return bounds;
}

// The window that owns a dialog-like window, if any; a main window has none.
const QWidget* ownerOf(const QWidget* window) {
    if (!window->isWindow() || !window->parentWidget())
        return nullptr;
    return window->parentWidget()->window();
}

}  // namespace

void SaveFormPlacement(QWidget* window, SettingsModel& settings, const QString& prefix,
                       TPlacementOptions options) {
    using namespace SettingsKeys;
    try {
        const QRect area = GetWorkArea();
        // A window that never had a normal placement (never shown, or not a
        // window) reports none: its present bounds are the normal ones.
        QRect bounds = window->normalGeometry();
        if (!bounds.isValid())
            bounds = window->geometry();
        bounds = unmovedBounds(window, bounds);
        if (options & plPosition) {
            settings.setInteger(PlacementKey(prefix, kTop), bounds.y() - area.y());
            settings.setInteger(PlacementKey(prefix, kLeft), bounds.x() - area.x());
        }
        if (options & plSize) {
            settings.setInteger(PlacementKey(prefix, kHeight), bounds.height());
            settings.setInteger(PlacementKey(prefix, kWidth), bounds.width());
        }
        if (options & plMaximized) {
            // A main window closed while minimised comes back normal.
            const bool maximized =
                window->isMaximized() && !(IsMainWindow(window) && window->isMinimized());
            settings.setInteger(PlacementKey(prefix, kState),
                                maximized ? kStateMaximized : kStateNormal);
        }
    } catch (...) {
    }
}

namespace {

// Whether the load reached all these values of the placement: a value after
// one that could not be read is not known, and the step that needs it, with
// those after it, is skipped.
bool AllKnown(const SettingsModel& settings, const QString& prefix,
              std::initializer_list<const char*> words) {
    for (const char* word : words) {
        if (!settings.known(SettingsKeys::PlacementKey(prefix, word)))
            return false;
    }
    return true;
}

// Only a stored state of "maximised" has an effect.
void RestoreMaximized(QWidget* window, const SettingsModel& settings, const QString& key) {
    const int state = settings.holds(key) ? settings.integer(key) : currentState(window);
    if (state != kStateMaximized)
        return;
    if (IsMainWindow(window))
        showMaximized() = true;
    else
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

}  // namespace

void RestoreFormPlacement(QWidget* window, const SettingsModel& settings, const QString& prefix,
                          TPlacementOptions options) {
    using namespace SettingsKeys;
    try {
        if (((options & plSize) && !AllKnown(settings, prefix, {kHeight, kWidth})) ||
            ((options & plPosition) && !AllKnown(settings, prefix, {kTop, kLeft})))
            return;
        const QRect current = window->geometry();
        int width = current.width();
        int height = current.height();
        if (options & plSize) {
            height = settings.integer(PlacementKey(prefix, kHeight));
            width = settings.integer(PlacementKey(prefix, kWidth));
            // No size stored, or a size of nothing, which would leave no window to see.
            if (height <= 0)
                height = current.height();
            if (width <= 0)
                width = current.width();
        }

        int left = current.x();
        int top = current.y();
        if (options & plPosition) {
            top = settings.integer(PlacementKey(prefix, kTop));
            left = settings.integer(PlacementKey(prefix, kLeft));
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
        // Never smaller than the window's layout lets it be: it would grow
        // again when shown, and what the next save stores would differ from
        // what the restore applied.
        const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
        width = std::max(width, least.width());
        height = std::max(height, least.height());
        window->setGeometry(left, top, width, height);
        window->setProperty(kAppliedProperty, QRect(left, top, width, height));

        if ((options & plMaximized) && AllKnown(settings, prefix, {kState}))
            RestoreMaximized(window, settings, PlacementKey(prefix, kState));
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
