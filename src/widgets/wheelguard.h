#pragma once

#include <initializer_list>

class QWidget;

// The mouse wheel acts on the control that holds the keyboard focus, as on the desktop the
// window was designed for: a wheel turned over a pick list or a number box on its way down the
// page must not change a chapter or the length of a test behind the user's back.
void wheelOnlyWhenFocused(std::initializer_list<QWidget*> controls);
// Page tabs there never turn with the wheel, focused or not.
void ignoreWheel(QWidget* control);
