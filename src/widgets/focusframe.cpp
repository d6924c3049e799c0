#include "widgets/focusframe.h"

#include <QPainter>
#include <QPen>

void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.save();
    QPen dotted(color);
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}
