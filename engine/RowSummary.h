#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "engine/SummaryParts.h"

// What the rows of the results list hold, in the numbers the summary line
// shows: files, the folders that hold them, and the count of each part of
// kSummaryParts. Counted
// from the rows' outcomes, never from their Status texts, so that it reads
// the same in every language and norvane-cli can give the same summary.
struct RowSummary {
    int files = 0;
    int folders = 0;
    int parts[kSummaryPartCount] = {};

    // The summary as one line of text: "812 files in 64 folders: 790 rename
    // pending, 2 errors"; the parts with a count of 0 are left out, and so is
    // everything after the totals when no part counts a row.
    QString text() const;
    // The totals alone: "812 files in 64 folders".
    QString totalsText() const;
    // The parts that count a row, in their order.
    QList<int> countedParts() const;
    // One part with its count: "790 rename pending".
    QString partText(int part) const;
    // The line made of the totals and the counts' texts, in the user's
    // language: what text() gives for the texts of the counted parts.
    static QString compose(const QString& totals, const QStringList& counts);
};

// Counts the rows in one pass. A command counts once, at its end.
RowSummary CountRows(const QVector<ResultRow>& rows);

// Whether the row is a file row that a problem part of the summary counts:
// the rows a user should look at before (or after) an execute.
bool RowHasProblem(const ResultRow& row);

// The next file row after row `after` (or the first, for -1) that part
// `part` counts, going on from the top past the last row; -1 when none does.
int NextCountedRow(const QVector<ResultRow>& rows, int after, int part);
