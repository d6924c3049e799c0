#include "widgets/listbox.h"

#include <QMouseEvent>

ListBox::ListBox(QWidget* parent, const char* name) : QListWidget(parent) {
    setObjectName(QLatin1String(name));
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit chosen();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit chosen();
}
