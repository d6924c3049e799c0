#include "content/textmatch.h"

namespace textmatch {

namespace {

// The letter a character is written on: é on e, Ç on C. Canonical decompositions only, so that
// signs such as ½ or ª stay as they are.
QChar baseLetter(QChar c) {
    while (c.decompositionTag() == QChar::Canonical) {
        const QString parts = c.decomposition();
        if (parts.isEmpty() || parts.front() == c)
            break;
        c = parts.front();
    }
    return c;
}

void append(Folded& folded, QStringView text, int from) {
    for (const QChar c : text) {
        folded.text.append(c);
        folded.from.append(from);
    }
}

} // namespace

Folded fold(QStringView source) {
    Folded folded;
    folded.text.reserve(source.size());
    folded.from.reserve(source.size() + 1);
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const int at = int(i);
        if (c.unicode() < 0x80) {
            folded.text.append(c.isSpace() ? QChar(u' ') : c.toLower());
            folded.from.append(at);
            continue;
        }
        switch (c.unicode()) {
        case 0x0152: // Œ
        case 0x0153: // œ
            append(folded, u"oe", at);
            continue;
        case 0x00C6: // Æ
        case 0x00E6: // æ
            append(folded, u"ae", at);
            continue;
        case 0x00DF: // ß
            append(folded, u"ss", at);
            continue;
        case 0x2018: // ‘
        case 0x2019: // ’
        case 0x02BC: // ʼ
            append(folded, u"'", at);
            continue;
        default:
            break;
        }
        if (c.isSpace()) {
            append(folded, u" ", at);
            continue;
        }
        // Accents typed apart from their letter add nothing to match.
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const QChar base = baseLetter(c).toCaseFolded();
        append(folded, QStringView(&base, 1), at);
    }
    folded.from.append(int(source.size()));
    return folded;
}

Query::Query(QStringView typed) {
    const Folded folded = fold(typed);
    for (const QStringView word : QStringView(folded.text).split(u' ', Qt::SkipEmptyParts))
        m_words << word.toString();
}

qsizetype Query::matchEnd(QStringView text, qsizetype at) const {
    qsizetype end = at + m_words.first().size();
    for (qsizetype w = 1; w < m_words.size(); ++w) {
        // Any run of blanks and line breaks between two words, but at least one.
        const qsizetype gap = end;
        while (end < text.size() && text[end] == u' ')
            ++end;
        if (end == gap || !text.mid(end).startsWith(m_words[w]))
            return -1;
        end += m_words[w].size();
    }
    return end;
}

QList<Match> Query::findIn(const Folded& text) const {
    QList<Match> matches;
    forEachIn(text, [&](const Match& match) {
        matches << match;
        return true;
    });
    return matches;
}

} // namespace textmatch
