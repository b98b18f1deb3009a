#pragma once

#include <QByteArray>
#include <array>

struct ResultRow;

// The columns of a row as bytes: Existing Filename and Folder as the listing
// gave them (names need not be valid UTF-8), New Filename, Status and the
// check's reason (the fifth column of --check) as UTF-8.
std::array<QByteArray, 5> RowFieldBytes(const ResultRow& row);
