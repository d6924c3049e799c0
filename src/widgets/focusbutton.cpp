#include "widgets/focusbutton.h"

#include <QFocusEvent>

FocusButton::FocusButton(QWidget* parent, const char* name, QRect geometry, const QString& caption)
    : QPushButton(caption, parent) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAutoDefault(true); // Enter presses the focused button
}

void FocusButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit focusEntered();
}
