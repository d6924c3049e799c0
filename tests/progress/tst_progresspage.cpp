#include "content/content.h"
#include "progress/mockexamview.h"
#include "progress/progresspage.h"
#include "progress/reviewview.h"
#include "progress/trendchart.h"
#include "widgets/announcer.h"
#include "widgets/label.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

const Content& content() {
    static const Content built = Content::builtIn();
    return built;
}
const QDateTime monday(QDate(2026, 3, 2), QTime(15, 0));

FinishedTest missing(const QList<int>& records, QDateTime at = monday) {
    FinishedTest test{at, int(records.size()), false, {}};
    for (int r : records)
        test.questions.append(
            {r, content().bank.question(r).key % 4 + 1, content().bank.question(r).key});
    return test;
}

} // namespace

class TestProgressPage : public QObject {
    Q_OBJECT
private slots:
    void everyChapterShownAndShortenedAtAWord();
    void drillSaysHowFarAQuestionIsAndChecksComeBack();
    void mockExamEnds_data();
    void mockExamEnds();
    void aBarOfTheChartOpensItsTest();
};

void TestProgressPage::everyChapterShownAndShortenedAtAWord() {
    QTemporaryDir dir;
    HistoryStore history(dir.path());
    QList<int> records;
    for (int r = 1; r <= 179; r += 3)
        records << r;
    history.recordTest(missing(records));
    ProgressPage page(nullptr, history, content().bank, content().chapters);
    page.refresh();
    const QList<ChapterReview::Chapter> chapters =
        ChapterReview::builtIn().toReview(history.questionStates(), content().bank);
    QVERIFY(chapters.size() > 5);
    const auto shown = std::count_if(page.ChapterLinks.begin(), page.ChapterLinks.end(),
                                     [](QPushButton* b) { return !b->isHidden(); });
    QCOMPARE(shown, chapters.size());
    QVERIFY(page.ChapterList->widget()->height() > page.ChapterList->height()); // it scrolls
    for (QPushButton* link : page.ChapterLinks) {
        QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width() - 8);
        QVERIFY(link->accessibleName().endsWith(link->toolTip()));
        const QString title =
            content().chapters.value(link->property("chapter").toInt() - 1).trimmed();
        if (link->text() != link->toolTip()) // cut after a whole word of the title
            QVERIFY(
                title.contains(link->text().section(QChar(0x2026), 0, 0).section(u' ', 1) + u' '));
    }
}

void TestProgressPage::drillSaysHowFarAQuestionIsAndChecksComeBack() {
    QTemporaryDir dir;
    HistoryStore history(dir.path());
    history.recordTest(missing({52}));
    QDateTime now = monday.addSecs(60);
    ProgressPage page(nullptr, history, content().bank, content().chapters, {},
                      [&] { return now; });
    page.refresh();
    const int key = content().bank.question(52).key;
    const auto answer = [&](int option, const QString& feedback, const QString& button) {
        page.DrillOptions[option - 1]->click();
        page.DrillSubmit->click();
        QVERIFY(page.DrillFeedback->text().startsWith(feedback));
        QCOMPARE(page.DrillSubmit->text(), button);
        now = now.addSecs(60);
    };
    page.DrillButton->click();
    answer(key, "Correct. Right once; once more to master it.", "Next question");
    page.DrillSubmit->click();
    answer(key, "Correct. Mastered: it leaves the drill.", "Nothing left to drill");
    page.DrillSubmit->click();
    QCOMPARE(page.DrillCount->text(), QStringLiteral("Nothing left to drill."));
    QCOMPARE(page.DueLabel->text(), QStringLiteral("Due for a check today: 0"));
    ProgressPage later(nullptr, history, content().bank, content().chapters); // a new run
    later.refresh();
    QCOMPARE(later.NoChaptersLabel->text(), QStringLiteral("None: nothing is left to drill."));
    now = QDateTime(monday.date().addDays(3), QTime(0, 1)); // the third day, just after midnight
    page.refresh();
    QCOMPARE(page.DueLabel->text(), QStringLiteral("Due for a check today: 1"));
    page.DrillButton->click();
    QVERIFY(page.DrillCount->text().startsWith("A check of a question you mastered."));
    answer(key % 4 + 1, "The answer is", "Next question");
    page.DrillSubmit->click();
    QCOMPARE(page.DrillCount->text(), QStringLiteral("1 missed question left.")); // back in
}

void TestProgressPage::mockExamEnds_data() {
    QTest::addColumn<bool>("timeUp"); // else the program closes mid-exam
    QTest::addColumn<int>("answers");
    QTest::newRow("the clock's end") << true << 3;
    QTest::newRow("closed mid-exam") << false << 3;
    QTest::newRow("closed before an answer: not kept") << false << 0;
}

void TestProgressPage::mockExamEnds() {
    QFETCH(bool, timeUp);
    QFETCH(int, answers);
    QTemporaryDir dir;
    HistoryStore history(dir.path());
    qint64 elapsed = 0;
    // The window's content, the bank among it, goes before its pages do.
    auto bank = std::make_unique<QuestionBank>(content().bank);
    auto view = std::make_unique<MockExamView>(
        nullptr, history, *bank, [] { return 7u; }, [] { return monday; }, [&] { return elapsed; });
    QSignalSpy said(Announcer::of(view.get()), &Announcer::announced);
    view->start();
    for (int i = 0; i < answers; ++i) {
        view->ExamOptions[0]->click();
        view->ExamNext->click();
    }
    if (timeUp) {
        elapsed = MockExam::kDurationMs - MockExam::kWarnAtMs;
        view->tick();
        QCOMPARE(said.last().first().toString(), QStringLiteral("5 minutes left."));
        elapsed = MockExam::kDurationMs;
        view->tick();
        QVERIFY(said.last().first().toString().startsWith("Time is up. Not yet: "));
        QVERIFY(!view->running());
    } else {
        bank.reset();
        view.reset();
    }
    const QList<HistoryStore::Test> tests = history.recentTests();
    QCOMPARE(tests.size(), answers > 0 ? 1 : 0);
    if (answers == 0)
        return;
    QVERIFY(tests[0].mock);
    QCOMPARE(tests[0].endedEarly, !timeUp);
    QCOMPARE(tests[0].answered, timeUp ? 20 : 3);
}

void TestProgressPage::aBarOfTheChartOpensItsTest() {
    QTemporaryDir dir;
    HistoryStore history(dir.path());
    history.recordTest(missing({5, 6}, monday.addDays(-1)));
    history.recordTest(missing({7}));
    QVERIFY(history.waitForWrites(10000));
    ProgressPage page(nullptr, history, content().bank, content().chapters);
    page.resize(757, 400);
    page.show();
    page.refresh();
    QSignalSpy said(Announcer::of(&page), &Announcer::announced);
    page.Chart->setFocus();
    QTest::keyClick(page.Chart, Qt::Key_Left); // the newest, then the one before
    QTest::keyClick(page.Chart, Qt::Key_Left);
    QCOMPARE(said.last().first().toString(), QStringLiteral("Test of 1 March: 0 of 2, 0 %"));
    QTest::keyClick(page.Chart, Qt::Key_Return);
    QVERIFY(page.Review->isVisible());
    QCOMPARE(page.Review->ReviewTitle->text(), QStringLiteral("Test of 1 March: 0 of 2, 0 %"));
    const QString text = page.Review->ReviewText->toPlainText();
    QVERIFY(text.contains(content().bank.question(6).text.trimmed()) &&
            text.contains("Answer page"));
    QTest::keyClick(page.Review->PastTestList, Qt::Key_Up); // the list: the newest test
    QVERIFY(
        page.Review->ReviewText->toPlainText().contains(content().bank.question(7).text.trimmed()));
}

QTEST_MAIN(TestProgressPage)
#include "tst_progresspage.moc"
