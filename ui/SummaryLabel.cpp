#include "ui/SummaryLabel.h"

#include <QEvent>

namespace {

const QString kMore = QStringLiteral(" \u2026");

}  // namespace

SummaryLabel::SummaryLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setContentsMargins(6, 2, 6, 2);
    connect(this, &QLabel::linkActivated, this, [this](const QString& link) {
        bool isPart = false;
        const int part = link.toInt(&isPart);
        if (isPart && part >= 0 && part < kSummaryPartCount)
            Q_EMIT partActivated(part);
    });
}

void SummaryLabel::setSummary(const std::optional<RowSummary>& summary) {
    m_summary = summary;
    m_counted = summary ? summary->countedParts() : QList<int>();
    refit();
}

QString SummaryLabel::wholeText() const {
    return m_summary ? line(static_cast<int>(m_counted.size()), false) : QString();
}

QSize SummaryLabel::minimumSizeHint() const {
    // One line high even while it is empty, so that the list above keeps its height.
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

void SummaryLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refit();
}

void SummaryLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        refit();
}

QString SummaryLabel::line(int shown, bool rich) const {
    auto written = [rich](const QString& text) { return rich ? text.toHtmlEscaped() : text; };
    QStringList counts;
    for (int i = 0; i < shown; ++i) {
        const int part = m_counted.at(i);
        const QString text = written(m_summary->partText(part));
        if (rich && kSummaryParts[part].problem)
            counts.append(QStringLiteral("<a href=\"%1\">%2</a>").arg(part).arg(text));
        else
            counts.append(text);
    }
    QString whole = RowSummary::compose(written(m_summary->totalsText()), counts);
    if (shown < m_counted.size())
        whole += kMore;
    return whole;
}

void SummaryLabel::refit() {
    if (!m_summary) {
        setText(QString());
        setToolTip(QString());
        return;
    }
    const int room = contentsRect().width() - 2 * margin();
    const QFontMetrics metrics = fontMetrics();
    int shown = static_cast<int>(m_counted.size());
    while (shown > 0 && metrics.horizontalAdvance(line(shown, false)) > room)
        --shown;
    bool anyLink = false;
    for (int i = 0; i < shown; ++i)
        anyLink = anyLink || kSummaryParts[m_counted.at(i)].problem;
    if (shown < m_counted.size())
        setToolTip(wholeText());
    else
        setToolTip(anyLink ? Text(Texts::kTipSummary) : QString());
    // Even the totals alone may not fit a very narrow window: they are cut
    // with "…" rather than drawn over the edge.
    if (shown == 0 && metrics.horizontalAdvance(line(0, false)) > room) {
        setText(
            metrics.elidedText(line(0, false), Qt::ElideRight, std::max(room, 0)).toHtmlEscaped());
        setToolTip(wholeText());
        return;
    }
    setText(line(shown, true));
}
