#pragma once

#include "content/textmatch.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct Content;

// The text of every chapter and answer page of one edition, folded for matching once, so that
// a search while the learner types only scans it. The pages are added one by one, so that the
// window can build it in short turns after its first frame.
class GuideIndex {
public:
    enum class Kind { Chapter, Answer };

    // A page the index reads, in the order results are listed when they match alike.
    struct PageRef {
        Kind kind = Kind::Chapter;
        int number = 0;       // chapter number, or practice number
        QString relativePath; // as the page's view opens it ("fr/study/6.html")
        QString title;        // what the results call it
    };
    // The edition's 21 chapters, then its 197 answers.
    static QList<PageRef> pagesOf(const Content& content);

    // The text a page shows, from its HTML: one line per paragraph, heading, item or cell.
    static QString plainText(QStringView html);

    // A page whose file could not be read (`html` empty) is kept, with no text.
    void add(const PageRef& page, const std::optional<QString>& html);
    qsizetype size() const { return m_pages.size(); }

    struct Result {
        int page = 0;       // in the order added
        int occurrence = 0; // its place among the page's matches, from 0
        textmatch::Match match;
    };
    struct Found {
        QList<Result> listed; // whole words first, then parts of words; each in page order
        int total = 0;        // every match, listed or not
    };
    Found search(QStringView typed, int limit) const;

    const PageRef& page(int index) const { return m_pages[index].ref; }
    // The line of the page that holds the match, cut to about `width` characters around it
    // where it is longer, with an ellipsis where it was cut.
    QString context(const Result& result, int width = 90) const;

private:
    struct Indexed {
        PageRef ref;
        QString text;
        textmatch::Folded folded;
    };
    QList<Indexed> m_pages;
};
