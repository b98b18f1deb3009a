#pragma once

#include <QSize>
#include <QTabWidget>

// The window's page control. It is as high as its tallest page needs, and
// never lower than the height the window is designed around, so that the
// results list below it keeps its place whichever page is shown; a larger
// font or a longer text makes it higher instead of cutting its controls.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int kDesignedHeight = 273;

    using QTabWidget::QTabWidget;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;

private:
    // The sizes the page control was last laid out for.
    QSize m_laidOutMinimum;
    QSize m_laidOutHint;
    QSize m_laidOutTabs;
};
