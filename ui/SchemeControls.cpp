#include "ui/SchemeControls.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>

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
        slot->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        slot->setTextElideMode(Qt::ElideRight);
    }
    // A fixed-pitch font lets leading and trailing spaces of a divider be seen.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QLineEdit* divider : dividers)
        divider->setFont(fixed);
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
