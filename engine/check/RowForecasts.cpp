#include "engine/check/RowForecasts.h"

RowForecast RowForecasts::at(qsizetype row) const {
    const Kept& kept = m_rows.at(row);
    return {kept.outcome, kept.reason, kept.text >= 0 ? m_texts.at(kept.text) : QString()};
}

void RowForecasts::set(qsizetype row, const RowForecast& forecast) {
    Kept& kept = m_rows[row];
    kept.outcome = forecast.outcome;
    kept.reason = forecast.reason;
    // A row given a text again keeps the newest; the one before is not read again.
    kept.text = -1;
    if (!forecast.text.isEmpty()) {
        kept.text = static_cast<qint32>(m_texts.size());
        m_texts.append(forecast.text);
    }
}
