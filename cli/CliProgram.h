#pragma once

#include <QByteArray>
#include <QList>

// The exit statuses of norvane-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // --execute left an "error: ..." row, or the run failed
inline constexpr int kExitUsage = 2;

// One run of norvane-cli over the arguments after the program name: build
// the folder list, scan it in full, process all rows, replace the texts
// asked for and, when asked, execute the rows, then write them to standard
// output. Messages go to standard error. Returns the exit status.
int RunCli(const QList<QByteArray>& arguments);
