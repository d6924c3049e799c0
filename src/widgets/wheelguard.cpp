#include "widgets/wheelguard.h"

#include <QEvent>
#include <QWidget>

namespace {

class WheelGuard : public QObject {
public:
    WheelGuard(QWidget* control, bool whenFocused) : QObject(control), m_whenFocused(whenFocused) {
        control->installEventFilter(this);
        // A wheel turned over a control with the wheel policy would first give it the focus,
        // before any filter sees the turn; clicks and Tab still do.
        if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel)
            return false;
        // An editable box holds the focus itself; its line edit is only its proxy.
        if (m_whenFocused && static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }

private:
    bool m_whenFocused;
};

} // namespace

void wheelOnlyWhenFocused(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls)
        new WheelGuard(control, true);
}

void ignoreWheel(QWidget* control) {
    new WheelGuard(control, false);
}
