#include "settings/Settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "settings/FormPlacement.h"
#include "settings/SettingsControls.h"
#include "settings/store/ERegistryException.h"
#include "settings/store/SettingsKeys.h"
#include "settings/store/TRegistryIniFile.h"
#include "settings/store/TextLines.h"
#include "shared/General/General.h"
#include "shared/General/Texts.h"

namespace {

constexpr TPlacementOptions kMainPlacement = plSize | plPosition | plMaximized;

// The stored extension lines are separated by CR LF whatever the memo uses.
const QString kStoredLineBreak = QStringLiteral("\r\n");

QString key(const char* word) {
    return QString::fromLatin1(word);
}

QString slotKey(const char* word, int position) {
    return QString::fromLatin1(word) + QString::number(position);
}

// A control the window did not hand over is an error like any other: it
// ends the step at its key.
template <typename T>
T* require(T* control, const QString& name) {
    if (!control)
        throw ERegistryException(Text(Texts::kSettingsMissingControl).arg(name));
    return control;
}

void loadFlag(const TRegistryIniFile& store, const char* word, QCheckBox* box) {
    const QString name = key(word);
    require(box, name);
    box->setChecked(store.readBool(QString(), name, box->isChecked()));
}

void loadIndex(const TRegistryIniFile& store, const QString& name, QListWidget* list) {
    require(list, name);
    const int index = store.readInteger(QString(), name, -1);
    // Out-of-range positions are not errors: the slot keeps its selection.
    if (index >= 0 && index < list->count())
        list->setCurrentRow(index);
}

void loadDivider(const TRegistryIniFile& store, const QString& name, QLineEdit* edit) {
    require(edit, name);
    edit->setText(store.readString(QString(), name, edit->text()));
}

void loadControls(const TRegistryIniFile& store, const SettingsControls& controls) {
    using namespace SettingsKeys;
    loadFlag(store, kRecursive, controls.recursive);
    loadFlag(store, kIncludeExtsChecked, controls.includeExts);

    const QString extensionsName = key(kExtensions);
    QPlainTextEdit* memo = require(controls.extensions, extensionsName);
    const QString stored = SplitLines(memo->toPlainText()).join(kStoredLineBreak);
    const QString text = store.readString(QString(), extensionsName, stored);
    memo->setPlainText(SplitLines(text).join(QLatin1Char('\n')));

    loadFlag(store, kRemoveUnderscores, controls.removeUnderscores);
    loadFlag(store, kExtensionLowercase, controls.extensionLowercase);
    for (int n = 0; n < int(controls.inSlots.size()); ++n) {
        loadIndex(store, slotKey(kInIndex, n), controls.inSlots[n]);
        loadIndex(store, slotKey(kOutIndex, n), controls.outSlots[n]);
    }
    for (int n = 0; n < int(controls.inDividers.size()); ++n) {
        loadDivider(store, slotKey(kInDivider, n), controls.inDividers[n]);
        loadDivider(store, slotKey(kOutDivider, n), controls.outDividers[n]);
    }
}

void saveFlag(TRegistryIniFile& store, const char* word, const QCheckBox* box) {
    const QString name = key(word);
    store.writeBool(QString(), name, require(box, name)->isChecked());
}

void saveControls(TRegistryIniFile& store, const SettingsControls& controls) {
    using namespace SettingsKeys;
    saveFlag(store, kRecursive, controls.recursive);
    saveFlag(store, kIncludeExtsChecked, controls.includeExts);
    const QString extensionsName = key(kExtensions);
    const QPlainTextEdit* memo = require(controls.extensions, extensionsName);
    store.writeString(QString(), extensionsName,
                      SplitLines(memo->toPlainText()).join(kStoredLineBreak));
    saveFlag(store, kRemoveUnderscores, controls.removeUnderscores);
    saveFlag(store, kExtensionLowercase, controls.extensionLowercase);
    for (int n = 0; n < int(controls.inSlots.size()); ++n) {
        const QString inName = slotKey(kInIndex, n);
        store.writeInteger(QString(), inName, require(controls.inSlots[n], inName)->currentRow());
        const QString outName = slotKey(kOutIndex, n);
        store.writeInteger(QString(), outName,
                           require(controls.outSlots[n], outName)->currentRow());
    }
    for (int n = 0; n < int(controls.inDividers.size()); ++n) {
        const QString inName = slotKey(kInDivider, n);
        store.writeString(QString(), inName, require(controls.inDividers[n], inName)->text());
        const QString outName = slotKey(kOutDivider, n);
        store.writeString(QString(), outName, require(controls.outDividers[n], outName)->text());
    }
}

}  // namespace

void LoadSettings(const SettingsControls& controls) {
    try {
        TRegistryIniFile store(SettingsKeyPath());
        if (controls.window) {
            RestoreFormPlacement(controls.window, store, QString(), key(SettingsKeys::kMainPrefix),
                                 kMainPlacement);
        }
        try {
            loadControls(store, controls);
        } catch (...) {
        }
    } catch (...) {
    }
}

void SaveSettings(const SettingsControls& controls) {
    try {
        TRegistryIniFile store(SettingsKeyPath());
        if (controls.window) {
            SaveFormPlacement(controls.window, store, QString(), key(SettingsKeys::kMainPrefix),
                              kMainPlacement);
        }
        try {
            saveControls(store, controls);
        } catch (...) {
        }
        // Whatever was written before an error is saved.
        store.updateFile();
    } catch (...) {
    }
}
