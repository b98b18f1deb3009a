#include "ui/CompactButton.h"

#include <QStyle>
#include <QStyleOptionButton>

QSize CompactButton::sizeHint() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    // The frame and margins every style puts around a button's caption.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const int width = caption.width() + 2 * (frame + margin);
    return {std::min(width, QPushButton::sizeHint().width()), QPushButton::sizeHint().height()};
}

QSize CompactButton::minimumSizeHint() const {
    return sizeHint();
}
