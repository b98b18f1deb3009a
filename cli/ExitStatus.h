#pragma once

#include <QVector>

struct ResultRow;

// The exit statuses of norvane-cli.
inline constexpr int kExitOk = 0;
// --execute left a row with an "error: ..." status, or the run failed.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The status of a run that went to its end: failed when it renamed on disk
// (executed) and a row's file could not be renamed or put back.
int ExitStatusOf(const QVector<ResultRow>& rows, bool executed);
