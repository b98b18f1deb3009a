#include "engine/ResultModel.h"

#include <QFile>

#include "shared/General/Texts.h"

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size())
        return {};
    const ResultRow& r = m_rows.at(index.row());
    if (role == Qt::ToolTipRole || role == Qt::DecorationRole)
        return notUtf8Data(r, index.column(), role);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
        case ExistingColumn:
            return r.existing.toString();
        case NewColumn:
            return r.newName.toString();
        case StatusColumn:
            return r.status;
        case FolderColumn:
            return r.folder();
        case CheckColumn:
            return r.check();
        default:
            return {};
    }
}

// A name or folder read in a legacy encoding is marked, and its tool tip says which.
QVariant ResultModel::notUtf8Data(const ResultRow& r, int column, int role) const {
    const bool marked =
        (column == ExistingColumn && r.nameNotUtf8) || (column == FolderColumn && r.folderNotUtf8());
    if (!marked)
        return {};
    if (role == Qt::DecorationRole)
        return m_notUtf8Mark;
    return Text(Texts::kTipNotUtf8).arg(LegacyEncodingName(r.legacyEncoding));
}

void ResultModel::setNotUtf8Mark(const QVariant& decoration) {
    m_notUtf8Mark = decoration;
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, ExistingColumn), index(size() - 1, FolderColumn),
                           {Qt::DecorationRole});
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case ExistingColumn:
            return Text(Texts::kColumnExisting);
        case NewColumn:
            return Text(Texts::kColumnNew);
        case StatusColumn:
            return Text(Texts::kColumnStatus);
        case FolderColumn:
            return Text(Texts::kColumnFolder);
        case CheckColumn:
            return Text(Texts::kColumnCheck);
        default:
            return {};
    }
}

void ResultModel::AddResultRow(const QString& caption, const QString& folder) {
    ResultRow r;
    // The caption's text, encoded, is its bytes.
    r.existing = caption;
    if (!folder.isEmpty())
        r.setFolder(folder, QFile::encodeName(folder));
    QVector<ResultRow> one;
    one.append(std::move(r));
    appendRows(std::move(one));
}

void ResultModel::appendRows(QVector<ResultRow>&& rows) {
    if (rows.isEmpty())
        return;
    const int first = size();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    if (m_rows.isEmpty())
        m_rows = std::move(rows);
    else
        m_rows.append(std::move(rows));
    endInsertRows();
}

void ResultModel::clear() {
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rows.squeeze();
    endResetModel();
}

void ResultModel::setProposal(int i, const QString& newName, const QString& status,
                              RowOutcome outcome) {
    ResultRow& r = m_rows[i];
    r.newName = newName;
    r.status = status;
    r.outcome = outcome;
    rowsChanged(i, i);
}

void ResultModel::setStatus(int i, const QString& status, RowOutcome outcome) {
    ResultRow& r = m_rows[i];
    r.status = status;
    r.outcome = outcome;
    rowsChanged(i, i);
}

void ResultModel::rowsChanged(int first, int last) {
    if (first > last || first < 0)
        return;
    Q_EMIT dataChanged(index(first, NewColumn), index(last, StatusColumn), {Qt::DisplayRole});
}

void ResultModel::checksChanged() {
    if (m_rows.isEmpty())
        return;
    Q_EMIT dataChanged(index(0, CheckColumn), index(size() - 1, CheckColumn), {Qt::DisplayRole});
}
