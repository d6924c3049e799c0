#pragma once

#include <QListWidget>

// A list box that reports every choice the user makes: each mouse press on an item (plain,
// Shift or Ctrl, the current item included) and each keyboard move of the current item.
// QListWidget's own signals miss a second click on the item that is already current.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(QWidget* parent, const char* name);

signals:
    void chosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
