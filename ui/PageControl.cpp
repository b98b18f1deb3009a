#include "ui/PageControl.h"

#include <algorithm>

QSize PageControl::sizeHint() const {
    QSize hint = QTabWidget::sizeHint();
    hint.setHeight(std::max(kDesignedHeight, minimumSizeHint().height()));
    return hint;
}
