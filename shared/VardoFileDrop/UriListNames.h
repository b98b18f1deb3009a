#pragma once

#include <QByteArray>
#include <QStringList>

// The names of a dropped file list (text/uri-list): one a line, in the order
// given; a local file becomes its path, any other URL stays as written; empty
// lines and "#" comment lines are skipped. The walk stops when the budget
// runs out: the budget counts every byte walked, each line with its line end,
// and is tested before each line only, so the line during which it runs out
// is still read whole. The walk never reads past the end of the block; a last
// line without a line end still counts.
QStringList UriListToStrings(const QByteArray& block, qsizetype budget);
