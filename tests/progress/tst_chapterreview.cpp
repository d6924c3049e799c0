#include "content/questionbank.h"
#include "progress/chapterreview.h"

#include <QTest>

class TestChapterReview : public QObject {
    Q_OBJECT
private slots:
    void builtInTableCoversEveryBankQuestion();
    void mostMissed_data();
    void mostMissed();
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

void TestChapterReview::mostMissed_data() {
    QTest::addColumn<QList<int>>("missedRecords");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<int>>("chapters"); // chapter, misses, chapter, misses, ...
    // Records 1 and 2 are practice questions 1 and 2; 3 is question 3 (table below).
    QTest::newRow("none") << QList<int>{} << 5 << QList<int>{};
    QTest::newRow("one question, both its chapters")
        << QList<int>{3} << 5 << QList<int>{2, 1, 7, 1};
    QTest::newRow("most missed first, ties by number")
        << QList<int>{1, 3, 2, 1} << 5 << QList<int>{2, 4, 7, 1};
    QTest::newRow("limit") << QList<int>{3, 2} << 1 << QList<int>{2, 2};
}

void TestChapterReview::mostMissed() {
    QFETCH(QList<int>, missedRecords);
    QFETCH(int, limit);
    QFETCH(QList<int>, chapters);
    const ChapterReview review =
        ChapterReview::parse(QStringLiteral("# comment\n1\t2\n2\t2\n3\t7 2\n"));
    QList<Attempt> attempts{{{3, 1, 1}, 0, false}}; // a right answer counts for nothing
    for (int record : missedRecords)
        attempts.append({{record, 0, 1}, 0, false});
    QList<int> got;
    for (const ChapterReview::Chapter& c :
         review.mostMissed(drill::replay(attempts), QuestionBank::builtIn(), limit))
        got << c.chapter << c.misses;
    QCOMPARE(got, chapters);
}

QTEST_GUILESS_MAIN(TestChapterReview)
#include "tst_chapterreview.moc"
