#pragma once

class QWidget;

// Before a control is hidden or disabled: if it holds the keyboard focus, the focus goes to
// the window itself. Qt would pass it on to the next control, and on the start button that
// would draw a question nobody asked for.
void releaseFocusToWindow(QWidget* control);
void hideControl(QWidget* control);
void disableControl(QWidget* control);
// When the focus is within a panel about to close (`from`), it goes back to `back`, without
// that control's own entry signals, or else to the window.
void giveFocusBack(QWidget* from, QWidget* back);
