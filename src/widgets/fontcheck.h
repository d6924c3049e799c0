#pragma once

#include <QString>

// The window's fixed layout is measured in Arial's widths. Where no face with those widths is
// installed, fontconfig hands out a wider one and captions are clipped: what to tell the user,
// else an empty string. Call it once the fonts are loaded, after the first screen is built.
QString missingLayoutFont();
