#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

#include "settings/store/RegistryValue.h"

// The content of one settings key file in the value syntax of Wine's registry
// files: a section line naming the key, then one value a line. Lines that are
// not values (foreign sections, comments, garbage, text that is not UTF-8) are
// kept as they stand, so that a save never loses what the program does not own.
class RegistryFile {
public:
    // Of duplicate names (compared case-insensitively) the last value wins and
    // takes the place of the first; blank lines and the key's own section line
    // are dropped, the section line being written anew.
    static RegistryFile parse(const QByteArray& data, const QString& keyName);
    QByteArray serialize(const QString& keyName) const;

    // The value of that name; nullptr when it is absent or its line is malformed.
    const RegistryValue* find(const QString& name) const;
    // Replaces the value in its place, or appends it.
    void set(const QString& name, const RegistryValue& value);

    // Texts in the quoted form of the file ("a\"b"), and back.
    static QString quote(const QString& text);
    static std::optional<QString> unquote(const QString& text, qsizetype& pos);
    // The line of one value as the program writes it.
    static QString formatValue(const QString& name, const RegistryValue& value);
    // The value a line's data part stands for (after "name="); nothing when malformed.
    static std::optional<RegistryValue> parseData(const QString& data);

private:
    struct Entry {
        QByteArray raw;  // the line(s) as read; empty once the program sets the value
        bool isValue = false;
        QString name;
        std::optional<RegistryValue> value;  // empty for a value line that is malformed
    };

    void add(Entry entry);

    QVector<Entry> m_entries;
    QHash<QString, qsizetype> m_byName;  // case-folded name to entry
};
