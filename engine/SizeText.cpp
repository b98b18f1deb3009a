#include "engine/SizeText.h"

#include <QLocale>

#include "shared/General/Texts.h"

QString SizeNumberText(qint64 x) {
    const qint64 whole = x / 1024;
    // Sizes are never negative; the lower bound only keeps the arithmetic below in range.
    if (whole > 99 || whole < -99)
        return QString::number(whole);
    // Hundredths of x / 1024, a half going up, in integers: binary floating
    // point would round 1.125 and its like either way.
    const bool negative = x < 0;
    const qint64 magnitude = negative ? -x : x;
    const qint64 hundredths = (magnitude * 100 + 512) / 1024;
    const qint64 fraction = hundredths % 100;
    QString text;
    if (negative)
        text += u'-';
    text += QString::number(hundredths / 100);
    text += QLocale::system().decimalPoint();
    if (fraction < 10)
        text += u'0';
    text += QString::number(fraction);
    return text;
}

QString SizeToText(qint64 size) {
    if (size < 1024)
        return Text(Texts::kSizeBytes).arg(size);
    const qint64 k = size >> 10;
    if (k >= 1'024'000'000)
        return Text(Texts::kSizeTB).arg(SizeNumberText(k / 1'048'576));
    if (k >= 1'024'000)
        return Text(Texts::kSizeGB).arg(SizeNumberText(k / 1024));
    if (k >= 1000)
        return Text(Texts::kSizeMB).arg(SizeNumberText(k));
    return Text(Texts::kSizeKB).arg(SizeNumberText(k * 1024));
}
