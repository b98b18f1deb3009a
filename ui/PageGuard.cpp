#include "ui/PageGuard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

PageGuard::PageGuard(QTabWidget* tabs, std::function<bool(int, int)> canChange)
    : QObject(tabs), m_tabs(tabs), m_canChange(std::move(canChange)) {
    m_tabs->installEventFilter(this);
    m_tabs->tabBar()->installEventFilter(this);
}

int PageGuard::neighbour(int step, bool wrap) const {
    const int count = m_tabs->count();
    int i = m_tabs->currentIndex();
    for (int n = 0; n < count; ++n) {
        i += step;
        if (i < 0 || i >= count) {
            if (!wrap)
                return -1;
            i = (i + count) % count;
        }
        if (m_tabs->isTabEnabled(i))
            return i;
    }
    return -1;
}

int PageGuard::targetOfTabBarEvent(QEvent* event) const {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return -1;
            return m_tabs->tabBar()->tabAt(mouse->position().toPoint());
        }
        case QEvent::Wheel: {
            auto* wheel = static_cast<QWheelEvent*>(event);
            const int delta = wheel->angleDelta().y() != 0 ? wheel->angleDelta().y()
                                                           : wheel->angleDelta().x();
            return delta == 0 ? -1 : neighbour(delta > 0 ? -1 : 1, false);
        }
        case QEvent::KeyPress: {
            switch (static_cast<QKeyEvent*>(event)->key()) {
                case Qt::Key_Left:
                case Qt::Key_Up:
                    return neighbour(-1, false);
                case Qt::Key_Right:
                case Qt::Key_Down:
                    return neighbour(1, false);
                default:
                    return targetOfPageKey(event);
            }
        }
        default:
            return -1;
    }
}

int PageGuard::targetOfPageKey(QEvent* event) const {
    if (event->type() != QEvent::KeyPress)
        return -1;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier))
        return -1;
    switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_PageDown:
            return neighbour(1, true);
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
            return neighbour(-1, true);
        default:
            return -1;
    }
}

bool PageGuard::eventFilter(QObject* watched, QEvent* event) {
    int target = -1;
    if (watched == m_tabs->tabBar())
        target = targetOfTabBarEvent(event);
    else if (watched == m_tabs)
        target = targetOfPageKey(event);
    const int current = m_tabs->currentIndex();
    if (target < 0 || target == current)
        return false;
    if (m_canChange(current, target))
        return false;
    event->accept();
    return true;
}
