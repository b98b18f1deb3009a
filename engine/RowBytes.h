#pragma once

#include <QByteArray>
#include <array>

struct ResultRow;

// The four columns of a row as bytes: Existing Filename and Folder as the
// listing gave them (names need not be valid UTF-8), New Filename and Status
// as UTF-8.
std::array<QByteArray, 4> RowFieldBytes(const ResultRow& row);
