#pragma once

#include <QString>
#include <QStringList>

// The lines of a text broken by CR, LF, CR LF or LF CR. The extension memo is
// stored with CR LF between its lines and read back through this.
QStringList SplitLines(const QString& text);
