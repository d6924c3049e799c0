#include "widgets/pagecontrol.h"

#include "widgets/page.h"

#include "widgets/announcer.h"

#include <QPainter>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionFocusRect>
#include <QTabBar>

namespace {

// Flat buttons: raised while not chosen, pressed in while chosen, the chosen one's caption
// underlined while the row has the focus. Drawn here rather than through a style sheet, which
// the window would have to parse and match before its first frame.
class FlatTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    // Until now the tabs take no room: measuring their captions loads the fonts, which a
    // window that is not yet on the screen need not wait for.
    void measure() {
        if (m_measured)
            return;
        m_measured = true;
        setElideMode(elideMode()); // lays the tabs out again
        adjustSize();
    }

protected:
    // Around the caption: 9 px each side and 3 px above and below, a 1 px edge, and a gap of
    // 3 px to the next tab and 1 px above.
    static constexpr QMargins kPadding{9, 3, 9, 3};
    static constexpr QMargins kGap{0, 1, 3, 0};
    static constexpr int kMinCaptionHeight = 15;

    QSize tabSizeHint(int index) const override {
        if (!m_measured)
            return {};
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, tabText(index));
        const QSize caption(text.width(), qMax(text.height(), kMinCaptionHeight));
        return caption.grownBy(kPadding + QMargins(1, 1, 1, 1) + kGap);
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int i = 0; i < count(); ++i) {
            const QRect edge = tabRect(i) - kGap;
            const bool chosen = i == currentIndex();
            const QColor lit = palette().color(QPalette::Light);
            const QColor shade = palette().color(QPalette::Dark);
            painter.fillRect(edge, palette().color(chosen ? QPalette::Midlight : QPalette::Button));
            // The top and left edges overlap the others at the corners.
            painter.setPen(chosen ? lit : shade);
            painter.drawLine(edge.bottomLeft(), edge.bottomRight());
            painter.drawLine(edge.topRight(), edge.bottomRight());
            painter.setPen(chosen ? shade : lit);
            painter.drawLine(edge.topLeft(), edge.topRight());
            painter.drawLine(edge.topLeft(), edge.bottomLeft());
            QFont caption = font();
            caption.setUnderline(chosen && hasFocus());
            painter.setFont(caption);
            const QRect text = edge - QMargins(1, 1, 1, 1) - kPadding;
            style()->drawItemText(&painter, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                                  isTabEnabled(i), tabText(i), QPalette::WindowText);
            if (chosen && hasFocus()) {
                // The style's focus frame, where the style shows one (after a key moved the
                // focus), placed as the style places it on its own tabs.
                QStyleOptionFocusRect frame;
                frame.initFrom(this);
                const int offset = 1 + style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                frame.rect = QRect(text.left() + 1 + offset, text.top() + offset,
                                   text.width() - 2 - 2 * offset, text.height() - 2 * offset);
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
            }
        }
    }

private:
    bool m_measured = false;
};

} // namespace

PageControl::PageControl(QWidget* parent, const char* name, QRect geometry)
    : QWidget(parent), m_tabs(new FlatTabBar(this)), m_pages(new QStackedWidget(this)) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    m_tabs->setObjectName(QStringLiteral("PageControl1Tabs"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    // A click on a tab focuses the page control, as Tab does.
    m_tabs->setFocusPolicy(Qt::StrongFocus);
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
            Announcer::of(this)->announce(tr("%1 page").arg(m_tabs->tabText(index)));
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

void PageControl::addPage(Page* page, const QString& caption) {
    setPage(addTab(caption), page);
}

int PageControl::addTab(const QString& caption) {
    const int index = m_tabs->addTab(caption);
    m_tabs->setAccessibleName(m_tabs->tabText(m_tabs->currentIndex()));
    // Once the tabs are measured (setPage), a tab added later is measured with them.
    m_tabs->adjustSize();
    return index;
}

void PageControl::setPage(int index, Page* page) {
    m_pages->insertWidget(index, page);
    static_cast<FlatTabBar*>(m_tabs)->measure();
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

Page* PageControl::currentPage() const {
    return static_cast<Page*>(m_pages->currentWidget());
}

void PageControl::setCurrentPage(Page* page) {
    const int index = m_pages->indexOf(page);
    if (index >= 0)
        m_tabs->setCurrentIndex(index);
}
