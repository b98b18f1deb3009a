#pragma once

#include <QPushButton>

// A push button as wide as its caption needs. Styles give dialog buttons a
// minimum width that would push the small "Default" and "Go!" buttons past
// the controls they stand beside.
class CompactButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
