#include "settings/Settings.h"

#include "settings/FormPlacement.h"
#include "settings/SettingsControls.h"
#include "settings/store/SettingsKeys.h"
#include "settings/store/SettingsModel.h"
#include "settings/store/TRegistryIniFile.h"
#include "shared/General/General.h"

namespace {

constexpr TPlacementOptions kMainPlacement = plSize | plPosition | plMaximized;

QString MainPrefix() {
    return QString::fromLatin1(SettingsKeys::kMainPrefix);
}

}  // namespace

void LoadSettings(const SettingsControls& controls) {
    try {
        const TRegistryIniFile store(SettingsKeyPath());
        SettingsModel settings;
        // A value the key does not hold leaves its control as it is.
        try {
            controls.toModel(settings);
        } catch (...) {
        }
        settings.load(store);
        if (controls.window)
            RestoreFormPlacement(controls.window, settings, MainPrefix(), kMainPlacement);
        try {
            controls.fromModel(settings);
        } catch (...) {
        }
    } catch (...) {
    }
}

void SaveSettings(const SettingsControls& controls) {
    try {
        TRegistryIniFile store(SettingsKeyPath());
        SettingsModel settings;
        if (controls.window)
            SaveFormPlacement(controls.window, settings, MainPrefix(), kMainPlacement);
        try {
            controls.toModel(settings);
        } catch (...) {
        }
        // Whatever was given before an error is saved.
        settings.save(store);
        store.updateFile();
    } catch (...) {
    }
}
