// How names are read and cleaned up: the legacy encoding of names that are
// not UTF-8 on the page "InputFolders", the clean-up options of new names on
// the page "Rename", and the mark of rows whose names were read in a legacy
// encoding.
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QStyle>

#include "engine/FieldCleanup.h"
#include "engine/LegacyEncoding.h"
#include "engine/ResultModel.h"
#include "shared/General/Texts.h"
#include "ui/TForm1.h"
#include "ui_TForm1.h"

namespace {

// What "Safe for FAT/exFAT/NTFS" may put in place of a character: none of
// those it replaces, nor "/".
const QRegularExpression kSafeReplacementText(QStringLiteral("[^:*?\"<>|\\\\/\\x00-\\x1f]*"));
constexpr int kSafeReplacementLength = 8;

}  // namespace

void TForm1::setUpNameOptions() {
    auto& ui = *m_ui;
    ui.LLegacyEncoding->setText(Text(Texts::kLegacyEncodingLabel));
    for (int e = 0; e < kLegacyEncodingCount; ++e)
        ui.CMBLegacyEncoding->addItem(LegacyEncodingCaption(LegacyEncoding(e)));
    ui.CMBLegacyEncoding->setToolTip(Text(Texts::kTipLegacyEncoding));

    ui.CBPadTrack->setText(Text(Texts::kPadTrack));
    for (int digits = kPadTrackMinDigits; digits <= kPadTrackMaxDigits; ++digits)
        ui.CMBPadDigits->addItem(Text(Texts::kPadDigits).arg(digits));
    ui.LCapitalisation->setText(Text(Texts::kCapitalisation));
    // In the order of Capitalisation's values.
    for (const char* entry :
         {Texts::kCaseAsWritten, Texts::kCaseTitle, Texts::kCaseLower, Texts::kCaseUpper})
        ui.CMBCapitalisation->addItem(Text(entry));
    ui.CBSafeNames->setText(Text(Texts::kSafeNames));
    // The replacement follows its check box; it says what it is to a screen
    // reader and in its tool tip.
    ui.ESafeReplacement->setAccessibleName(Text(Texts::kSafeReplacement));
    ui.ESafeReplacement->setText(QLatin1String(kDefaultSafeReplacement));
    ui.ESafeReplacement->setMaxLength(kSafeReplacementLength);
    ui.ESafeReplacement->setValidator(
        new QRegularExpressionValidator(kSafeReplacementText, ui.ESafeReplacement));
    // A few characters wide: a line edit's own size hint is seventeen.
    const int character = ui.ESafeReplacement->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    ui.ESafeReplacement->setFixedWidth(ui.ESafeReplacement->sizeHint().width() - 13 * character);
    ui.CBNormalizeNFC->setText(Text(Texts::kNormalizeNfc));

    ui.CBPadTrack->setToolTip(Text(Texts::kTipPadTrack));
    ui.CMBPadDigits->setToolTip(Text(Texts::kTipPadTrack));
    ui.LCapitalisation->setToolTip(Text(Texts::kTipCapitalisation));
    ui.CMBCapitalisation->setToolTip(Text(Texts::kTipCapitalisation));
    ui.CBSafeNames->setToolTip(Text(Texts::kTipSafeNames));
    ui.ESafeReplacement->setToolTip(Text(Texts::kTipSafeReplacement));
    ui.CBNormalizeNFC->setToolTip(Text(Texts::kTipNormalizeNfc));

    m_results->setNotUtf8Mark(style()->standardIcon(QStyle::SP_MessageBoxWarning));
}

void TForm1::connectNameOptions() {
    auto& ui = *m_ui;
    const auto changed = [this] { guarded([this] { NameOptionsChange(); }); };
    connect(ui.CMBLegacyEncoding, &QComboBox::currentIndexChanged, this,
            [this] { guarded([this] { CMBLegacyEncodingChange(); }); });
    connect(ui.CBPadTrack, &QCheckBox::toggled, this, changed);
    connect(ui.CMBPadDigits, &QComboBox::currentIndexChanged, this, changed);
    connect(ui.CMBCapitalisation, &QComboBox::currentIndexChanged, this, changed);
    connect(ui.CBSafeNames, &QCheckBox::toggled, this, changed);
    connect(ui.ESafeReplacement, &QLineEdit::textChanged, this, changed);
    connect(ui.CBNormalizeNFC, &QCheckBox::toggled, this, changed);
}

NameOptions TForm1::nameOptions() const {
    const auto& ui = *m_ui;
    NameOptions options;
    options.removeUnderscores = ui.CBRemoveUnderscores->isChecked();
    options.lowercaseExtension = ui.CBExtensionLowercase->isChecked();
    options.normalizeNfc = ui.CBNormalizeNFC->isChecked();
    if (ui.CBPadTrack->isChecked())
        options.padTrackDigits = kPadTrackMinDigits + std::max(0, ui.CMBPadDigits->currentIndex());
    options.capitalisation =
        static_cast<Capitalisation>(std::max(0, ui.CMBCapitalisation->currentIndex()));
    options.safeNames = ui.CBSafeNames->isChecked();
    options.safeReplacement = ui.ESafeReplacement->text();
    return options;
}

LegacyEncoding TForm1::legacyEncoding() const {
    return LegacyEncodingAt(m_ui->CMBLegacyEncoding->currentIndex());
}

void TForm1::NameOptionsChange() {
    UpdateSchemePreviews();
}

void TForm1::CMBLegacyEncodingChange() {
    // The rows read in the encoding chosen before are read again in this one.
    if (!isScanning() && m_ui->LBInput->count() > 0)
        ScanInputFolders(-1, -1);
}
