#pragma once

#include <QStyledItemDelegate>
#include <memory>

#include "ui/OutcomeMarks.h"

class ResultModel;

// Draws the results list's cells: a folder row as a heading (bold, on a
// shaded band across the row), a file row's outcome as a mark before its
// Status (warnings and errors in their colour), and shows the whole text of
// a cell that is cut short in a tool tip, with what the row says of the cell
// (the model's tool tip, such as how a name that is not UTF-8 was read).
class ResultsItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ResultsItemDelegate(const ResultModel* rows, QObject* parent);
    ~ResultsItemDelegate() override;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    bool isFolderRow(const QModelIndex& index) const;
    // The outcome's mark on the Status cell of a file row.
    void markOutcome(QStyleOptionViewItem* option, const QModelIndex& index) const;

    const ResultModel* m_rows;
    // Made for the list's palette when a cell first needs them, and again
    // when the palette changes.
    mutable std::unique_ptr<OutcomeMarks> m_marks;
};
