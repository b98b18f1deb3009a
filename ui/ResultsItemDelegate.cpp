#include "ui/ResultsItemDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>

#include "engine/ResultModel.h"
#include "ui/ShownRows.h"

namespace {

// A band between the list's background and its text colour: it reads as a
// heading in light and dark colour schemes alike.
QColor HeadingShade(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    constexpr float kText = 0.12f;
    return QColor::fromRgbF(base.redF() + (text.redF() - base.redF()) * kText,
                            base.greenF() + (text.greenF() - base.greenF()) * kText,
                            base.blueF() + (text.blueF() - base.blueF()) * kText);
}

}  // namespace

ResultsItemDelegate::ResultsItemDelegate(const ResultModel* rows, QObject* parent)
    : QStyledItemDelegate(parent), m_rows(rows) {}

bool ResultsItemDelegate::isFolderRow(const QModelIndex& index) const {
    const int row = ResultRowOf(index);
    return row >= 0 && row < m_rows->size() && m_rows->row(row).isFolderRow();
}

void ResultsItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!isFolderRow(index))
        return;
    option->font.setBold(true);
    option->fontMetrics = QFontMetrics(option->font);
    option->backgroundBrush = HeadingShade(option->palette);
}

bool ResultsItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    // What the row says of the cell itself, such as how its name was read.
    const QString note = index.data(Qt::ToolTipRole).toString();
    // The text needs what the cell would need to show it whole: its own width
    // and the margins the style keeps around it.
    const bool cut = !text.isEmpty() && sizeHint(option, index).width() > option.rect.width();
    if (!cut && note.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // A file name is no markup: shown as written, blanks and all, on one line.
    QString shown;
    if (cut)
        shown = QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped());
    if (!note.isEmpty())
        shown += QStringLiteral("<p>%1</p>").arg(note.toHtmlEscaped());
    QToolTip::showText(event->globalPos(), shown, view->viewport(), option.rect);
    return true;
}
