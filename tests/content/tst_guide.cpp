#include "content/content.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocument>

#include <numeric>

namespace {

const QString kGuide = QStringLiteral(ORVANE_GUIDE_DIR);

QString readPage(const QString& relative) {
    QFile file(kGuide + u'/' + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString plainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// The bank writes some names with a blank where the guide keeps their hyphen ("North West",
// "North-West"); the agreement that matters is in the words.
QString folded(QString text) {
    return text.replace(u'-', u' ').simplified().toCaseFolded();
}

// Practice question n as the pages show it: without its number and trailing blanks.
QString practiceItem(const Content& content, int n) {
    return content.practiceList[n - 1].section(u' ', 1, -1).trimmed();
}

// Official sources a page may send the reader to, besides the guide's own pages.
bool officialHost(const QString& host) {
    static const QStringList allowed = {"gc.ca",   "canada.ca",    "elections.ca",
                                        "gg.ca",   "gov.on.ca",    "ontario.ca",
                                        "ola.org", "lgontario.ca", "toronto.ca"};
    for (const QString& domain : allowed) {
        if (host == domain || host.endsWith(u'.' + domain))
            return true;
    }
    return false;
}

// tools/practice_chapters.tsv: practice question -> the chapters that teach it, in file order.
QMap<int, QList<int>> chaptersTeaching() {
    QFile file(kGuide + QStringLiteral("/../tools/practice_chapters.tsv"));
    QMap<int, QList<int>> table;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const int question = line.section(u'\t', 0, 0).toInt();
        if (table.contains(question)) // a question listed twice: no valid question 0
            table[0];
        QList<int>& chapters = table[question];
        for (const QString& chapter : line.section(u'\t', 1).split(u' ', Qt::SkipEmptyParts))
            chapters << chapter.toInt();
    }
    return table;
}

} // namespace

// The HTML pages the program opens: every one there, readable, linked only within the guide,
// and in agreement with the built-in questions.
class TestGuide : public QObject {
    Q_OBJECT
private slots:
    void pagesLoad_data();
    void pagesLoad();
    void answerPagesAgreeWithTheBank();
    void questionsChapterListsThePracticeList();
    void answerHeadingsArePracticeItems();
    void chaptersListTheirPracticeQuestions();

private:
    Content m_content = Content::builtIn();
    QMap<int, QList<int>> m_teaching = chaptersTeaching();
};

void TestGuide::pagesLoad_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("number");
    for (int c = 1; c <= 21; ++c)
        QTest::addRow("study/%d", c) << QStringLiteral("study/%1.html").arg(c) << c;
    for (int n = 1; n <= 197; ++n)
        QTest::addRow("answers/%d", n) << QStringLiteral("answers/%1.html").arg(n) << n;
}

void TestGuide::pagesLoad() {
    QFETCH(QString, page);
    QFETCH(int, number);
    const QString html = readPage(page);
    QVERIFY2(!html.isEmpty(), "missing or empty");
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(!plainText(html).trimmed().isEmpty());

    // The first heading names the page's own number.
    const QRegularExpression heading("<h1[^>]*>\\s*(?:Chapter\\s+)?(\\d+)\\.");
    const QRegularExpressionMatch match = heading.match(html);
    QVERIFY2(match.hasMatch(), "no numbered <h1>");
    QCOMPARE(match.captured(1).toInt(), number);

    const QDir folder(QFileInfo(kGuide + u'/' + page).absolutePath());
    const QString root = QDir(kGuide).canonicalPath() + u'/';
    const QRegularExpression reference("(?:href|src)=\"([^\"]+)\"");
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const QUrl url(it.next().captured(1));
        if (url.path().isEmpty() && url.hasFragment()) {
            QVERIFY2(html.contains(QStringLiteral("<a name=\"%1\">").arg(url.fragment())),
                     qPrintable(url.toString() + " has no anchor on the page"));
            continue;
        }
        if (url.scheme() == u"http" || url.scheme() == u"https") {
            QVERIFY2(officialHost(url.host()), qPrintable(url.toString()));
            continue;
        }
        QVERIFY2(url.isRelative() && url.path().size() > 0, qPrintable(url.toString()));
        const QString target = QFileInfo(folder.filePath(url.path())).canonicalFilePath();
        QVERIFY2(!target.isEmpty() && target.startsWith(root),
                 qPrintable(url.toString() + " does not lead to a page of the guide"));
    }

    // An answer sends the reader on to chapters that teach its question, named by their titles.
    if (page.startsWith(u"answers/")) {
        const QRegularExpression more("<p class=\"more\">Read more: (.*)</p>");
        const QString links = more.match(html).captured(1);
        const QRegularExpression link("<a href=\"\\.\\./study/(\\d+)\\.html\">([^<]*)</a>");
        int count = 0;
        for (auto it = link.globalMatch(links); it.hasNext(); ++count) {
            const QRegularExpressionMatch m = it.next();
            const int chapter = m.captured(1).toInt();
            QVERIFY2(m_teaching.value(number).contains(chapter),
                     qPrintable(QStringLiteral("chapter %1 does not teach it").arg(chapter)));
            QCOMPARE(m.captured(2), QStringLiteral("Chapter %1. %2")
                                        .arg(chapter)
                                        .arg(m_content.chapters.value(chapter - 1).trimmed()));
        }
        QVERIFY2(count > 0, "no Read more link");
    }

    // Laid out in the program's view (723 pixels wide, Verdana 12 px, or larger for a reader
    // who wants it), nothing is wider than the view: no sideways scrolling.
    for (int pixels : {12, 20}) {
        QTextDocument document;
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(pixels);
        document.setDefaultFont(font);
        document.setBaseUrl(QUrl::fromLocalFile(kGuide + u'/' + page)); // finds guide.css
        document.setHtml(html);
        document.setTextWidth(723);
        QVERIFY2(document.documentLayout()->documentSize().width() <= 723,
                 qPrintable(QStringLiteral("too wide at %1 px").arg(pixels)));
    }
}

void TestGuide::answerPagesAgreeWithTheBank() {
    const QuestionBank& bank = m_content.bank;
    QStringList disagreements;
    for (int r = 1; r <= QuestionBank::kRecords; ++r) {
        const int n = bank.QuestionText(r).section(u'.', 0, 0).toInt();
        QString correct = bank.OptionText(r, bank.CorrectOption(r)).mid(8).trimmed();
        if (correct.endsWith(u'.'))
            correct.chop(1);
        const QString page = folded(plainText(readPage(QStringLiteral("answers/%1.html").arg(n))));
        if (!page.contains(folded(correct)))
            disagreements << QStringLiteral("%1: \"%2\"").arg(n).arg(correct);
    }
    QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(u'\n')));
}

void TestGuide::questionsChapterListsThePracticeList() {
    const QString html = readPage(QStringLiteral("study/21.html"));
    QVERIFY(html.contains(QStringLiteral("Section I. Questions about Canada (questions 1-180)")));
    QVERIFY(html.contains(
        QStringLiteral("Section II. Questions about your region (questions 181-197)")));
    const QRegularExpression item("<li><a href=\"\\.\\./answers/(\\d+)\\.html\">([^<]*)</a></li>");
    int expected = 1;
    for (auto it = item.globalMatch(html); it.hasNext(); ++expected) {
        const QRegularExpressionMatch m = it.next();
        QCOMPARE(m.captured(1).toInt(), expected);
        QCOMPARE(m.captured(2), practiceItem(m_content, expected));
    }
    QCOMPARE(expected - 1, 197);
}

void TestGuide::answerHeadingsArePracticeItems() {
    const QRegularExpression pattern("<h1>\\d+\\. ([^<]*)</h1>");
    for (int n = 1; n <= 197; ++n) {
        const QRegularExpressionMatch m =
            pattern.match(readPage(QStringLiteral("answers/%1.html").arg(n)));
        QVERIFY2(m.hasMatch(), qPrintable(QString::number(n)));
        QTextDocument heading; // reads entities, and keeps no-break spaces as they are
        heading.setHtml(m.captured(1));
        QCOMPARE(heading.toRawText(), practiceItem(m_content, n));
    }
}

// Each chapter ends with the practice questions it teaches, as tools/practice_chapters.tsv says
// (tools/make_questions_chapter.py writes them), and every question is taught somewhere.
void TestGuide::chaptersListTheirPracticeQuestions() {
    QMap<int, QList<int>> expected; // chapter -> its questions, in order
    for (auto it = m_teaching.cbegin(); it != m_teaching.cend(); ++it) {
        QVERIFY2(!it.value().isEmpty(), qPrintable(QStringLiteral("question %1").arg(it.key())));
        for (int chapter : it.value())
            expected[chapter] << it.key();
    }
    QList<int> all(197);
    std::iota(all.begin(), all.end(), 1);
    QCOMPARE(m_teaching.keys(), all);

    const QString title = QStringLiteral("Practice questions for this chapter</h2>");
    const QRegularExpression item(
        "<li><a href=\"\\.\\./answers/(\\d+)\\.html\">(\\d+)\\. ([^<]*)</a></li>");
    QSet<int> listed;
    for (int c = 1; c <= 21; ++c) {
        const QString html = readPage(QStringLiteral("study/%1.html").arg(c));
        const qsizetype start = html.indexOf(title);
        QCOMPARE(start >= 0, expected.contains(c));
        if (start < 0)
            continue;
        QList<int> found;
        const QString section =
            html.mid(start, html.indexOf(QStringLiteral("</ul>"), start) - start);
        for (auto it = item.globalMatch(section); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const int n = m.captured(2).toInt();
            QCOMPARE(m.captured(1).toInt(), n);
            QCOMPARE(m.captured(3), practiceItem(m_content, n));
            QVERIFY(QFileInfo::exists(kGuide + QStringLiteral("/answers/%1.html").arg(n)));
            found << n;
            listed << n;
        }
        QVERIFY2(found == expected[c], qPrintable(QStringLiteral("chapter %1").arg(c)));
    }
    QCOMPARE(listed.size(), 197);
}

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
