#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Matching that forgives what a learner does not type: case, accents ("metis" finds "Métis"),
// the ligatures of French ("soeur" finds "sœur"), curly apostrophes, and how many blanks or
// line breaks stand between two words. Both the page's text and the words looked for are
// folded the same way; every folded character remembers where it came from, so that a match
// is a range of the text as written.
namespace textmatch {

struct Folded {
    QString text;
    QList<int> from; // from[i]: where folded character i starts in the source; one more at the end
};

Folded fold(QStringView source);

struct Match {
    int start = 0;  // in the source
    int length = 0; // in the source
    bool wholeWord = false;
};

// The words looked for, folded once for all the texts they are looked for in.
class Query {
public:
    explicit Query(QStringView typed);
    bool isEmpty() const { return m_words.isEmpty(); }

    // Every match in the text, in the order of the text; none overlap.
    QList<Match> findIn(const Folded& text) const;
    // Calls found(match) for each match in the text's order; stops when it returns false.
    template <class Found> void forEachIn(const Folded& text, Found found) const;

private:
    // The end of the match that starts at `at` with the first word, or -1.
    qsizetype matchEnd(QStringView text, qsizetype at) const;

    QStringList m_words;
};

template <class Found> void Query::forEachIn(const Folded& text, Found found) const {
    if (m_words.isEmpty())
        return;
    const QStringView view(text.text);
    const QString& first = m_words.first();
    qsizetype at = view.indexOf(first);
    while (at >= 0) {
        const qsizetype end = matchEnd(view, at);
        if (end < 0) {
            at = view.indexOf(first, at + 1);
            continue;
        }
        const auto isWordChar = [&](qsizetype i) { return view[i].isLetterOrNumber(); };
        Match match;
        match.start = text.from[at];
        match.length = text.from[end] - match.start;
        match.wholeWord =
            (at == 0 || !isWordChar(at - 1)) && (end == view.size() || !isWordChar(end));
        if (!found(match))
            return;
        at = view.indexOf(first, end);
    }
}

} // namespace textmatch
