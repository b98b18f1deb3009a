#include "ui/PageControl.h"

#include <QEvent>
#include <QTabBar>
#include <algorithm>

QSize PageControl::sizeHint() const {
    QSize hint = QTabWidget::sizeHint();
    hint.setHeight(std::max(kDesignedHeight, minimumSizeHint().height()));
    return hint;
}

bool PageControl::event(QEvent* event) {
    // A page asks for a new layout whenever a label on it changes its text,
    // as the scan's progress label does for every folder. The tab widget
    // answers each request by repainting itself with all its pages; when
    // neither the pages' sizes nor the tabs' have changed, there is nothing
    // to lay out again.
    if (event->type() == QEvent::LayoutRequest) {
        const QSize minimum = minimumSizeHint();
        const QSize hint = sizeHint();
        const QSize tabs = tabBar()->sizeHint();
        if (minimum == m_laidOutMinimum && hint == m_laidOutHint && tabs == m_laidOutTabs)
            return true;
        m_laidOutMinimum = minimum;
        m_laidOutHint = hint;
        m_laidOutTabs = tabs;
    }
    return QTabWidget::event(event);
}
