#pragma once

#include <QString>

// The size label's text: "%1 bytes" below 1 KB, else KB, MB, GB or TB with
// two decimals below 100 units (half up, exact) and whole units above.
QString SizeToText(qint64 size);
// x / 1024 as the number of a size text: whole when at least 100, else with
// exactly two decimals and the system locale's decimal separator.
QString SizeNumberText(qint64 x);
