#include "widgets/listbox.h"

#include <QMouseEvent>

ListBox::ListBox(QWidget* parent, const char* name) : QListWidget(parent) {
    setObjectName(QLatin1String(name));
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_pressing)
            emit chosen();
    });
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // The press reports once, whether or not it moved the current item.
    m_pressing = true;
    QListWidget::mousePressEvent(event);
    m_pressing = false;
    if (itemAt(event->position().toPoint()))
        emit chosen();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & (Qt::RightButton | Qt::MiddleButton)) &&
        !(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}
