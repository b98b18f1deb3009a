#pragma once

#include <QByteArray>
#include <QList>

#include "cli/ExitStatus.h"

// One run of norvane-cli over the arguments after the program name: build
// the folder list, scan it in full, process all rows, replace the texts
// asked for and, when asked, execute the rows, then write them to standard
// output; or, with --undo, undo the renames of a log. Messages go to
// standard error. Returns the exit status.
int RunCli(const QList<QByteArray>& arguments);
