#include "cli/CliSettings.h"

#include "cli/CliOptions.h"
#include "settings/store/SettingsKeys.h"
#include "settings/store/SettingsModel.h"
#include "settings/store/TextLines.h"

namespace {

FilenameScheme SchemeOf(const SettingsModel& settings, const char* slotWord,
                        const char* dividerWord) {
    using SettingsKeys::SlotKey;
    FilenameScheme scheme;
    for (int n = 0; n < kSlotCount; ++n)
        scheme.slots[n] = settings.integer(SlotKey(slotWord, n));
    for (int n = 0; n < kDividerCount; ++n)
        scheme.dividers[n] = settings.text(SlotKey(dividerWord, n));
    return scheme;
}

}  // namespace

CliSettings CliSettingsOf(const SettingsModel& settings) {
    using namespace SettingsKeys;
    CliSettings cli;
    cli.scan.recursive = settings.flag(kRecursive);
    cli.scan.extensionFilter = settings.flag(kIncludeExtsChecked);
    // Nothing here shows the total size that the window's labels show.
    cli.scan.totalSize = false;
    cli.extensionLines = MemoLines(settings.text(kExtensions));
    cli.process.options.removeUnderscores = settings.flag(kRemoveUnderscores);
    cli.process.options.lowercaseExtension = settings.flag(kExtensionLowercase);
    cli.scan.legacyEncoding = LegacyEncodingAt(settings.integer(kLegacyEncoding));
    NameOptions& options = cli.process.options;
    options.normalizeNfc = settings.flag(kNormalizeNfc);
    if (settings.flag(kPadTrack))
        options.padTrackDigits = kPadTrackMinDigits + settings.integer(kPadTrackDigits);
    options.capitalisation = static_cast<Capitalisation>(settings.integer(kCapitalisation));
    options.safeNames = settings.flag(kSafeNames);
    // A replacement edited into the file by hand never brings in what it replaces.
    options.safeReplacement = SafeReplacementOf(settings.text(kSafeReplacement));
    cli.process.existingScheme = SchemeOf(settings, kInIndex, kInDivider);
    cli.process.newScheme = SchemeOf(settings, kOutIndex, kOutDivider);
    return cli;
}

CliSettings DefaultCliSettings() {
    return CliSettingsOf(SettingsModel());
}

CliSettings SavedCliSettings() {
    return CliSettingsOf(LoadSavedSettings());
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
    if (options.legacyEncoding)
        settings.scan.legacyEncoding = *options.legacyEncoding;
    NameOptions& name = settings.process.options;
    if (options.nfc)
        name.normalizeNfc = true;
    if (options.padTrackDigits)
        name.padTrackDigits = *options.padTrackDigits;
    if (options.capitalisation)
        name.capitalisation = *options.capitalisation;
    if (options.safeNames)
        name.safeNames = true;
    if (options.safeReplacement) {
        name.safeNames = true;
        name.safeReplacement = *options.safeReplacement;
    }
}
