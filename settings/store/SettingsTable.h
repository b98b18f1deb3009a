#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// How a setting is stored and read back.
enum class SettingKind {
    Flag,     // the text "0" or "1"; read as an integer, any number but 0 is on
    Integer,  // a 32-bit number, or the decimal text of one
    Choice,   // a position from 0 to choices - 1; any other number keeps the setting
    Text,     // a string, spaces and all
    Lines,    // lines of text ("\n" between them), stored with CR LF between them
};

// The settings load in groups: a value that cannot be read ends the load of
// its group, and it and the values after it in the group stay as they were.
enum class SettingGroup {
    Placement,  // the main window's placement
    Options,    // options, extensions and both schemes
    Columns,    // the results list's column widths
};

// One setting: its value name, kind and default.
struct SettingEntry {
    QString key;
    SettingKind kind = SettingKind::Integer;
    SettingGroup group = SettingGroup::Options;
    int number = 0;   // the default of a Flag (0 or 1), Integer or Choice
    QString text;     // the default of a Text or Lines
    int choices = 0;  // how many positions a Choice has
};

// Every value the settings file keeps for Norvane, in the order they are
// loaded and saved. A new setting is one entry here.
const QVector<SettingEntry>& SettingsTable();

// The position of a value name in the table, or -1.
int SettingPosition(QStringView key);
