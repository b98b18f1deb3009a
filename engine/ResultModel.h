#pragma once

#include <QAbstractTableModel>
#include <QVector>

#include "engine/ResultRow.h"

// The program's working table: the rows the scans found and the proposals and
// statuses the runs and commands wrote. The results view shows it directly.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ExistingColumn = 0,
        NewColumn,
        StatusColumn,
        FolderColumn,
        CheckColumn,
        ColumnCount
    };

    explicit ResultModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int size() const { return static_cast<int>(m_rows.size()); }
    const ResultRow& row(int i) const { return m_rows.at(i); }
    const QVector<ResultRow>& rows() const { return m_rows; }

    // Appends a row with empty New Filename and Status. The bytes on disk are
    // the encoded texts; the scan uses appendRows to keep the listing's bytes.
    void AddResultRow(const QString& caption, const QString& folder);
    // Appends many rows with one insert notification.
    void appendRows(QVector<ResultRow>&& rows);
    void clear();

    // Sets one row's New Filename, Status and outcome and tells the views.
    void setProposal(int i, const QString& newName, const QString& status, RowOutcome outcome);
    void setStatus(int i, const QString& status, RowOutcome outcome);

    // Batch editing for runs over many rows: change rows through mutableRow,
    // then announce the touched range once with rowsChanged.
    ResultRow& mutableRow(int i) { return m_rows[i]; }
    void rowsChanged(int first, int last);
    // The check wrote every row's Check column.
    void checksChanged();

    // What the view shows beside a name or folder that is not UTF-8 (the
    // window's icon); the tool tip of such a cell names the encoding it was
    // read in.
    void setNotUtf8Mark(const QVariant& decoration);

private:
    QVariant notUtf8Data(const ResultRow& row, int column, int role) const;

    QVector<ResultRow> m_rows;
    QVariant m_notUtf8Mark;
};
