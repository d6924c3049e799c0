#include "widgets/listbox.h"

#include <QAccessible>
#include <QMouseEvent>

ListBox::ListBox(QWidget* parent, const char* name) : QListWidget(parent) {
    setObjectName(QLatin1String(name));
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_pressing)
            emit chosen();
    });
}

bool ListBox::viewportEvent(QEvent* event) {
    // Only the left button selects; the others, pressed or dragged, leave the list as it is.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButtons buttons = mouse->buttons() | mouse->button();
        if (buttons != Qt::NoButton && !(buttons & Qt::LeftButton)) {
            event->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QListWidget::viewportEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // The press reports once, whether or not it moved the current item.
    m_pressing = true;
    QListWidget::mousePressEvent(event);
    m_pressing = false;
    if (itemAt(event->position().toPoint()))
        emit chosen();
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // Qt tells a screen reader of the current item only when it changes, so on entering the
    // list the listener would hear its size but not where the arrows start from. Told after
    // the list's own focus news, which Qt sends once this returns.
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus() && currentRow() >= 0) {
                    QAccessibleEvent focus(this, QAccessible::Focus);
                    focus.setChild(currentRow());
                    QAccessible::updateAccessibility(&focus);
                }
            },
            Qt::QueuedConnection);
}
