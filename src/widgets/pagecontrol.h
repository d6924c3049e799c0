#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

// A row of flat button-like tabs over frameless pages.
class PageControl : public QWidget {
    Q_OBJECT
public:
    PageControl(QWidget* parent, const char* name, QRect geometry);

    void addPage(QWidget* page, const QString& caption);
    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget* currentPage() const;
    QTabBar* tabBar() const { return m_tabs; }

    static constexpr QRect kPageRect{4, 27, 740, 391};

private:
    QTabBar* m_tabs;
    QStackedWidget* m_pages;
};
