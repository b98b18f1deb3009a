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

ResultsItemDelegate::~ResultsItemDelegate() = default;

bool ResultsItemDelegate::isFolderRow(const QModelIndex& index) const {
    const int row = ResultRowOf(index);
    return row >= 0 && row < m_rows->size() && m_rows->row(row).isFolderRow();
}

void ResultsItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!isFolderRow(index)) {
        if (index.column() == ResultModel::StatusColumn)
            markOutcome(option, index);
        return;
    }
    option->font.setBold(true);
    option->fontMetrics = QFontMetrics(option->font);
    option->backgroundBrush = HeadingShade(option->palette);
}

void ResultsItemDelegate::markOutcome(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    // The list may show a filter's rows: the mark is the result row's.
    const int row = ResultRowOf(index);
    if (row < 0 || row >= m_rows->size())
        return;
    if (!m_marks || !m_marks->madeFor(option->palette))
        m_marks = std::make_unique<OutcomeMarks>(option->palette);
    const RowOutcome outcome = m_rows->row(row).outcome;
    const QIcon icon = m_marks->icon(outcome);
    if (icon.isNull())
        return;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = icon;
    // As high as a line of text, so that every row keeps the height of the
    // folder row that leads the list.
    const int side = std::max(8, option->fontMetrics.height() - 2);
    option->decorationSize = QSize(side, side);
    option->palette.setColor(QPalette::Text, m_marks->textColour(outcome));
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
