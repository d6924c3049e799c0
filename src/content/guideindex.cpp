#include "content/guideindex.h"

#include "content/content.h"

#include <QCoreApplication>

namespace {

// Tags that end a line of text as the views lay pages out: each paragraph, heading, list item
// and table cell is a block of its own there.
bool breaksLine(QStringView tag) {
    static constexpr QStringView kBlocks[] = {
        u"p",  u"div",   u"h1", u"h2", u"h3", u"h4", u"h5",         u"h6", u"li", u"tr",  u"td",
        u"th", u"table", u"ul", u"ol", u"br", u"hr", u"blockquote", u"dt", u"dd", u"pre", u"body"};
    for (const QStringView block : kBlocks)
        if (tag.compare(block, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Parts of a page that are never shown.
bool isHidden(QStringView tag) {
    return tag.compare(u"head", Qt::CaseInsensitive) == 0 ||
           tag.compare(u"script", Qt::CaseInsensitive) == 0 ||
           tag.compare(u"style", Qt::CaseInsensitive) == 0 ||
           tag.compare(u"title", Qt::CaseInsensitive) == 0;
}

QString entity(QStringView name) {
    if (name.startsWith(u'#')) {
        bool ok = false;
        const char32_t code = name.startsWith(u"#x", Qt::CaseInsensitive)
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
        return ok && code > 0 && code <= 0x10FFFF ? QString::fromUcs4(&code, 1) : QString();
    }
    static const QList<std::pair<QStringView, QStringView>> kNamed = {
        {u"amp", u"&"},         {u"lt", u"<"},          {u"gt", u">"},
        {u"quot", u"\""},       {u"apos", u"'"},        {u"nbsp", u"\u00A0"},
        {u"rsquo", u"\u2019"},  {u"lsquo", u"\u2018"},  {u"laquo", u"\u00AB"},
        {u"raquo", u"\u00BB"},  {u"eacute", u"\u00E9"}, {u"egrave", u"\u00E8"},
        {u"agrave", u"\u00E0"}, {u"ccedil", u"\u00E7"}, {u"ocirc", u"\u00F4"},
        {u"ndash", u"\u2013"},  {u"mdash", u"\u2014"}};
    for (const auto& [key, value] : kNamed)
        if (name == key)
            return value.toString();
    return QString();
}

// The tag's name, without its "/" and attributes.
QStringView tagName(QStringView tag) {
    if (tag.startsWith(u'/'))
        tag = tag.mid(1);
    qsizetype end = 0;
    while (end < tag.size() && tag[end].isLetterOrNumber())
        ++end;
    return tag.left(end);
}

} // namespace

QList<GuideIndex::PageRef> GuideIndex::pagesOf(const Content& content) {
    QList<PageRef> pages;
    for (qsizetype c = 0; c < content.chapters.size(); ++c) {
        const int number = int(c) + 1;
        pages << PageRef{Kind::Chapter, number,
                         content.pageFolder + QStringLiteral("study/%1.html").arg(number),
                         QCoreApplication::translate("GuideIndex", "Chapter %1: %2")
                             .arg(number)
                             .arg(content.chapters[c].trimmed())};
    }
    for (qsizetype p = 0; p < content.practiceList.size(); ++p) {
        const int number = int(p) + 1;
        pages << PageRef{Kind::Answer, number,
                         content.pageFolder + QStringLiteral("answers/%1.html").arg(number),
                         content.practiceList[p].trimmed()};
    }
    return pages;
}

QString GuideIndex::plainText(QStringView html) {
    QString text;
    text.reserve(html.size() / 2);
    const auto newLine = [&] {
        while (text.endsWith(u' '))
            text.chop(1);
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            text.append(u'\n');
    };
    QString hiddenUntil; // the closing tag of a part that is not shown
    qsizetype i = 0;
    while (i < html.size()) {
        const QChar c = html[i];
        if (c == u'<') {
            qsizetype end = html.indexOf(u'>', i);
            if (end < 0)
                end = html.size();
            const QStringView tag = html.mid(i + 1, end - i - 1);
            const QStringView name = tagName(tag);
            i = end + 1;
            if (!hiddenUntil.isEmpty()) {
                if (tag.startsWith(u'/') && name.compare(hiddenUntil, Qt::CaseInsensitive) == 0)
                    hiddenUntil.clear();
                continue;
            }
            if (!tag.startsWith(u'/') && isHidden(name) && !tag.endsWith(u'/'))
                hiddenUntil = name.toString();
            else if (breaksLine(name))
                newLine();
            continue;
        }
        ++i;
        if (!hiddenUntil.isEmpty())
            continue;
        if (c == u'&') {
            const qsizetype semicolon = html.indexOf(u';', i);
            const QString decoded = semicolon > i && semicolon - i <= 10
                                        ? entity(html.mid(i, semicolon - i))
                                        : QString();
            if (!decoded.isEmpty()) {
                text.append(decoded);
                i = semicolon + 1;
                continue;
            }
        }
        // Blanks and line breaks in the source are one blank on the page, and none at a line's
        // start.
        if (c == u' ' || c == u'\n' || c == u'\t' || c == u'\r') {
            if (!text.isEmpty() && !text.endsWith(u' ') && !text.endsWith(u'\n'))
                text.append(u' ');
            continue;
        }
        text.append(c);
    }
    newLine();
    return text;
}

void GuideIndex::add(const PageRef& page, const std::optional<QString>& html) {
    Indexed indexed{page, html ? plainText(*html) : QString(), {}};
    indexed.folded = textmatch::fold(indexed.text);
    m_pages << std::move(indexed);
}

GuideIndex::Found GuideIndex::search(QStringView typed, int limit) const {
    Found found;
    const textmatch::Query query(typed);
    QList<Result> parts;
    for (int p = 0; p < m_pages.size(); ++p) {
        int occurrence = 0;
        query.forEachIn(m_pages[p].folded, [&](const textmatch::Match& match) {
            QList<Result>& tier = match.wholeWord ? found.listed : parts;
            if (tier.size() < limit)
                tier << Result{p, occurrence, match};
            ++occurrence;
            ++found.total;
            return true;
        });
    }
    found.listed << parts.mid(0, limit - found.listed.size());
    return found;
}

QString GuideIndex::context(const Result& result, int width) const {
    const QString& text = m_pages[result.page].text;
    const qsizetype start = result.match.start;
    const qsizetype lineStart = text.lastIndexOf(u'\n', start - 1) + 1;
    qsizetype lineEnd = text.indexOf(u'\n', start + result.match.length);
    if (lineEnd < 0)
        lineEnd = text.size();
    qsizetype from = lineStart;
    qsizetype to = lineEnd;
    const qsizetype room = std::max<qsizetype>(0, width - result.match.length);
    if (to - from > width) {
        // A third of the room before the match, the rest after it, cut at blanks.
        from = std::max(lineStart, start - room / 3);
        to = std::min(lineEnd, std::max(start + result.match.length, from + width));
        if (from > lineStart) {
            const qsizetype blank = text.indexOf(u' ', from);
            if (blank >= 0 && blank < start)
                from = blank + 1;
        }
        if (to < lineEnd) {
            const qsizetype blank = text.lastIndexOf(u' ', to);
            if (blank > start + result.match.length)
                to = blank;
        }
    }
    QString line = text.mid(from, to - from);
    if (from > lineStart)
        line.prepend(u'\u2026');
    if (to < lineEnd)
        line.append(u'\u2026');
    return line;
}
