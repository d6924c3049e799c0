#include "widgets/errorbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

void MessageErrorBox::show(const QString& text) {
    QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(QMessageBox::Critical, m_title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // The message quotes what the user typed or pasted; as rich text, "<img src=...>" would
    // read a file from disk.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Back to where the user was: the window is re-activated and focus restored.
    if (focused)
        focused->setFocus(Qt::ActiveWindowFocusReason);
}
