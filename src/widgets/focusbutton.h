#pragma once

#include <QPushButton>

// A push button that reports when the user moves the keyboard focus onto it, by mouse or by
// keyboard. The window getting back the focus it had does not count.
class FocusButton : public QPushButton {
    Q_OBJECT
public:
    FocusButton(QWidget* parent, const char* name, QRect geometry, const QString& caption);

signals:
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
};
