#pragma once

#include <QLabel>

#include "ui/FramePacer.h"

// The label that shows the folder a scan is in. Its size does not follow its
// text, so that a long path never widens the window and showing one, folder
// after folder, lays nothing out again; a path too long for the label is
// drawn shortened in its middle, so that where it starts and the folder it
// ends in both show.
//
// A scan gives it a text for every folder, far more often than the screen can
// show one: setProgressText() keeps the newest text, which progressText()
// gives back at once, and the label draws it at most once a frame.
// showProgressNow() draws the newest text at once (the end of a scan).
class ProgressLabel : public QLabel {
    Q_OBJECT
public:
    explicit ProgressLabel(QWidget* parent = nullptr);

    void setProgressText(const QString& text);
    const QString& progressText() const { return m_progressText; }
    void showProgressNow();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_progressText;
    FramePacer m_pacer;
};
