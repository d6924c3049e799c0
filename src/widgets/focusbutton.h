#pragma once

#include <QPushButton>

// A push button that reports when the user moves the keyboard focus onto it, by mouse or by
// keyboard. The window getting back the focus the button already had (after another window or
// a message box was active) does not count; a press made while the window was inactive does,
// although Qt delivers that focus only when the window is activated.
class FocusButton : public QPushButton {
    Q_OBJECT
public:
    FocusButton(QWidget* parent, const char* name, QRect geometry, const QString& caption);

signals:
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_keptThroughDeactivation = false;
};
