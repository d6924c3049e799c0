#include "content/content.h"
#include "content/guideindex.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>

namespace {

const QString kGuide = QStringLiteral(ORVANE_GUIDE_DIR);

std::optional<QString> readPage(const QString& relative) {
    QFile file(kGuide + u'/' + relative);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

GuideIndex indexOf(const Content& content) {
    GuideIndex index;
    for (const GuideIndex::PageRef& page : GuideIndex::pagesOf(content))
        index.add(page, readPage(page.relativePath));
    return index;
}

// "start:length:w" for a whole word, "start:length:p" for part of one, comma-separated.
QString describe(const QList<textmatch::Match>& matches) {
    QStringList parts;
    for (const textmatch::Match& m : matches)
        parts << QStringLiteral("%1:%2:%3").arg(m.start).arg(m.length).arg(m.wholeWord ? 'w' : 'p');
    return parts.join(u',');
}

} // namespace

class TestGuideSearch : public QObject {
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
    void wholeWordsListedFirst();
    void indexFindsAWordWhereItOccurs();
    void pagesHoldTheMatchesTheViewsShow();
};

void TestGuideSearch::matching_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("case") << "Ottawa is in OTTAWA"
                          << "ottawa"
                          << "0:6:w,13:6:w";
    QTest::newRow("accent in the text") << "Les Métis"
                                        << "metis"
                                        << "4:5:w";
    QTest::newRow("accent typed") << "Quebec City"
                                  << "Québec"
                                  << "0:6:w";
    QTest::newRow("accent typed apart") << "Québec"
                                        << "Que\u0301bec"
                                        << "0:6:w";
    QTest::newRow("ligature") << "sa sœur"
                              << "SOEUR"
                              << "3:4:w";
    QTest::newRow("curly apostrophe") << "Canada’s flag"
                                      << "canada's"
                                      << "0:8:w";
    QTest::newRow("blanks between words") << "Lieutenant\n  Governor"
                                          << "lieutenant governor"
                                          << "0:21:w";
    QTest::newRow("no-break space") << "10\u00A0provinces"
                                    << "10 provinces"
                                    << "0:12:w";
    QTest::newRow("whole word and part") << "govern the Governor"
                                         << "govern"
                                         << "0:6:w,11:6:p";
    QTest::newRow("part at the end") << "the Fathers"
                                     << "fathers"
                                     << "4:7:w";
    QTest::newRow("apostrophe ends a word") << "l'Acadie"
                                            << "acadie"
                                            << "2:6:w";
    QTest::newRow("no match") << "Ottawa"
                              << "toronto"
                              << "";
    QTest::newRow("words run together") << "LieutenantGovernor"
                                        << "lieutenant governor"
                                        << "";
    QTest::newRow("nothing typed") << "Ottawa"
                                   << "   "
                                   << "";
}

void TestGuideSearch::matching() {
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    QCOMPARE(describe(textmatch::Query(typed).findIn(textmatch::fold(text))), found);
}

void TestGuideSearch::wholeWordsListedFirst() {
    GuideIndex index;
    index.add({GuideIndex::Kind::Chapter, 1, QString(), QString()},
              QStringLiteral("<p>The governors</p>"));
    index.add({GuideIndex::Kind::Chapter, 2, QString(), QString()},
              QStringLiteral("<p>To govern</p>"));
    const GuideIndex::Found found = index.search(u"govern", 10);
    QCOMPARE(found.total, 2);
    QCOMPARE(found.listed.size(), 2);
    QCOMPARE(found.listed[0].page, 1);
    QCOMPARE(found.listed[1].page, 0);
    QCOMPARE(index.context(found.listed[1]), QStringLiteral("The governors"));
    QCOMPARE(index.search(u"govern", 1).listed.size(), 1);
}

// The battle of Beaver Dams is told in chapter 6 and in the answer to question 24, nowhere
// else; typed without its accent, Métis is found in the French chapters too.
void TestGuideSearch::indexFindsAWordWhereItOccurs() {
    const GuideIndex english = indexOf(Content::builtIn());
    QCOMPARE(english.size(), 21 + 197);
    const GuideIndex::Found found = english.search(u"beaver dams", 100);
    QSet<QString> where;
    for (const GuideIndex::Result& result : found.listed) {
        where << english.page(result.page).relativePath;
        QVERIFY(english.context(result).contains(QStringLiteral("Beaver Dams")));
    }
    QCOMPARE(where,
             (QSet<QString>{QStringLiteral("study/6.html"), QStringLiteral("answers/24.html")}));
    QCOMPARE(english.page(found.listed.first().page).title,
             QStringLiteral("Chapter 6: Canada's History and Symbols"));

    const GuideIndex french = indexOf(Content::builtIn(QStringLiteral("fr")));
    const GuideIndex::Found metis = french.search(u"metis", 100);
    QVERIFY(metis.total > 0);
    QVERIFY(french.page(metis.listed.first().page)
                .relativePath.startsWith(QStringLiteral("fr/study/")));
    QVERIFY(french.context(metis.listed.first()).contains(QStringLiteral("Métis")));
}

// The window finds a result's match in the page it opens by counting the matches there, so the
// index must see each page's matches in the number and order that the view shows them.
void TestGuideSearch::pagesHoldTheMatchesTheViewsShow() {
    for (const QString& language : {QString(), QStringLiteral("fr")}) {
        const Content content = Content::builtIn(language);
        for (const GuideIndex::PageRef& page : GuideIndex::pagesOf(content)) {
            const QString html = readPage(page.relativePath).value_or(QString());
            QTextDocument document;
            document.setHtml(html);
            const textmatch::Folded shown = textmatch::fold(document.toPlainText());
            const textmatch::Folded indexed = textmatch::fold(GuideIndex::plainText(html));
            for (const QString& word :
                 {QStringLiteral("the"), QStringLiteral("canada"), QStringLiteral("e"),
                  QStringLiteral("la"), QStringLiteral("de la")}) {
                const textmatch::Query query(word);
                QCOMPARE(query.findIn(indexed).size(), query.findIn(shown).size());
            }
        }
    }
}

QTEST_MAIN(TestGuideSearch)
#include "tst_guidesearch.moc"
