#include "engine/RowSummary.h"

RowSummary CountRows(const QVector<ResultRow>& rows) {
    RowSummary summary;
    // A folder counts once it holds a file: the heading of a folder whose
    // files all lie in its subfolders holds none.
    bool folderCounted = true;
    for (const ResultRow& row : rows) {
        if (row.isFolderRow()) {
            folderCounted = false;
            continue;
        }
        ++summary.files;
        if (!folderCounted) {
            ++summary.folders;
            folderCounted = true;
        }
        for (int part = 0; part < kSummaryPartCount; ++part) {
            if (kSummaryParts[part].counts(row))
                ++summary.parts[part];
        }
    }
    return summary;
}

QString RowSummary::totalsText() const {
    return Text(Texts::kSummaryFiles, files).arg(Text(Texts::kSummaryInFolders, folders));
}

QString RowSummary::partText(int part) const {
    return Text(kSummaryParts[part].text, parts[part]);
}

QList<int> RowSummary::countedParts() const {
    QList<int> counted;
    for (int part = 0; part < kSummaryPartCount; ++part) {
        if (parts[part] > 0)
            counted.append(part);
    }
    return counted;
}

QString RowSummary::compose(const QString& totals, const QStringList& counts) {
    if (counts.isEmpty())
        return totals;
    return Text(Texts::kSummaryWithCounts).arg(totals, counts.join(Text(Texts::kSummarySeparator)));
}

QString RowSummary::text() const {
    QStringList counts;
    for (int part : countedParts())
        counts.append(partText(part));
    return compose(totalsText(), counts);
}

bool RowHasProblem(const ResultRow& row) {
    if (row.isFolderRow())
        return false;
    for (const SummaryPart& part : kSummaryParts) {
        if (part.problem && part.counts(row))
            return true;
    }
    return false;
}

int NextCountedRow(const QVector<ResultRow>& rows, int after, int part) {
    const int size = static_cast<int>(rows.size());
    if (part < 0 || part >= kSummaryPartCount || size == 0)
        return -1;
    const auto counts = kSummaryParts[part].counts;
    const int start = after < 0 || after >= size ? 0 : after + 1;
    for (int step = 0; step < size; ++step) {
        const int row = (start + step) % size;
        if (rows.at(row).isFileRow() && counts(rows.at(row)))
            return row;
    }
    return -1;
}
