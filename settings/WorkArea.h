#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// The part of the desktop that windows may use: the primary screen's
// available geometry (the screen's virtual geometry when it reports none).
// Empty when there is no screen at all.
QRect GetWorkArea();

// Left and top that centre a window of that size over a visible owner, or
// over the work area, kept on the work area.
QPoint CenteredPosition(int width, int height, const QWidget* owner);
QPoint CenteredPosition(int width, int height, const QWidget* owner, const QRect& workArea);

// Keeps at least 30 pixels of a window on the work area and its title bar
// below the work area's top; with limitSize, also no larger than the work
// area. A window sticking out on the right or at the bottom stays where it is.
// An empty work area changes nothing.
void KeepOnWorkArea(int& left, int& top, int& width, int& height, bool limitSize);
void KeepOnWorkArea(int& left, int& top, int& width, int& height, bool limitSize,
                    const QRect& workArea);
