#include "widgets/answerkeys.h"

#include "content/questionbank.h"

#include <QKeyEvent>

namespace answerkeys {

int read(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return kSubmit;
    // A letter or a digit for each option: A to D and 1 to 4 for four.
    const int options = QuestionBank::kOptions;
    if (key >= Qt::Key_A && key < Qt::Key_A + options)
        return key - Qt::Key_A + 1;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + options)
        return key - Qt::Key_1 + 1;
    return 0;
}

} // namespace answerkeys
