#include "content/content.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

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

QString folded(const QString& text) {
    return text.simplified().toCaseFolded();
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

private:
    Content m_content = Content::builtIn();
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
        if (url.scheme() == u"http" || url.scheme() == u"https") {
            QVERIFY2(officialHost(url.host()), qPrintable(url.toString()));
            continue;
        }
        QVERIFY2(url.isRelative() && url.path().size() > 0, qPrintable(url.toString()));
        const QString target = QFileInfo(folder.filePath(url.path())).canonicalFilePath();
        QVERIFY2(!target.isEmpty() && target.startsWith(root),
                 qPrintable(url.toString() + " does not lead to a page of the guide"));
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
        const QString listed = m_content.practiceList[expected - 1].section(u' ', 1, -1).trimmed();
        QCOMPARE(m.captured(2), listed);
    }
    QCOMPARE(expected - 1, 197);
}

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
