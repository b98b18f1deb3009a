#pragma once

#include <QLabel>
#include <optional>

#include "engine/RowSummary.h"

// The line under the results list that sums its rows up (LSummary). The
// counts that are problems are links: clicking one, or pressing Enter on it,
// asks for the next row it counts. The line's width does not follow its
// text, so that a long summary never widens the window; counts that do not
// fit give way to "…" at its end, and the whole line shows in the tool tip.
class SummaryLabel : public QLabel {
    Q_OBJECT
public:
    explicit SummaryLabel(QWidget* parent = nullptr);

    // Shows the summary; none leaves the line empty.
    void setSummary(const std::optional<RowSummary>& summary);
    // The whole line as plain text, counts that do not fit included.
    QString wholeText() const;

    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // A count of a problem was clicked: the summary part it shows.
    void partActivated(int part);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows as many counts as the line's width holds.
    void refit();
    // The line with the first `shown` counted parts; rich text with the
    // problems as links, or plain text as it reads.
    QString line(int shown, bool rich) const;

    std::optional<RowSummary> m_summary;
    QList<int> m_counted;
};
