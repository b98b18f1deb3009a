#pragma once

#include <QString>
#include <QVector>

#include "engine/RowOutcome.h"
#include "engine/check/CheckReason.h"
#include "engine/check/RowForecasts.h"

class ResultModel;
struct ResultRow;

// The check before execute. It walks the rows that have a New Filename in
// list order, as "Execute All" will, and foresees each one's outcome from the
// disk as it is and the renames the rows before it will make. It only reads
// the disk (listings and stat, once a folder); it never writes.

// The outcome "Execute All" will write into each row, one forecast a row.
RowForecasts ForecastExecute(const QVector<ResultRow>& rows);

// How many rows the check found a reason for.
struct CheckCounts {
    int proposals = 0;  // rows the check looked at
    int willFail = 0;
    int mayFail = 0;  // a warning: it depends on what the file system does
};

// Runs the check and writes each row's reason into its Check column: empty
// for rows that will be renamed, rows without a proposal, folder rows and
// rows that were renamed already. Tells the views once.
CheckCounts CheckRows(ResultModel& model);

// The counts of the reasons the rows hold now.
CheckCounts CountCheckReasons(const QVector<ResultRow>& rows);

// Whether a row is one "Only problems" shows: a file row with a reason of
// the check, an execute error, or a name that does not fit the existing
// filename scheme.
bool ShowsProblem(const ResultRow& row);
