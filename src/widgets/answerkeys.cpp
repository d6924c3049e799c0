#include "widgets/answerkeys.h"

#include <QKeyEvent>

namespace answerkeys {

int read(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return kSubmit;
    if (key >= Qt::Key_A && key <= Qt::Key_D)
        return key - Qt::Key_A + 1;
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        return key - Qt::Key_1 + 1;
    return 0;
}

} // namespace answerkeys
