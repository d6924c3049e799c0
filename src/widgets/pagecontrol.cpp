#include "widgets/pagecontrol.h"

#include "widgets/announcer.h"

#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>

PageControl::PageControl(QWidget* parent, const char* name, QRect geometry)
    : QWidget(parent), m_tabs(new QTabBar(this)), m_pages(new QStackedWidget(this)) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    m_tabs->setObjectName(QStringLiteral("PageControl1Tabs"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    // A click on a tab focuses the page control, as Tab does.
    m_tabs->setFocusPolicy(Qt::StrongFocus);
    // Flat buttons: raised while not chosen, pressed in while chosen.
    m_tabs->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: palette(button); border: 1px solid;"
        " border-color: palette(light) palette(dark) palette(dark) palette(light);"
        " padding: 3px 9px; margin: 1px 3px 0px 0px; min-height: 15px; }"
        "QTabBar::tab:selected { border-color: palette(dark) palette(light) palette(light)"
        " palette(dark); background: palette(midlight); }"
        "QTabBar::tab:focus { text-decoration: underline; }"));
    m_tabs->move(0, 0);
    m_pages->setGeometry(kPageRect);
    setFocusProxy(m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        // Switching pages changes nothing else. Left in the outgoing page, the focus would move
        // to the incoming page's last focused control, and on the start button that draws a
        // question; it stays with the page control instead.
        const QWidget* focused = window()->focusWidget();
        if (focused && m_pages->isAncestorOf(focused))
            m_tabs->setFocus(Qt::OtherFocusReason);
        m_pages->setCurrentIndex(index);
        m_tabs->setAccessibleName(m_tabs->tabText(index));
        // Where the focus is on no control (during a test), a screen reader is told of the
        // new page by nothing else.
        if (isVisible() && !m_tabs->hasFocus())
            Announcer::of(this)->announce(m_tabs->tabText(index) + QStringLiteral(" page"));
    });
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere in the window.
    const auto step = [this](int by) {
        if (m_tabs->count() > 0)
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + m_tabs->count()) %
                                    m_tabs->count());
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, [step] { step(1); });
    // X sends Ctrl+Shift+Tab as Backtab with Ctrl and Shift, which Qt's shortcuts match
    // against Ctrl+Shift+Tab only (a Backtab sequence never fires).
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    previous->setContext(Qt::WindowShortcut);
    connect(previous, &QShortcut::activated, this, [step] { step(-1); });
}

void PageControl::addPage(QWidget* page, const QString& caption) {
    setPage(addTab(caption), page);
}

int PageControl::addTab(const QString& caption) {
    const int index = m_tabs->addTab(caption);
    m_tabs->setAccessibleName(m_tabs->tabText(m_tabs->currentIndex()));
    m_tabs->adjustSize();
    return index;
}

void PageControl::setPage(int index, QWidget* page) {
    m_pages->insertWidget(index, page);
    // Placed now, not at the next layout pass: a page given while the window is shown is
    // complete before any input reaches it.
    page->setGeometry(m_pages->rect());
}

int PageControl::currentIndex() const {
    return m_tabs->currentIndex();
}

void PageControl::setCurrentIndex(int index) {
    m_tabs->setCurrentIndex(index);
}

QWidget* PageControl::currentPage() const {
    return m_pages->currentWidget();
}
