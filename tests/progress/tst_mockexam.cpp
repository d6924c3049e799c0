#include "content/questionbank.h"
#include "progress/mockexam.h"

#include <QSet>
#include <QTest>

class TestMockExam : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
};

void TestMockExam::rules_data() {
    QTest::addColumn<int>("right");      // answered right, first
    QTest::addColumn<int>("wrong");      // then answered wrong
    QTest::addColumn<qint64>("minutes"); // gone when it ends
    QTest::addColumn<bool>("closed");    // the program closed before the end
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("recorded"); // questions kept in the history
    QTest::newRow("12 right pass") << 12 << 8 << qint64(20) << false << "Passed: 12 of 20" << 20;
    QTest::newRow("11 right do not") << 11 << 9 << qint64(20) << false << "Not yet: 11 of 20" << 20;
    QTest::newRow("time up: the rest count wrong")
        << 12 << 3 << qint64(30) << false << "Passed: 12 of 20" << 20;
    QTest::newRow("time up short of the mark")
        << 10 << 0 << qint64(31) << false << "Not yet: 10 of 20" << 20;
    QTest::newRow("closed early keeps what was answered")
        << 12 << 1 << qint64(5) << true << "Not yet: 12 of 13" << 13;
}

void TestMockExam::rules() {
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(qint64, minutes);
    QFETCH(bool, closed);
    QFETCH(QString, verdict);
    QFETCH(int, recorded);
    const QuestionBank bank = QuestionBank::builtIn();
    MockExam exam(bank, [] { return 12345u; });
    QSet<int> seen;
    for (int i = 0; i < right + wrong; ++i) {
        QCOMPARE(exam.position(), i + 1);
        seen.insert(exam.current().record);
        exam.answer(i < right ? exam.current().key : exam.current().key % 4 + 1);
    }
    QCOMPARE(seen.size(), right + wrong); // no question twice
    const qint64 left = MockExam::remainingMs(minutes * 60000);
    QCOMPARE(left == 0, minutes >= 30);
    QCOMPARE(exam.finished(), right + wrong == MockExam::kQuestions);
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(1000);
    const FinishedTest test = closed ? exam.endedEarly(at) : exam.result(at);
    QVERIFY(test.mock);
    QCOMPARE(test.endedEarly, closed);
    QCOMPARE(int(test.questions.size()), recorded);
    QCOMPARE(MockExam::verdict(test), verdict);
    QCOMPARE(MockExam::passed(test), verdict.startsWith("Passed"));
}

QTEST_GUILESS_MAIN(TestMockExam)
#include "tst_mockexam.moc"
