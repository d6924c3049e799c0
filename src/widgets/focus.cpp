#include "widgets/focus.h"

#include <QApplication>
#include <QSignalBlocker>
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

void giveFocusBack(QWidget* from, QWidget* back) {
    const QWidget* focused = QApplication::focusWidget();
    if (!focused || !from->isAncestorOf(focused))
        return;
    if (back && back->isVisible() && back->isEnabled() && back->window() == from->window()) {
        const QSignalBlocker quiet(back);
        back->setFocus(Qt::OtherFocusReason);
    } else {
        from->window()->setFocus(Qt::OtherFocusReason);
    }
}
