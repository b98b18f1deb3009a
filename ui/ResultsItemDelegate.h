#pragma once

#include <QStyledItemDelegate>

class ResultModel;

// Draws the results list's cells: a folder row as a heading (bold, on a
// shaded band across the row), and shows the whole text of a cell that is
// cut short in a tool tip, with what the row says of the cell (the model's
// tool tip, such as how a name that is not UTF-8 was read).
class ResultsItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ResultsItemDelegate(const ResultModel* rows, QObject* parent);

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    bool isFolderRow(const QModelIndex& index) const;

    const ResultModel* m_rows;
};
