#pragma once

#include <QFlags>
#include <QString>

#include "settings/store/SettingsKeys.h"

class QWidget;
class SettingsModel;

// Which parts of a window's placement are stored.
enum TPlacementOption {
    plSize = 1,       // prefix + "Height", prefix + "Width"
    plPosition = 2,   // prefix + "Top", prefix + "Left", relative to the work area
    plMaximized = 4,  // prefix + "State": 2 maximised, else 0
};
Q_DECLARE_FLAGS(TPlacementOptions, TPlacementOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TPlacementOptions)

// Puts the window's normal (not maximised, not minimised) bounds and its
// maximised state into the settings, under prefix + "Top" and so on. Never
// fails outward; an error skips the remaining items.
void SaveFormPlacement(QWidget* window, SettingsModel& settings, const QString& prefix,
                       TPlacementOptions options);

// Applies the placement the settings hold, kept on the work area; a window
// without a stored position is centred, one without a stored size keeps its
// own. A maximised main window is shown maximised by ShowMainWindow; any
// other window is maximised at once. Where the load stopped at a value that
// could not be read, the steps from there on are skipped. Never fails outward.
void RestoreFormPlacement(QWidget* window, const SettingsModel& settings, const QString& prefix,
                          TPlacementOptions options);

// The application's main window: set by ShowMainWindow (or SetMainWindow).
// Until there is one, every window counts as the main window, as during the
// creation of the first one.
bool IsMainWindow(const QWidget* window);
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// Whether the first show of the main window is to be maximised, as a restore
// of a window stored maximised asks.
bool MainWindowShowsMaximized();
void SetMainWindowShowsMaximized(bool maximized);

// Makes the window the main window and shows it, maximised when the restore
// asked for it (once: later shows are plain).
void ShowMainWindow(QWidget* window);
