#pragma once

class QColor;
class QPainter;
class QRect;

// The dotted rectangle that marks the control holding the keyboard focus, one pixel wide, in
// the given colour (the control's text colour), as the chapter selector draws it around its
// chosen title. A control that takes the focus and shows nothing leaves a keyboard user lost.
void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& color);
