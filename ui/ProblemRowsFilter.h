#pragma once

#include <QSortFilterProxyModel>
#include <QVector>

class ResultModel;

// The results list's rows under "Only problems": the file rows with a reason
// of the check, an execute error or a name that does not fit the existing
// filename scheme, each with the folder row above it. The rows shown are
// chosen anew by refresh(), not whenever a row changes, so that a row fixed
// by hand stays in view while the user goes on from it.
class ProblemRowsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    ProblemRowsFilter(ResultModel* rows, QObject* parent);

    // Chooses the rows to show from the rows as they are now.
    void refresh();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void choose();

    const ResultModel* m_rows;
    // Whether each row is shown, as refresh() found; rows added since are
    // looked at as they come.
    QVector<bool> m_shown;
};
