#pragma once

#include <QString>
#include <QStringList>

// The lines of a text broken by CR, LF, CR LF or LF CR. The extension memo is
// stored with CR LF between its lines and read back through this.
QStringList SplitLines(const QString& text);

// The lines of a memo's text as a user counts them ("\n" between lines): a
// line break after the last line does not make an empty line, and an empty
// text holds no line at all. The extension lines of the window's memo and of
// the saved settings are read by this one rule.
QStringList MemoLines(const QString& text);
