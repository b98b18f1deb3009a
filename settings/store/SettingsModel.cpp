#include "settings/store/SettingsModel.h"

#include "settings/store/ERegistryException.h"
#include "settings/store/SettingsTable.h"
#include "settings/store/TRegistryIniFile.h"
#include "settings/store/TextLines.h"
#include "shared/General/General.h"
#include "shared/General/Texts.h"

namespace {

// The stored extension lines are separated by CR LF whatever the program uses.
QString StoredLines(const QString& lines) {
    return SplitLines(lines).join(QStringLiteral("\r\n"));
}

QString LinesOfStored(const QString& stored) {
    return SplitLines(stored).join(QLatin1Char('\n'));
}

bool IsTextKind(SettingKind kind) {
    return kind == SettingKind::Text || kind == SettingKind::Lines;
}

}  // namespace

SettingsModel::SettingsModel() {
    const QVector<SettingEntry>& table = SettingsTable();
    m_values.reserve(table.size());
    for (const SettingEntry& entry : table)
        m_values.append({entry.number, entry.text, false, true});
}

int SettingsModel::positionOf(const QString& key, bool textKind) const {
    const int position = SettingPosition(key);
    if (position < 0)
        throw ERegistryException(Text(Texts::kSettingsUnknownValue).arg(key));
    if (IsTextKind(SettingsTable().at(position).kind) != textKind)
        throw ERegistryException(Text(Texts::kSettingsWrongKind).arg(key));
    return position;
}

bool SettingsModel::flag(const QString& key) const {
    return integer(key) != 0;
}

int SettingsModel::integer(const QString& key) const {
    return m_values.at(positionOf(key, false)).number;
}

QString SettingsModel::text(const QString& key) const {
    return m_values.at(positionOf(key, true)).text;
}

void SettingsModel::setFlag(const QString& key, bool on) {
    setInteger(key, on ? 1 : 0);
}

void SettingsModel::setInteger(const QString& key, int value) {
    Value& v = m_values[positionOf(key, false)];
    v.number = value;
    v.held = true;
}

void SettingsModel::setText(const QString& key, const QString& text) {
    Value& v = m_values[positionOf(key, true)];
    v.text = text;
    v.held = true;
}

bool SettingsModel::holds(const QString& key) const {
    const int position = SettingPosition(key);
    return position >= 0 && m_values.at(position).held;
}

bool SettingsModel::known(const QString& key) const {
    const int position = SettingPosition(key);
    return position >= 0 && m_values.at(position).known;
}

void SettingsModel::load(const TRegistryIniFile& store) {
    const QVector<SettingEntry>& table = SettingsTable();
    // The groups whose load has ended.
    QVector<SettingGroup> ended;
    for (int i = 0; i < table.size(); ++i) {
        const SettingEntry& entry = table.at(i);
        Value& value = m_values[i];
        if (ended.contains(entry.group)) {
            value.known = false;
            continue;
        }
        value.known = true;
        try {
            if (!store.valueExists(QString(), entry.key))
                continue;
            switch (entry.kind) {
                case SettingKind::Flag:
                    value.number = store.readBool(QString(), entry.key, value.number != 0) ? 1 : 0;
                    break;
                case SettingKind::Integer:
                    value.number = store.readInteger(QString(), entry.key, value.number);
                    break;
                case SettingKind::Choice: {
                    const int position = store.readInteger(QString(), entry.key, -1);
                    // A position outside the choices is no error: the setting stays.
                    if (position < 0 || position >= entry.choices)
                        continue;
                    value.number = position;
                    break;
                }
                case SettingKind::Text:
                    value.text = store.readString(QString(), entry.key, value.text);
                    break;
                case SettingKind::Lines:
                    value.text = LinesOfStored(
                        store.readString(QString(), entry.key, StoredLines(value.text)));
                    break;
            }
            value.held = true;
        } catch (...) {
            value.known = false;
            ended.append(entry.group);
        }
    }
}

void SettingsModel::save(TRegistryIniFile& store) const {
    const QVector<SettingEntry>& table = SettingsTable();
    for (int i = 0; i < table.size(); ++i) {
        const SettingEntry& entry = table.at(i);
        const Value& value = m_values.at(i);
        if (!value.held)
            continue;
        switch (entry.kind) {
            case SettingKind::Flag:
                store.writeBool(QString(), entry.key, value.number != 0);
                break;
            case SettingKind::Integer:
            case SettingKind::Choice:
                store.writeInteger(QString(), entry.key, value.number);
                break;
            case SettingKind::Text:
                store.writeString(QString(), entry.key, value.text);
                break;
            case SettingKind::Lines:
                store.writeString(QString(), entry.key, StoredLines(value.text));
                break;
        }
    }
}

SettingsModel LoadSavedSettings() {
    SettingsModel settings;
    try {
        const TRegistryIniFile store(SettingsKeyPath(), TRegistryIniFile::Access::ReadOnly);
        settings.load(store);
    } catch (...) {
    }
    return settings;
}
