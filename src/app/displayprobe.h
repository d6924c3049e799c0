#pragma once

#include <QString>

// Whether the window toolkit will find a display to open the window on. Qt aborts, leaving a
// core file, when the display it is given cannot be reached; this asks first.
// Returns why no display can be reached, or an empty string when one can, or when the window
// goes to a platform that needs none (offscreen, vnc and the like).
QString unreachableDisplay(int argc, char* argv[]);
