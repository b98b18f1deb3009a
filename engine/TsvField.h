#pragma once

#include <QByteArray>
#include <optional>

// One field of a tab-separated log (norvane-cli -f tsv, a saved text log):
// tab, line feed and carriage return would split a record or a field, so
// they are written as \t, \n and \r, and a backslash as \\, which makes the
// escapes undoable without doubt. Every other byte stays as it is, so names
// that are not valid UTF-8 keep their exact bytes.
QByteArray TsvField(const QByteArray& bytes);

// The bytes a field stands for; nothing when a backslash is followed by
// anything but t, n, r or a backslash, or ends the field.
std::optional<QByteArray> UnescapeTsvField(const QByteArray& field);
