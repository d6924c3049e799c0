#include "content/questionbank.h"
#include "progress/chapterreview.h"

#include <QTest>

class TestChapterReview : public QObject {
    Q_OBJECT
private slots:
    void builtInTableCoversEveryBankQuestion();
    void toReview_data();
    void toReview();
};

// The table built in is the guide's own; each question of the bank finds its chapters by the
// practice number its line starts with.
void TestChapterReview::builtInTableCoversEveryBankQuestion() {
    const ChapterReview review = ChapterReview::builtIn();
    const QuestionBank bank = QuestionBank::builtIn();
    QCOMPARE(ChapterReview::practiceNumber(QStringLiteral("12. Who ...")), 12);
    QCOMPARE(ChapterReview::practiceNumber(QStringLiteral("Who ...")), 0);
    for (int record = 1; record <= QuestionBank::kRecords; ++record) {
        const int practice = ChapterReview::practiceNumber(bank.QuestionText(record));
        QVERIFY2(practice >= 1 && practice <= 197, qPrintable(bank.QuestionText(record)));
        for (int chapter : review.chaptersOf(practice))
            QVERIFY(chapter >= 1 && chapter <= 21);
        QVERIFY2(!review.chaptersOf(practice).isEmpty(), qPrintable(bank.QuestionText(record)));
    }
}

// Answers in the order given: "3-" a miss of record 3, "3+" a right answer.
void TestChapterReview::toReview_data() {
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QList<int>>("chapters"); // chapter, questions to drill, chapter, ...
    // Records 1 and 2 are practice questions 1 and 2 (chapter 2); 3 is question 3 (7 and 2).
    QTest::newRow("none") << "" << QList<int>{};
    QTest::newRow("one question, both its chapters") << "3-" << QList<int>{2, 1, 7, 1};
    QTest::newRow("most to drill first, ties by number") << "1- 3- 2-" << QList<int>{2, 3, 7, 1};
    QTest::newRow("a question counts once however often missed")
        << "3- 3- 3-" << QList<int>{2, 1, 7, 1};
    QTest::newRow("a wrong drill answer does not count twice") << "1- 1+ 1-" << QList<int>{2, 1};
    QTest::newRow("misses drilled away remove a chapter") << "3- 1- 3+ 3+" << QList<int>{2, 1};
    QTest::newRow("right once is not yet away") << "3- 3+" << QList<int>{2, 1, 7, 1};
    QTest::newRow("all drilled away") << "1- 1+ 1+" << QList<int>{};
}

void TestChapterReview::toReview() {
    QFETCH(QString, answers);
    QFETCH(QList<int>, chapters);
    const ChapterReview review =
        ChapterReview::parse(QStringLiteral("# comment\n1\t2\n2\t2\n3\t7 2\n"));
    QList<Attempt> attempts;
    for (const QString& word : answers.split(u' ', Qt::SkipEmptyParts))
        attempts.append({{word.chopped(1).toInt(), word.endsWith(u'+') ? 1 : 2, 1}, 0, true});
    QList<int> got;
    for (const ChapterReview::Chapter& c :
         review.toReview(drill::replay(attempts), QuestionBank::builtIn()))
        got << c.chapter << c.questions;
    QCOMPARE(got, chapters);
}

QTEST_GUILESS_MAIN(TestChapterReview)
#include "tst_chapterreview.moc"
