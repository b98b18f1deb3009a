#include "engine/FolderBatches.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QSet>

#include <sys/stat.h>

#include <numeric>

#include "engine/ResultModel.h"

namespace {

// The batch of each row, counted from 0 in the order the folders first
// appear; nothing when a new name leaves its folder.
bool BatchOfEachRow(const ResultModel& model, const std::vector<int>& runRows,
                    std::vector<int>& batchOf, int& batches) {
    QHash<const RowFolder*, int> byRecord;
    QHash<QByteArray, int> byPath;
    const RowFolder* lastRecord = nullptr;
    int lastBatch = -1;
    batchOf.resize(runRows.size());
    for (std::size_t j = 0; j < runRows.size(); ++j) {
        const ResultRow& row = model.row(runRows[j]);
        if (row.newNameMayLeaveFolder())
            return false;
        // The rows of a folder mostly follow each other and share its record.
        const RowFolder* record = row.sharedFolder.data();
        if (lastBatch < 0 || record != lastRecord) {
            auto known = byRecord.constFind(record);
            if (known == byRecord.cend()) {
                const QByteArray path = row.folderOnDisk();
                auto same = byPath.constFind(path);
                const int batch = same != byPath.cend() ? *same : batches++;
                if (same == byPath.cend())
                    byPath.insert(path, batch);
                known = byRecord.insert(record, batch);
            }
            lastRecord = record;
            lastBatch = *known;
        }
        batchOf[j] = lastBatch;
    }
    return true;
}

}  // namespace

FolderBatches::FolderBatches(const ResultModel& model, const std::vector<int>& runRows)
    : m_rowCount(runRows.size()) {
    const int rows = static_cast<int>(runRows.size());
    std::vector<int> batchOf;
    int batches = 0;
    if (!BatchOfEachRow(model, runRows, batchOf, batches)) {
        joinInListOrder();
        return;
    }
    // Each batch's rows in list order: counted, then laid out batch after batch.
    m_starts.assign(static_cast<std::size_t>(batches) + 1, 0);
    for (const int batch : batchOf)
        ++m_starts[static_cast<std::size_t>(batch) + 1];
    std::partial_sum(m_starts.begin(), m_starts.end(), m_starts.begin());
    std::vector<int> next(m_starts.begin(), m_starts.end() - 1);
    m_order.resize(runRows.size());
    for (int j = 0; j < rows; ++j)
        m_order[static_cast<std::size_t>(next[static_cast<std::size_t>(batchOf[j])]++)] = j;
}

bool FolderBatches::foldersApartOnDisk(const ResultModel& model,
                                       const std::vector<int>& runRows) const {
    QSet<QPair<quint64, quint64>> seen;
    seen.reserve(count());
    for (int k = 0; k < count(); ++k) {
        const int first = batch(k).front();
        const QByteArray path = model.row(runRows[static_cast<std::size_t>(first)]).folderOnDisk();
        struct stat st {};
        // A folder that is not there has no rows to meet.
        if (path.contains('\0') || ::stat(path.constData(), &st) != 0)
            continue;
        const QPair<quint64, quint64> id{static_cast<quint64>(st.st_dev),
                                         static_cast<quint64>(st.st_ino)};
        if (seen.contains(id))
            return false;
        seen.insert(id);
    }
    return true;
}

void FolderBatches::joinInListOrder() {
    m_order.resize(m_rowCount);
    std::iota(m_order.begin(), m_order.end(), 0);
    m_starts = {0, static_cast<int>(m_rowCount)};
}
