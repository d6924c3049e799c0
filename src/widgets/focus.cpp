#include "widgets/focus.h"

#include <QApplication>
#include <QWidget>

void releaseFocusToWindow(QWidget* control) {
    QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == control || control->isAncestorOf(focused)))
        control->window()->setFocus(Qt::OtherFocusReason);
}

void hideControl(QWidget* control) {
    releaseFocusToWindow(control);
    control->hide();
}

void disableControl(QWidget* control) {
    releaseFocusToWindow(control);
    control->setEnabled(false);
}
