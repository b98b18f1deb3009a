#pragma once

#include <span>
#include <vector>

class ResultModel;

// The rows of a run, put by folder so that folders can be renamed at the
// same time: a batch is the rows of one folder, in their list order. Rows
// that name one folder by the same bytes are in one batch, whatever record
// of it they hold. Folders are apart only while every new name stays in its
// row's folder: a new name that leads into another folder may meet the rows
// of that folder there, so then all rows are one batch, in list order.
class FolderBatches {
public:
    // runRows: the rows of model the run renames, in list order. A batch
    // holds indices into runRows.
    FolderBatches(const ResultModel& model, const std::vector<int>& runRows);

    // Whether the batches' folders are apart on disk too: two paths that
    // reach one folder (through a link, or a second input folder) would
    // meet there on two threads. Asks the disk once a batch.
    bool foldersApartOnDisk(const ResultModel& model, const std::vector<int>& runRows) const;
    // Makes all the run's rows one batch, in list order.
    void joinInListOrder();

    int count() const { return static_cast<int>(m_starts.size()) - 1; }
    std::span<const int> batch(int k) const {
        return {m_order.data() + m_starts[k], m_order.data() + m_starts[k + 1]};
    }

private:
    std::size_t m_rowCount = 0;  // the run's rows
    std::vector<int> m_order;   // indices into the run's rows, batch after batch
    std::vector<int> m_starts;  // where each batch begins in m_order, and where the last ends
};
