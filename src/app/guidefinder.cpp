#include "app/guidefinder.h"

#include "widgets/findbar.h"
#include "widgets/htmlview.h"
#include "widgets/page.h"
#include "widgets/pagecontrol.h"
#include "widgets/searchpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>

namespace {

// What one turn of the event loop gives to the index: well within a frame.
constexpr qint64 kIndexBudgetNs = 4'000'000;

} // namespace

GuideFinder::GuideFinder(QWidget* window, PageControl* pages, const Content& content,
                         Services services)
    : QObject(window), m_window(window), m_pageControl(pages), m_services(std::move(services)),
      m_pages(GuideIndex::pagesOf(content)) {
    m_panel = new SearchPanel(window, [this]() -> const GuideIndex& { return index(); });
    m_panel->setGeometry(QRect(pages->geometry().topLeft() + PageControl::kPageRect.topLeft(),
                               PageControl::kPageRect.size()));
    m_panel->ensurePolished(); // as showing the window polishes every control built before
    connect(m_panel, &SearchPanel::resultChosen, this, &GuideFinder::open);
    // The panel covers the page it was opened over; another page closes it.
    connect(pages->tabBar(), &QTabBar::currentChanged, this, [this] {
        if (!m_opening)
            m_panel->closePanel();
    });
    auto* find = new QShortcut(QKeySequence::Find, window);
    connect(find, &QShortcut::activated, this, &GuideFinder::findInPage);
    auto* search = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), window);
    connect(search, &QShortcut::activated, this, [this] { searchGuide(); });
    QTimer::singleShot(0, this, &GuideFinder::indexSome);
}

void GuideFinder::indexOne() {
    const GuideIndex::PageRef& page = m_pages[m_next++];
    m_index.add(page, m_services.readPage(page.relativePath));
}

void GuideFinder::indexSome() {
    QElapsedTimer clock;
    clock.start();
    while (!indexed() && clock.nsecsElapsed() < kIndexBudgetNs)
        indexOne();
    if (!indexed())
        QTimer::singleShot(0, this, &GuideFinder::indexSome);
}

const GuideIndex& GuideFinder::index() {
    while (!indexed())
        indexOne();
    return m_index;
}

FindBar* GuideFinder::findBarOf(HtmlView* view) {
    auto* bar =
        view->parentWidget()->findChild<FindBar*>(view->objectName() + QStringLiteral("Find"));
    if (bar)
        return bar;
    bar = new FindBar(view);
    connect(bar, &FindBar::guideSearchAsked, this, [this, bar](const QString& text) {
        // The search takes the bar's place; Escape there goes back to where the bar was opened.
        searchGuide(text);
        bar->closeBar();
    });
    return bar;
}

void GuideFinder::findInPage() {
    Page* page = m_pageControl->currentPage();
    HtmlView* view = page && !m_panel->isVisible() ? page->findView() : nullptr;
    // Where no page can be searched (a test, or an answer not shown yet), the whole guide is.
    if (!view) {
        searchGuide();
        return;
    }
    findBarOf(view)->open(QString(), 0, QApplication::focusWidget());
}

void GuideFinder::searchGuide(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    // From the find bar, the focus goes back to where the bar was opened from.
    if (auto* bar = focused ? qobject_cast<FindBar*>(focused->parentWidget()) : nullptr)
        focused = bar->returnTo();
    m_panel->open(text, focused);
}

void GuideFinder::open(const GuideIndex::Result& result, const QString& typed) {
    const GuideIndex::PageRef& page = m_index.page(result.page);
    QWidget* returnTo = m_panel->leave();
    m_opening = true;
    HtmlView* view = page.kind == GuideIndex::Kind::Chapter ? m_services.openChapter(page.number)
                                                            : m_services.openAnswer(page.number);
    m_opening = false;
    if (view && view->width() > 0)
        findBarOf(view)->open(typed, result.occurrence, returnTo);
}
