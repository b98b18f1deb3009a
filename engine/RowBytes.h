#pragma once

#include <QByteArray>
#include <array>

struct ResultRow;

// The columns of a row as the table shows them, all UTF-8: Existing
// Filename and Folder as the listing gave them when they are UTF-8 (names
// need not be, and the bytes are what they are), else as they were read in
// the legacy encoding; New Filename, Status and the check's reason (the
// fifth column of --check) as UTF-8.
std::array<QByteArray, 5> RowFieldBytes(const ResultRow& row);
