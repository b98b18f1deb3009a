#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The harnesses' inputs: fields separated by the byte 0xff, which no UTF-8
// text holds, so that a field may hold any character, NUL and line breaks
// included. Fields that are missing are empty.
inline QList<QByteArray> SplitFuzzFields(QByteArrayView input, qsizetype count) {
    QList<QByteArray> fields;
    qsizetype start = 0;
    while (fields.size() + 1 < count) {
        const qsizetype end = input.indexOf(char(0xff), start);
        if (end < 0)
            break;
        fields.append(input.sliced(start, end - start).toByteArray());
        start = end + 1;
    }
    fields.append(input.sliced(qMin(start, input.size())).toByteArray());
    while (fields.size() < count)
        fields.append(QByteArray());
    return fields;
}
