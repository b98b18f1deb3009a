// The window's controls bound to the settings they show, one line a setting.
#include "engine/FilenameScheme.h"
#include "engine/ResultModel.h"
#include "settings/store/SettingsKeys.h"
#include "ui/ResultsView.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

SettingsControls TForm1::settingsControls() const {
    using namespace SettingsKeys;
    SettingsControls c;
    c.window = const_cast<TForm1*>(this);
    c.bind(kRecursive, m_ui->CBRecursive);
    c.bind(kIncludeExtsChecked, m_ui->CBIncludeExts);
    c.bind(kExtensions, m_ui->MIncludeExts);
    c.bind(kRemoveUnderscores, m_ui->CBRemoveUnderscores);
    c.bind(kExtensionLowercase, m_ui->CBExtensionLowercase);
    c.bind(kLegacyEncoding, m_ui->CMBLegacyEncoding);
    c.bind(kNormalizeNfc, m_ui->CBNormalizeNFC);
    c.bind(kPadTrack, m_ui->CBPadTrack);
    c.bind(kPadTrackDigits, m_ui->CMBPadDigits);
    c.bind(kCapitalisation, m_ui->CMBCapitalisation);
    c.bind(kSafeNames, m_ui->CBSafeNames);
    c.bind(kSafeReplacement, m_ui->ESafeReplacement);
    for (int n = 0; n < kSlotCount; ++n) {
        c.bind(SlotKey(kInIndex, n), m_inScheme.slots[n]);
        c.bind(SlotKey(kOutIndex, n), m_outScheme.slots[n]);
    }
    for (int n = 0; n < kDividerCount; ++n) {
        c.bind(SlotKey(kInDivider, n), m_inScheme.dividers[n]);
        c.bind(SlotKey(kOutDivider, n), m_outScheme.dividers[n]);
    }
    QTreeView* list = m_ui->LVResults;
    for (int n = 0; n < ResultModel::ColumnCount - 1; ++n)
        c.bind(
            SlotKey(kColumnWidth, n), [list, n] { return ColumnWidth(list, n); },
            [list, n](int width) { RestoreColumnWidth(list, n, width); });
    return c;
}
