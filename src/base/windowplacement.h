#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of fixed size opens: at its wanted place when it lies wholly on the available
// screen area there, otherwise moved the least that makes it do so. A window larger than the
// area (a small screen, or a scale factor) keeps its top-left corner, and so its title bar, on
// the area: a window that cannot be reached cannot be moved back or closed.
QPoint placeWindow(QSize frame, QPoint wanted, QRect available);
