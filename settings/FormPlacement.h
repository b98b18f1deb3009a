#pragma once

#include <QFlags>
#include <QString>

class QWidget;
class TRegistryIniFile;

// Which parts of a window's placement are stored.
enum TPlacementOption {
    plSize = 1,       // prefix + "Height", prefix + "Width"
    plPosition = 2,   // prefix + "Top", prefix + "Left", relative to the work area
    plMaximized = 4,  // prefix + "State": 2 maximised, else 0
};
Q_DECLARE_FLAGS(TPlacementOptions, TPlacementOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TPlacementOptions)

// A stored Top or Left of this value counts as never stored.
inline constexpr int kPositionNotStored = -10000;

// Writes the window's normal (not maximised, not minimised) bounds and its
// maximised state. Never fails outward; an error skips the remaining items.
void SaveFormPlacement(QWidget* window, TRegistryIniFile& store, const QString& section,
                       const QString& prefix, TPlacementOptions options);

// Reads the placement back and applies it, kept on the work area; a window
// without a stored position is centred. A maximised main window is shown
// maximised by ShowMainWindow; any other window is maximised at once.
// Never fails outward; an error skips the remaining steps.
void RestoreFormPlacement(QWidget* window, TRegistryIniFile& store, const QString& section,
                          const QString& prefix, TPlacementOptions options);

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
