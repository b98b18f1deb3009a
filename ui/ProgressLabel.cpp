#include "ui/ProgressLabel.h"

#include <QPainter>
#include <QStyle>

ProgressLabel::ProgressLabel(QWidget* parent)
    : QLabel(parent), m_pacer(this, [this] {
          if (text() != m_progressText)
              setText(m_progressText);
      }) {}

void ProgressLabel::setProgressText(const QString& text) {
    m_progressText = text;
    m_pacer.changed();
}

void ProgressLabel::showProgressNow() {
    m_pacer.flush();
}

QSize ProgressLabel::sizeHint() const {
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right() + 2 * margin(),
            fontMetrics().height() + margins.top() + margins.bottom() + 2 * margin()};
}

QSize ProgressLabel::minimumSizeHint() const {
    return sizeHint();
}

void ProgressLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect room =
        contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const QFontMetrics metrics = fontMetrics();
    // The scan shows a text for every folder: one that fits is drawn as it
    // is, along one line, which costs least.
    QString shown = text();
    int width = metrics.horizontalAdvance(shown);
    if (width > room.width()) {
        shown = metrics.elidedText(shown, Qt::ElideMiddle, room.width());
        width = metrics.horizontalAdvance(shown);
    }
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const int x = isRightToLeft() ? room.right() + 1 - width : room.left();
    const int baseline = room.top() + (room.height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPoint(x, baseline), shown);
}
