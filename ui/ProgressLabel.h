#pragma once

#include <QLabel>

// The label that shows the folder a scan is in. Its size does not follow its
// text, so that a long path never widens the window and showing one, folder
// after folder, lays nothing out again; a path too long for the label is
// drawn shortened in its middle, so that where it starts and the folder it
// ends in both show.
class ProgressLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
