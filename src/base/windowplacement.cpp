#include "base/windowplacement.h"

#include <algorithm>

namespace {

int placeSpan(int wanted, int length, int first, int available) {
    const int last = first + available - length; // the last start that still fits
    return length > available ? first : std::clamp(wanted, first, last);
}

} // namespace

QPoint placeWindow(QSize frame, QPoint wanted, QRect available) {
    if (!available.isValid())
        return wanted;
    return {placeSpan(wanted.x(), frame.width(), available.left(), available.width()),
            placeSpan(wanted.y(), frame.height(), available.top(), available.height())};
}
