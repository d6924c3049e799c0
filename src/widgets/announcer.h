#pragma once

#include <QWidget>

// Has a screen reader speak a short text at once, wherever the keyboard focus is: a new
// question, a choice made by a key that moves no focus, a result. Orca passes over new text in
// labels and over controls that merely appear, but it speaks a notification each time one is
// shown; so the announcer is a notification, one pixel in size and drawing nothing, that is
// hidden and shown again with each text.
//
// Use:  Announcer::of(this)->announce(QStringLiteral("Question 2 of 10: ..."));
//
// Its roles (a notification inside a status bar, so that Orca does not say "notification"
// first) come from the accessibility factory of conceal::installAccessibility(), which the
// window installs once the application exists.
//
// - Announce last in a handler. Orca cuts short what it is saying for whatever comes next, a
//   change of focus included, so anything after the call may silence it.
// - Announce only what the user can see: nothing under a panel or on another page.
// - One announcement per key press: a second one in the same handler replaces the first
//   before Orca has read it.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // The announcer of the window that holds control, made on first use. Pages need not be
    // handed one: any of their controls leads to it.
    static Announcer* of(QWidget* control);

    // Runs of blanks and line breaks in text are read as one blank.
    void announce(const QString& text);

signals:
    // Each announcement as it is made; for tests.
    void announced(const QString& text);

private:
    explicit Announcer(QWidget* window);

    QWidget* m_notice;
};
