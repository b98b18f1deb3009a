#include "cli/CliSettings.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "cli/CliOptions.h"
#include "settings/store/SettingsKeys.h"
#include "settings/store/TRegistryIniFile.h"
#include "settings/store/TextLines.h"
#include "shared/General/General.h"

namespace {

QString SlotKey(const char* word, int position) {
    return QString::fromLatin1(word) + QString::number(position);
}

void ReadFlag(const TRegistryIniFile& store, const char* word, bool& flag) {
    flag = store.readBool(QString(), QString::fromLatin1(word), flag);
}

void ReadIndex(const TRegistryIniFile& store, const QString& name, int& slot) {
    const int index = store.readInteger(QString(), name, -1);
    if (index >= 0 && index < kFieldKindCount)
        slot = index;
}

// The window shows the stored text in its memo and the scan reads the memo's
// lines: an empty text holds no line at all.
QStringList ExtensionLinesOf(const QString& text) {
    return text.isEmpty() ? QStringList() : SplitLines(text);
}

// In the order of the window's load, so that a value that cannot be read
// leaves the same settings unread.
void ReadValues(const TRegistryIniFile& store, CliSettings& settings) {
    using namespace SettingsKeys;
    ReadFlag(store, kRecursive, settings.scan.recursive);
    ReadFlag(store, kIncludeExtsChecked, settings.scan.extensionFilter);
    const QString extensions = store.readString(QString(), QString::fromLatin1(kExtensions),
                                                settings.extensionLines.join(u'\n'));
    settings.extensionLines = ExtensionLinesOf(extensions);
    ReadFlag(store, kRemoveUnderscores, settings.process.options.removeUnderscores);
    ReadFlag(store, kExtensionLowercase, settings.process.options.lowercaseExtension);
    for (int n = 0; n < kSlotCount; ++n) {
        ReadIndex(store, SlotKey(kInIndex, n), settings.process.existingScheme.slots[n]);
        ReadIndex(store, SlotKey(kOutIndex, n), settings.process.newScheme.slots[n]);
    }
    for (int n = 0; n < kDividerCount; ++n) {
        QString& in = settings.process.existingScheme.dividers[n];
        in = store.readString(QString(), SlotKey(kInDivider, n), in);
        QString& out = settings.process.newScheme.dividers[n];
        out = store.readString(QString(), SlotKey(kOutDivider, n), out);
    }
}

}  // namespace

CliSettings DefaultCliSettings() {
    CliSettings settings;
    // Nothing here shows the total size that the window's labels show.
    settings.scan.totalSize = false;
    settings.extensionLines = QStringList{QStringLiteral(".mp3")};
    settings.process.existingScheme = DefaultScheme(SchemeRole::Existing);
    settings.process.newScheme = DefaultScheme(SchemeRole::New);
    return settings;
}

QString SavedSettingsFile() {
    QStringList parts = SettingsKeyPath().split(u'\\', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.constFirst() == QLatin1String("Software"))
        parts.removeFirst();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty() || parts.isEmpty())
        return QString();
    return config + u'/' + parts.join(u'/') + QStringLiteral(".reg");
}

void ReadSavedSettings(CliSettings& settings) {
    // Opening the store makes the file when it is missing; the command line
    // must leave the user's configuration as it found it.
    const QString file = SavedSettingsFile();
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    try {
        const TRegistryIniFile store(SettingsKeyPath());
        try {
            ReadValues(store, settings);
        } catch (...) {
        }
    } catch (...) {
    }
}

void ApplyOptions(CliSettings& settings, const CliOptions& options) {
    if (options.inScheme)
        settings.process.existingScheme = *options.inScheme;
    if (options.outScheme)
        settings.process.newScheme = *options.outScheme;
    if (!options.extensionLines.isEmpty()) {
        settings.scan.extensionFilter = true;
        settings.extensionLines = options.extensionLines;
    }
    if (options.allFiles)
        settings.scan.extensionFilter = false;
    if (options.noRecursive)
        settings.scan.recursive = false;
    if (options.keepUnderscores)
        settings.process.options.removeUnderscores = false;
    if (options.keepExtensionCase)
        settings.process.options.lowercaseExtension = false;
}
