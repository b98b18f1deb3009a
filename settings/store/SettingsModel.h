#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

class TRegistryIniFile;

// The values of every setting in the table (SettingsTable), as the program
// uses them: read from the settings file and written to it here, mapped to
// and from its controls by the window, only read by norvane-cli.
//
// A model starts with every setting at its default and holding none of them;
// a value set or loaded is held, and only held values are saved.
class SettingsModel {
public:
    SettingsModel();

    // Flag, Integer and Choice (a position), Text and Lines (the lines with
    // "\n" between them). Each throws ERegistryException for a name that is
    // not in the table or is of another kind.
    bool flag(const QString& key) const;
    int integer(const QString& key) const;
    QString text(const QString& key) const;
    void setFlag(const QString& key, bool on);
    void setInteger(const QString& key, int value);
    void setText(const QString& key, const QString& text);

    // Whether the value was set or loaded.
    bool holds(const QString& key) const;
    // False for a value the last load did not reach: it came at or after a
    // value of its group that could not be read, and kept what it was.
    bool known(const QString& key) const;

    // Reads what the store holds over the values, in table order; a value the
    // store does not have keeps what it is, and so does a Choice out of its
    // range or a number that is not one. Within each group the first value
    // that cannot be read ends that group's load. Never throws.
    void load(const TRegistryIniFile& store);
    // Writes every value held, in table order.
    void save(TRegistryIniFile& store) const;

private:
    struct Value {
        int number = 0;
        QString text;
        bool held = false;
        bool known = true;
    };

    int positionOf(const QString& key, bool textKind) const;

    QVector<Value> m_values;  // by position in the table
};

// What the desktop program saved, read from its settings file without
// making it when it is missing; every setting at its default where nothing
// is saved. Never throws.
SettingsModel LoadSavedSettings();
