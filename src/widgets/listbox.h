#pragma once

#include <QListWidget>

// A list box that reports every choice the user makes: each left press on an item (plain,
// Shift or Ctrl, the current item included) and every other change of the current item, by
// keyboard or by dragging the pointer over the list. QListWidget's own signals miss a second
// click on the item that is already current. Other buttons leave the list as it is.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(QWidget* parent, const char* name);

signals:
    void chosen();

protected:
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_pressing = false;
};
