#include "ui/PageGuard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

PageGuard::PageGuard(QTabWidget* tabs, std::function<bool(int, int)> canChange)
    : QObject(tabs), m_tabs(tabs), m_bar(tabs->tabBar()), m_canChange(std::move(canChange)) {
    m_tabs->installEventFilter(this);
    m_bar->installEventFilter(this);
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
            return m_bar->tabAt(mouse->position().toPoint());
        }
        case QEvent::KeyPress: {
            // The tab bar moves with Left and Right, swapped right to left.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Left && key != Qt::Key_Right)
                return targetOfPageKey(event);
            const bool back = key == (m_tabs->isRightToLeft() ? Qt::Key_Right : Qt::Key_Left);
            return neighbour(back ? -1 : 1, false);
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
    if (key->key() == Qt::Key_Backtab ||
        (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
        return neighbour(-1, true);
    if (key->key() == Qt::Key_Tab)
        return neighbour(1, true);
    return -1;
}

bool PageGuard::eventFilter(QObject* watched, QEvent* event) {
    // Only these change pages. Any other event may come while the tab widget
    // is being destroyed, when it must not be asked anything.
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            break;
        default:
            return false;
    }
    const bool onBar = m_bar && watched == m_bar;
    // The wheel never turns the pages: a guard could not tell which notch
    // would, and the tabs are two clicks away.
    if (onBar && event->type() == QEvent::Wheel) {
        event->accept();
        return true;
    }
    int target = -1;
    if (onBar)
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
