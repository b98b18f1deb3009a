#pragma once

#include <QStringList>

#include "engine/FileScanner.h"
#include "engine/ProcessRun.h"

struct CliOptions;

// Everything a run of norvane-cli works with: the scan options with the
// extension lines, both schemes and the two name options.
struct CliSettings {
    ScanOptions scan;
    QStringList extensionLines;
    ProcessSettings process;
};

// The window's designed state: subfolders and the ".mp3" filter on, the
// default schemes, both name options on.
CliSettings DefaultCliSettings();

// The settings file of the desktop program, below the user's configuration
// folder: the store's file for the key SettingsKeyPath().
QString SavedSettingsFile();

// Reads what the desktop program saved, by the window's own load rules: an
// absent value keeps the setting, an index outside the seven kinds keeps the
// slot, and the first value that cannot be read ends the reading. Only
// reads: when there is no settings file, none is made.
void ReadSavedSettings(CliSettings& settings);

// The command line's options on top of the settings.
void ApplyOptions(CliSettings& settings, const CliOptions& options);
