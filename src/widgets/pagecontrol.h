#pragma once

#include <QWidget>

class Page;
class QStackedWidget;
class QTabBar;

// A row of flat button-like tabs over frameless pages.
class PageControl : public QWidget {
    Q_OBJECT
public:
    PageControl(QWidget* parent, const char* name, QRect geometry);

    void addPage(Page* page, const QString& caption);
    // A tab whose page comes later: the caption shows at once, the page once setPage() gives
    // it. Pages must be given in the order of their tabs; the tabs are sized once the first
    // page is given.
    int addTab(const QString& caption);
    void setPage(int index, Page* page);
    int currentIndex() const;
    void setCurrentIndex(int index);
    Page* currentPage() const;
    void setCurrentPage(Page* page);
    QTabBar* tabBar() const { return m_tabs; }

    static constexpr QRect kPageRect{4, 27, 740, 391};

private:
    QTabBar* m_tabs;
    QStackedWidget* m_pages;
};
