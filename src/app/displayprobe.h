#pragma once

#include <QString>

// Whether the window toolkit can find a display to open the window on: why it gave up, where
// that is for want of a display.
// Returns why no display can be reached, or an empty string when one can, or when the window
// goes to a platform that needs none (offscreen, vnc and the like).
QString unreachableDisplay(int argc, char* argv[]);
