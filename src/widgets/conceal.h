#pragma once

#include <Qt>

class QObject;
class QWidget;

// Controls that lie out of sight, covered by another or squeezed to no width, stay as far out of
// reach of a keyboard or screen-reader user as of the eye: off the Tab chain, and out of the
// accessibility tree. The window's own look and behaviour do not change.
namespace conceal {

void setConcealed(QWidget* control, bool concealed);
// The focus policy a control has while in sight; kept aside while it is concealed.
void setFocusPolicy(QWidget* control, Qt::FocusPolicy policy);
// Concealed, hidden, of no width or height, or inside such a control.
bool isOutOfSight(const QWidget* control);
// A container whose accessible children are only those in sight: the window as a frame, or a
// pane. Marked before anything asks for its accessible interface, in its constructor.
enum class Container { Window = 1, Pane };
void markContainer(QWidget* widget, Container role);
// Leaves controls out of sight out of the accessibility tree, and gives the window the frame
// role that screen readers expect of a top-level window. Installing it twice does nothing.
void installAccessibility();

} // namespace conceal
