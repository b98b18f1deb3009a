#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <stdexcept>

#include "engine/ResultRow.h"

// A log that cannot be read: the line it fails at (from 1) and why.
class RenameLogError : public std::runtime_error {
public:
    RenameLogError(int line, const QString& reason)
        : std::runtime_error(reason.toStdString()), m_line(line), m_reason(reason) {}

    int line() const { return m_line; }
    const QString& reason() const { return m_reason; }

private:
    int m_line;
    QString m_reason;
};

// Reads a log of the results list, as norvane-cli --undo does, and returns
// the rows it says were renamed, in the order of the log, with the exact
// bytes of their names and folders. A log is one of:
// - a saved text log: a header line, then five tab-separated fields a row,
//   the last the outcome word;
// - norvane-cli -f tsv: four fields a row, no header; a row was renamed when
//   its Status is "renamed" in any of the program's languages;
// - norvane-cli -f json: an array of objects with the keys "existing",
//   "new", "status", "outcome" and "folder", and "existing_bytes" and
//   "folder_bytes" (base64) for names that are not valid UTF-8.
// The whole log is read before anything is returned: a log with a fault
// anywhere throws RenameLogError, and nothing of it is used.
QVector<ResultRow> ReadRenameLog(const QByteArray& log);
