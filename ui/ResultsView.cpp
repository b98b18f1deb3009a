#include "ui/ResultsView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTreeView>
#include <algorithm>
#include <iterator>

#include "engine/ResultModel.h"
#include "ui/FolderRowSpans.h"
#include "ui/ResultsItemDelegate.h"

namespace {

// The width each column starts with, in column order: a new column needs its
// width here (its stored width in the settings follows from the count). The
// Check column, last, starts at the least width and takes what the others
// leave: at the window's first size the four columns before it fill the
// list, and a reason cut short shows whole in its tool tip.
constexpr int kColumnWidths[] = {300, 300, 100, 100, 0};
static_assert(std::size(kColumnWidths) == ResultModel::ColumnCount,
              "every column of the results list has its start width");
// Wider than any screen: a stored width beyond it is no width.
constexpr int kWidestColumn = 20000;

}  // namespace

void SetUpResultsView(QTreeView* list, ResultModel* rows) {
    list->setModel(rows);
    list->setItemDelegate(new ResultsItemDelegate(rows, list));
    new FolderRowSpans(list, rows, rows);

    QHeaderView* header = list->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < ResultModel::ColumnCount; ++column)
        header->resizeSection(column,
                              std::max(kColumnWidths[column], header->minimumSectionSize()));
    // The last column takes what the others leave, up to the list's edge.
    header->setStretchLastSection(true);

    // The selection stays highlighted when the list loses the keyboard focus.
    QPalette palette = list->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    list->setPalette(palette);
    // File names rarely need text shaping; skipping it where the script
    // allows halves the time a screenful of rows takes to paint.
    QFont font = list->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    list->setFont(font);
}

int ColumnWidth(const QTreeView* list, int column) {
    return list->header()->sectionSize(column);
}

void RestoreColumnWidth(QTreeView* list, int column, int width) {
    QHeaderView* header = list->header();
    // The last column takes what the others leave; 0 is a width never stored.
    if (column < 0 || column >= header->count() - 1)
        return;
    if (width >= header->minimumSectionSize() && width <= kWidestColumn)
        header->resizeSection(column, width);
}

void ShowResultRows(QTreeView* list, QAbstractItemModel* shown, const ResultModel* rows) {
    if (list->model() == shown)
        return;
    QHeaderView* header = list->header();
    QVector<int> widths;
    for (int column = 0; column < header->count(); ++column)
        widths.append(header->sectionSize(column));
    // A new model comes with a selection model of its own.
    QItemSelectionModel* oldSelection = list->selectionModel();
    for (FolderRowSpans* spans : list->findChildren<FolderRowSpans*>(Qt::FindDirectChildrenOnly))
        delete spans;
    list->setModel(shown);
    delete oldSelection;
    for (int column = 0; column < widths.size() && column < header->count(); ++column)
        header->resizeSection(column, widths.at(column));
    (new FolderRowSpans(list, shown, rows))->spanAll();
}
