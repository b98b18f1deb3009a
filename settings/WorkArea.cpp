#include "settings/WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace {

// Stored positions and sizes come from a file: do the sums in 64 bits so
// that no value, however far off, overflows.
int clampToInt(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// How much of a window stays on the work area at its left or bottom edge.
constexpr qint64 kVisibleMargin = 30;

}  // namespace

QRect GetWorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    const QRect available = screen->availableGeometry();
    return available.isEmpty() ? screen->virtualGeometry() : available;
}

QPoint CenteredPosition(int width, int height, const QWidget* owner) {
    return CenteredPosition(width, height, owner, GetWorkArea());
}

QPoint CenteredPosition(int width, int height, const QWidget* owner, const QRect& workArea) {
    const QRect base = owner && owner->isVisible() ? owner->window()->geometry() : workArea;
    // C++ division truncates towards zero, as the centring rule asks.
    int left = clampToInt(qint64(base.x()) + base.width() / 2 - width / 2);
    int top = clampToInt(qint64(base.y()) + base.height() / 2 - height / 2);
    KeepOnWorkArea(left, top, width, height, false, workArea);
    return QPoint(left, top);
}

void KeepOnWorkArea(int& left, int& top, int& width, int& height, bool limitSize) {
    KeepOnWorkArea(left, top, width, height, limitSize, GetWorkArea());
}

void KeepOnWorkArea(int& left, int& top, int& width, int& height, bool limitSize,
                    const QRect& workArea) {
    if (workArea.isEmpty())
        return;
    // Right and bottom are the first column and row outside the area.
    const qint64 areaLeft = workArea.x();
    const qint64 areaTop = workArea.y();
    const qint64 areaRight = areaLeft + workArea.width();
    const qint64 areaBottom = areaTop + workArea.height();
    if (limitSize) {
        width = std::min(width, workArea.width());
        height = std::min(height, workArea.height());
    }
    qint64 x = left;
    qint64 y = top;
    if (x > areaRight)
        x = areaRight - kVisibleMargin;
    if (x + width - kVisibleMargin < areaLeft)
        x = areaLeft - width + kVisibleMargin;
    if (y > areaBottom)
        y = areaBottom - kVisibleMargin;
    if (y < areaTop)
        y = areaTop;
    left = clampToInt(x);
    top = clampToInt(y);
}
