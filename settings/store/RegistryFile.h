#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "settings/store/RegistryValue.h"

// The content of one settings key file in the value syntax of Wine's registry
// files: a section line naming the key, then one value a line. Lines that are
// not values (comments, garbage, text that is not UTF-8) and the sections of
// other keys are kept as they stand, so that a save never loses what the
// program does not own.
class RegistryFile {
public:
    // The values below the key's own section lines, and those above any
    // section line, are the key's; those below another key's section line are
    // that key's. Of duplicate names (compared case-insensitively) the last
    // value wins and takes the place of the first; the key's blank lines and
    // its own section lines are dropped, the section line being written anew.
    static RegistryFile parse(const QByteArray& data, const QString& keyName);
    // The key's section line, its lines, then the other keys' sections in
    // their order, each line as it was read.
    QByteArray serialize(const QString& keyName) const;

    // The value of that name; nullptr when it is absent or its line is malformed.
    const RegistryValue* find(const QString& name) const;
    // Replaces the value in its place, or appends it to the key's lines.
    void set(const QString& name, const RegistryValue& value);

    // The names of the key's value lines in their order, malformed ones included.
    QStringList names() const;
    // The lines kept as they stand that are no value of the key: its comments
    // and garbage, then the other keys' sections.
    QList<QByteArray> keptLines() const;

private:
    struct Entry {
        QByteArray raw;  // the line(s) as read; empty once the program sets the value
        bool isValue = false;
        // Hex data whose last line ends in "\" with nothing to go on with: on a
        // save the line after it is left blank, so that it takes no other in.
        bool open = false;
        QString name;
        std::optional<RegistryValue> value;  // empty for a value line that is malformed
    };

    // Reads the value line at lines[i] (decoded and trimmed as line), with the
    // lines that carry on its hex data; returns the index of its last line.
    qsizetype addValueLine(const QList<QByteArray>& lines, qsizetype i, const QString& line);
    void add(Entry entry);

    QVector<Entry> m_entries;
    QHash<QString, qsizetype> m_byName;  // case-folded name to entry
    QList<QByteArray> m_otherSections;   // other keys' section lines and theirs
};
