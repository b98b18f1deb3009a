#include "settings/store/SettingsTable.h"

#include <QHash>

#include "engine/FieldCleanup.h"
#include "engine/FilenameScheme.h"
#include "engine/ResultModel.h"
#include "engine/LegacyEncoding.h"
#include "engine/SafeNames.h"
#include "settings/store/SettingsKeys.h"

namespace {

SettingEntry Flag(const QString& key, bool on) {
    return {key, SettingKind::Flag, SettingGroup::Options, on ? 1 : 0, {}, 0};
}

SettingEntry Choice(const QString& key, int position, int choices) {
    return {key, SettingKind::Choice, SettingGroup::Options, position, {}, choices};
}

SettingEntry TextValue(const QString& key, const QString& text) {
    return {key, SettingKind::Text, SettingGroup::Options, 0, text, 0};
}

SettingEntry LinesValue(const QString& key, const QString& lines) {
    return {key, SettingKind::Lines, SettingGroup::Options, 0, lines, 0};
}

// A placement value; its default says that nothing was stored: a position
// of kPositionNotStored, a size of 0 (the window keeps its own), state 0.
SettingEntry PlacementValue(const char* word, int notStored) {
    return {SettingsKeys::PlacementKey(QLatin1String(SettingsKeys::kMainPrefix), word),
            SettingKind::Integer,
            SettingGroup::Placement,
            notStored,
            {},
            0};
}

QVector<SettingEntry> Build() {
    using namespace SettingsKeys;
    QVector<SettingEntry> table = {
        PlacementValue(kTop, kPositionNotStored),
        PlacementValue(kLeft, kPositionNotStored),
        PlacementValue(kHeight, 0),
        PlacementValue(kWidth, 0),
        PlacementValue(kState, 0),

        Flag(QLatin1String(kRecursive), true),
        Flag(QLatin1String(kIncludeExtsChecked), true),
        LinesValue(QLatin1String(kExtensions), QStringLiteral(".mp3")),
        Flag(QLatin1String(kRemoveUnderscores), true),
        Flag(QLatin1String(kExtensionLowercase), true),
    };
    // Each slot of the existing-name scheme, then the same slot of the new one.
    const FilenameScheme in = DefaultScheme(SchemeRole::Existing);
    const FilenameScheme out = DefaultScheme(SchemeRole::New);
    for (int n = 0; n < kSlotCount; ++n) {
        table.append(Choice(SlotKey(kInIndex, n), in.slots[n], kFieldKindCount));
        table.append(Choice(SlotKey(kOutIndex, n), out.slots[n], kFieldKindCount));
    }
    for (int n = 0; n < kDividerCount; ++n) {
        table.append(TextValue(SlotKey(kInDivider, n), in.dividers[n]));
        table.append(TextValue(SlotKey(kOutDivider, n), out.dividers[n]));
    }
    // Last, so that a settings file saved before they were there loads all
    // the rest as it did.
    table.append(Choice(QLatin1String(kLegacyEncoding), 0, kLegacyEncodingCount));
    table.append(Flag(QLatin1String(kNormalizeNfc), false));
    table.append(Flag(QLatin1String(kPadTrack), false));
    // The position of 2, 3 or 4 digits.
    table.append(
        Choice(QLatin1String(kPadTrackDigits), 0, kPadTrackMaxDigits - kPadTrackMinDigits + 1));
    table.append(Choice(QLatin1String(kCapitalisation), 0, kCapitalisationCount));
    table.append(Flag(QLatin1String(kSafeNames), false));
    table.append(
        TextValue(QLatin1String(kSafeReplacement), QLatin1String(kDefaultSafeReplacement)));
    // Every column of the results list but the last, which reaches to the
    // list's edge; 0 when nothing is stored: the column keeps its start width.
    for (int n = 0; n < ResultModel::ColumnCount - 1; ++n)
        table.append(
            {SlotKey(kColumnWidth, n), SettingKind::Integer, SettingGroup::Columns, 0, {}, 0});
    return table;
}

const QHash<QString, int>& Positions() {
    static const QHash<QString, int> positions = [] {
        QHash<QString, int> byKey;
        const QVector<SettingEntry>& table = SettingsTable();
        for (int i = 0; i < table.size(); ++i)
            byKey.insert(table.at(i).key, i);
        return byKey;
    }();
    return positions;
}

}  // namespace

const QVector<SettingEntry>& SettingsTable() {
    static const QVector<SettingEntry> table = Build();
    return table;
}

int SettingPosition(QStringView key) {
    return Positions().value(key.toString(), -1);
}
