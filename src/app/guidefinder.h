#pragma once

#include "content/content.h"
#include "content/guideindex.h"

#include <QObject>

#include <functional>
#include <optional>

class FindBar;
class HtmlView;
class PageControl;
class SearchPanel;
class QWidget;

// Find in the page (Ctrl+F) and search the guide (Ctrl+Shift+F) for the window. The index of
// the guide is built once, in short turns after the first frame, from the pages as the views
// read them; a search before it is finished finishes it first. A result opens through the
// window, the way choosing its chapter or question would.
class GuideFinder : public QObject {
    Q_OBJECT
public:
    struct Services {
        // Reads a page as the views do; none where it cannot be read.
        std::function<std::optional<QString>(const QString& relativePath)> readPage;
        // Opens a chapter, or a practice question with its answer shown, through its page's
        // own selection, and returns the view that shows it.
        std::function<HtmlView*(int chapter)> openChapter;
        std::function<HtmlView*(int practice)> openAnswer;
    };

    GuideFinder(QWidget* window, PageControl* pages, const Content& content, Services services);

    void findInPage();
    void searchGuide(const QString& text = {});
    const GuideIndex& index();
    bool indexed() const { return m_next >= m_pages.size(); }

    FindBar* findBarOf(HtmlView* view);
    SearchPanel* searchPanel() const { return m_panel; }

private:
    void indexSome();
    void indexOne();
    void open(const GuideIndex::Result& result, const QString& typed);

    QWidget* m_window;
    PageControl* m_pageControl;
    Services m_services;
    QList<GuideIndex::PageRef> m_pages;
    qsizetype m_next = 0; // the next page to index
    GuideIndex m_index;
    SearchPanel* m_panel;
    bool m_opening = false; // a result is being opened: the page turns for it
};
