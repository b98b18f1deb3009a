#pragma once

#include <QVector>

class ChunkWriter;
struct ResultRow;

// The rows as a table for reading on a terminal: a header, then the columns
// padded to line up. Control characters are shown escaped (\t, \n, \r,
// \xHH, \u0080 to \u009f), so that no name can move the cursor or send the
// terminal a command; the names keep their exact bytes otherwise. With
// checkColumn, a fifth column "Check" holds the check's reasons.
void WriteTable(ChunkWriter& out, const QVector<ResultRow>& rows, bool checkColumn);
