#include "ui/SchemeControls.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int kDividerWidthInCharacters = 4;

// The width of a line edit that shows count characters of its font. A line
// edit's own size hint is seventeen characters wide plus its frame and margins.
int WidthForCharacters(const QLineEdit* edit, int count) {
    const int character = edit->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    return edit->sizeHint().width() - (17 - count) * character;
}

}  // namespace

void SchemeControls::setUp() const {
    const QStringList kinds = FieldKindTexts();
    for (QListWidget* slot : slots) {
        slot->clear();
        slot->addItems(kinds);
        slot->setSelectionMode(QAbstractItemView::SingleSelection);
        // Five slots side by side are narrow: a smaller font lets the longest
        // field name fit without a horizontal scroll bar.
        QFont font = slot->font();
        font.setPointSizeF(font.pointSizeF() * 0.8);
        slot->setFont(font);
        slot->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        slot->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        slot->setTextElideMode(Qt::ElideRight);
    }
    // A fixed-pitch font, at the size of the window's own, lets leading and
    // trailing spaces of a divider be seen. The edit is a few characters wide,
    // so that it stands centred under the gap between two slots.
    for (QLineEdit* divider : dividers) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSizeF(divider->font().pointSizeF());
        divider->setFont(fixed);
        divider->setFixedWidth(WidthForCharacters(divider, kDividerWidthInCharacters));
    }
}

FilenameScheme SchemeControls::scheme() const {
    FilenameScheme scheme;
    for (int i = 0; i < kSlotCount; ++i)
        scheme.slots[i] = slots[i]->currentRow();
    for (int i = 0; i < kDividerCount; ++i)
        scheme.dividers[i] = dividers[i]->text();
    return scheme;
}

void SchemeControls::setScheme(const FilenameScheme& scheme) const {
    for (int i = 0; i < kSlotCount; ++i)
        slots[i]->setCurrentRow(scheme.slots[i]);
    for (int i = 0; i < kDividerCount; ++i)
        dividers[i]->setText(scheme.dividers[i]);
}
