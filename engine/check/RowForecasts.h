#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include "engine/RowOutcome.h"
#include "engine/check/CheckReason.h"

// What the execute run will do with one row, and why a rename will fail.
struct RowForecast {
    RowOutcome outcome = RowOutcome::None;  // None for a row the run passes over
    CheckReason reason = CheckReason::None;
    QString text;  // the reason for the user; empty with no reason
};

// The forecasts of a list's rows, one a row. A list of a million rows is
// foreseen at every check, and most rows have no text: each keeps its
// outcome and reason in a few bytes, and the texts are kept apart for the
// rows that have one.
class RowForecasts {
public:
    explicit RowForecasts(qsizetype rows = 0) : m_rows(rows) {}

    qsizetype size() const { return m_rows.size(); }
    RowForecast at(qsizetype row) const;
    RowForecast operator[](qsizetype row) const { return at(row); }
    void set(qsizetype row, const RowForecast& forecast);

private:
    struct Kept {
        RowOutcome outcome = RowOutcome::None;
        CheckReason reason = CheckReason::None;
        qint32 text = -1;  // in m_texts; -1 for none
    };
    QVector<Kept> m_rows;
    QVector<QString> m_texts;
};
