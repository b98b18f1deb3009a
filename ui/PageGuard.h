#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QTabBar;
class QTabWidget;

// Lets a tab widget's page change be refused before it happens, so that a
// refused page is never shown. It sees the changes a user can make: a click
// on a tab, Left and Right on the tab bar, and Ctrl+Tab or Ctrl+Shift+Tab
// from inside the pages. The mouse wheel over the tab bar changes no page.
// A child of the tab widget, it goes with it; an owner that destroys the tab
// widget as part of a larger whole deletes the guard first, so that no event
// of that destruction reaches it.
class PageGuard : public QObject {
    Q_OBJECT
public:
    // canChange(from, to) returns false to refuse the change.
    PageGuard(QTabWidget* tabs, std::function<bool(int, int)> canChange);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int targetOfTabBarEvent(QEvent* event) const;
    int targetOfPageKey(QEvent* event) const;
    int neighbour(int step, bool wrap) const;

    QTabWidget* m_tabs;
    QPointer<QTabBar> m_bar;
    std::function<bool(int, int)> m_canChange;
};
