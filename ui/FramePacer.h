#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

// Brings a control's newest state to the screen at most once a frame. A scan
// or a run changes the progress controls far more often than the screen can
// show (once a folder, once a row); each change that is applied repaints the
// control, and often what lies behind it. changed() applies the newest state
// at once when a frame's time has passed since the last one, and otherwise
// once that time is up; flush() applies it now.
class FramePacer : public QObject {
    Q_OBJECT
public:
    FramePacer(QWidget* widget, std::function<void()> apply);

    void changed();
    void flush();

private:
    void applyNow();
    int frameMilliseconds() const;

    QWidget* m_widget;
    std::function<void()> m_apply;
    QElapsedTimer m_sinceApplied;
    int m_frame = 16;
    QTimer m_timer;
};
