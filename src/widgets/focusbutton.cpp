#include "widgets/focusbutton.h"

#include <QFocusEvent>

namespace {

// Focus that leaves and comes back with the window or a popup, not by the user's move.
bool windowReason(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

FocusButton::FocusButton(QWidget* parent, const char* name, QRect geometry, const QString& caption)
    : QPushButton(caption, parent) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAutoDefault(true); // Enter presses the focused button
}

void FocusButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    const bool returned = windowReason(event->reason()) && m_keptThroughDeactivation;
    m_keptThroughDeactivation = false;
    if (!returned)
        emit focusEntered();
}

void FocusButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    m_keptThroughDeactivation = windowReason(event->reason());
}
