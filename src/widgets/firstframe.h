#pragma once

#include <functional>

class QWidget;

// Runs work right after a window's first frame is on the screen: in the same turn of the event
// loop that painted it, so before the window handles any input. Should input reach the window
// before it is ever exposed, the work runs first, before that input. Call it before the window
// is first shown.
void afterFirstFrame(QWidget* window, std::function<void()> work);
