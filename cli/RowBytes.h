#pragma once

#include <QByteArray>
#include <array>

struct ResultRow;

// The four columns of a row as bytes: Existing Filename and Folder as the
// listing gave them (names need not be valid UTF-8), New Filename and Status
// as UTF-8.
std::array<QByteArray, 4> RowFieldBytes(const ResultRow& row);

// The exact bytes of the name and of the folder; rows made without the
// listing's bytes have their texts encoded.
QByteArray ExistingBytes(const ResultRow& row);
QByteArray FolderBytes(const ResultRow& row);
