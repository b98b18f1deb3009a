#include "ui/FramePacer.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

FramePacer::FramePacer(QWidget* widget, std::function<void()> apply)
    : m_widget(widget), m_apply(std::move(apply)) {
    m_frame = frameMilliseconds();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FramePacer::applyNow);
}

// A run that handles no events in between never lets the timer fire: a
// change a frame after the last one is applied at once, timer or not.
void FramePacer::changed() {
    const qint64 since = m_sinceApplied.isValid() ? m_sinceApplied.elapsed() : m_frame;
    if (since >= m_frame) {
        m_timer.stop();
        applyNow();
        return;
    }
    if (!m_timer.isActive())
        m_timer.start(static_cast<int>(m_frame - since));
}

void FramePacer::flush() {
    m_timer.stop();
    applyNow();
}

void FramePacer::applyNow() {
    m_apply();
    m_sinceApplied.start();
    m_frame = frameMilliseconds();
}

// The frame of the screen the control is on; 60 frames a second when the
// screen does not say.
int FramePacer::frameMilliseconds() const {
    const QScreen* screen = m_widget->screen();
    const qreal rate = screen != nullptr ? screen->refreshRate() : 0;
    if (!(rate >= 1))
        return 16;
    return std::max(1, static_cast<int>(std::lround(1000 / rate)));
}
