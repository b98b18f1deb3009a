#pragma once

#include <QObject>

class QAbstractItemModel;
class QTreeView;
class ResultModel;

// Lets every folder row of the results list span the whole row, so that a
// long folder label shows whole. A scan brings its rows in thousands of
// inserts; their spans are set in one pass once the scan's rows are in,
// since setting a span lays the whole list out first.
class FolderRowSpans : public QObject {
    Q_OBJECT
public:
    // The view shows `shown`: the rows themselves, or a filter's rows.
    FolderRowSpans(QTreeView* view, const QAbstractItemModel* shown, const ResultModel* rows);

    // Sets the spans of every row shown, for a view just given its model.
    void spanAll();

private:
    void rowsInserted(int first);
    void applySpans();

    QTreeView* m_view;
    const QAbstractItemModel* m_shown;
    const ResultModel* m_rows;
    int m_firstPending = -1;
};
