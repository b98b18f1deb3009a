#include "ui/ResultsView.h"

#include <QHeaderView>
#include <QTreeView>
#include <iterator>

#include "engine/ResultModel.h"
#include "ui/FolderRowSpans.h"
#include "ui/ResultsItemDelegate.h"

namespace {

// The width each column starts with, in column order: a new column needs its
// width here (its stored width in the settings follows from the count).
constexpr int kColumnWidths[] = {300, 300, 100, 100};
static_assert(std::size(kColumnWidths) == ResultModel::ColumnCount,
              "every column of the results list has its start width");
// Wider than any screen: a stored width beyond it is no width.
constexpr int kWidestColumn = 20000;

}  // namespace

void SetUpResultsView(QTreeView* list, ResultModel* rows) {
    list->setModel(rows);
    list->setItemDelegate(new ResultsItemDelegate(rows, list));
    new FolderRowSpans(list, rows);

    QHeaderView* header = list->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < ResultModel::ColumnCount; ++column)
        header->resizeSection(column, kColumnWidths[column]);
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
