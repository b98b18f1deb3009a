#pragma once

// The program's identity values and the small path routines that the settings
// store and the file drop component rest on. Qt Core only.

#include <QString>

// Maker key word, the second level of the settings key.
QString CompanyKey();
// Product name, the third level of the settings key.
QString ProductName();

// The desktop's name for Norvane, of our own reverse-DNS domain: the name of
// its desktop entry, icon and AppStream metadata (set in CMakeLists.txt).
QString ApplicationId();

// Full path of the program file, resolved with ResolveLongPath on first use
// (from QCoreApplication::applicationFilePath()) and kept for the rest of the run.
QString ProgramFilePath();
// Replaces the program file path, resolved with ResolveLongPath; an empty path
// makes the next ProgramFilePath() ask the application again. For start-up and tests.
void SetProgramFilePath(const QString& path);

// The program file's name without its extension; folders named with a dot
// (/opt/my.apps/norvane) never cut it.
QString ProgramBaseName();

// The per-user settings key: "\Software\" CompanyKey "\" ProductName "\" base name.
QString SettingsKeyPath();

// The clean absolute form of an existing path; a path that names nothing is
// returned unchanged (a trailing "/" included).
QString ResolveLongPath(const QString& path);

// The text before its last "." when that dot is the second character or later;
// otherwise the text unchanged. The whole text is searched.
QString StripExtension(const QString& text);

// True when the path names a folder (a link to a folder counts).
bool IsExistingDirectory(const QString& path);
