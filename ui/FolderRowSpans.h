#pragma once

#include <QObject>

class QTreeView;
class ResultModel;

// Lets every folder row of the results list span the whole row, so that a
// long folder label shows whole. A scan brings its rows in thousands of
// inserts; their spans are set in one pass once the scan's rows are in,
// since setting a span lays the whole list out first.
class FolderRowSpans : public QObject {
    Q_OBJECT
public:
    FolderRowSpans(QTreeView* view, const ResultModel* rows);

private:
    void rowsInserted(int first);
    void applySpans();

    QTreeView* m_view;
    const ResultModel* m_rows;
    int m_firstPending = -1;
};
