#pragma once

#include <QStringList>

#include "engine/FileScanner.h"
#include "engine/ProcessRun.h"

struct CliOptions;
class SettingsModel;

// Everything a run of norvane-cli works with: the scan options with the
// extension lines, both schemes and the two name options.
struct CliSettings {
    ScanOptions scan;
    QStringList extensionLines;
    ProcessSettings process;
};

// The settings a model holds, as norvane-cli uses them: the extension lines
// by the window's own memo rule.
CliSettings CliSettingsOf(const SettingsModel& settings);

// The window's designed state: subfolders and the ".mp3" filter on, the
// default schemes, both name options on.
CliSettings DefaultCliSettings();

// What the desktop program saved, by the window's own load rules; only read:
// when there is no settings file, none is made.
CliSettings SavedCliSettings();

// The command line's options on top of the settings.
void ApplyOptions(CliSettings& settings, const CliOptions& options);
