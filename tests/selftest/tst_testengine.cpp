#include "content/questionbank.h"
#include "selftest/testengine.h"
#include "selftest/testrules.h"

#include <QSet>
#include <QTest>

namespace {

// A choice for the question shown: its key, any other option, or none at all.
enum Choice { Right = 1, Wrong = 0, None = -1 };

} // namespace

class TestTestEngine : public QObject {
    Q_OBJECT
private slots:
    void runsATest_data();
    void runsATest();
    void endEarlyKeepsWhatWasAnswered();
    void lengthLoweredBelowTheDrawsEndsTheTest();

private:
    QuestionBank m_bank = QuestionBank::builtIn();
};

void TestTestEngine::runsATest_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("plan");    // a Choice per Submit
    QTest::addColumn<QList<int>>("running"); // CorrectCount after each Submit
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("reportLines");
    const QList<int> fiveRight{Right, Right, Right, Right, Right};
    QTest::newRow("scored one advance late") << 5 << QList<int>{Right, Wrong, Right, Right, Wrong}
                                             << QList<int>{1, 1, 2, 3, 3} << "60" << 1 + 2 * 10;
    QTest::newRow("all right") << 5 << fiveRight << QList<int>{1, 2, 3, 4, 5} << "100" << 1;
    QTest::newRow("all wrong") << 5 << QList<int>{Wrong, Wrong, Wrong, Wrong, Wrong}
                               << QList<int>{0, 0, 0, 0, 0} << "0" << 51;
    QTest::newRow("no choice changes nothing")
        << 3 << QList<int>{None, Right, None, Wrong, Right} << QList<int>{0, 1, 1, 1, 2}
        << "66.6666666666667" << 11;
    QList<int> alternate, running;
    for (int k = 1; k <= testrules::kMaxLength; ++k) {
        alternate << (k % 2 == 0 ? Right : Wrong);
        running << k / 2;
    }
    QTest::newRow("the longest test") << 178 << alternate << running << "50" << 1 + 89 * 10;
}

// Drives the engine as the page does: question 1 drawn, Start, then one Submit per choice.
void TestTestEngine::runsATest() {
    QFETCH(int, length);
    QFETCH(QList<int>, plan);
    QFETCH(QList<int>, running);
    QFETCH(QString, rate);
    QFETCH(int, reportLines);
    TestEngine engine(m_bank, [] { return 20030101u; });
    QCOMPARE(engine.Advance(length), TestEngine::Step::Drawn);
    engine.Start();
    QSet<int> records{engine.current().record};
    QList<AskedQuestion> expected;
    for (int i = 0; i < plan.size(); ++i) {
        const Question shown = engine.current();
        QCOMPARE(shown.record, engine.state().AskedQuestions[engine.state().QuestionNumber]);
        const int choice = plan[i] == None ? 0 : plan[i] == Right ? shown.key : shown.key % 4 + 1;
        engine.choose(choice);
        const TestEngine::Step step = engine.Advance(length);
        if (choice == 0) {
            QCOMPARE(step, TestEngine::Step::NeedChoice);
            QCOMPARE(engine.current().record, shown.record);
        } else {
            expected.append({shown.record, choice, shown.key});
            records.insert(engine.current().record);
        }
        QCOMPARE(engine.CorrectCount(), running[i]);
        QCOMPARE(engine.chosen(), 0); // a new question starts with none chosen
        QCOMPARE(step == TestEngine::Step::Completed, i + 1 == plan.size());
    }
    QCOMPARE(records.size(), length + 1); // the last draw, never asked, included
    QCOMPARE(engine.phase(), TestEngine::Phase::Finished);
    QCOMPARE(engine.state().QuestionNumber, 0);
    QCOMPARE(engine.summary().questions, length);
    QCOMPARE(engine.summary().correct + engine.summary().incorrect, length);
    QCOMPARE(testrules::successRateText(engine.summary().successRate, QLocale::c()), rate);
    QCOMPARE(engine.reportLines().size(), reportLines);
    QCOMPARE(engine.lastCompleted().questions, expected);
    QVERIFY(!engine.lastCompleted().endedEarly);
}

void TestTestEngine::endEarlyKeepsWhatWasAnswered() {
    TestEngine engine(m_bank, [] { return 7u; });
    engine.Advance(10);
    engine.Start();
    QList<AskedQuestion> expected;
    for (int choice : {1, 4}) {
        expected.append({engine.current().record, choice, engine.current().key});
        engine.choose(choice);
        engine.Advance(10);
    }
    const FinishedTest ended = engine.End(10);
    QVERIFY(ended.endedEarly);
    QCOMPARE(ended.length, 10);
    QCOMPARE(ended.questions, expected);
    QCOMPARE(engine.phase(), TestEngine::Phase::Idle);
    QCOMPARE(engine.state().QuestionNumber, 0);
    QCOMPARE(engine.CorrectCount(), 0);
    QVERIFY(engine.reportLines().isEmpty()); // no test was completed
    // The next test starts afresh at question 1.
    engine.Advance(10);
    QCOMPARE(engine.state().QuestionNumber, 1);
}

// Submit can be pressed from the keyboard while no test runs (under the results panel), and the
// length lowered below the questions drawn so: the next advance completes the test.
void TestTestEngine::lengthLoweredBelowTheDrawsEndsTheTest() {
    TestEngine engine(m_bank, [] { return 99u; });
    engine.Advance(20);
    for (int k = 0; k < 9; ++k) {
        engine.choose(1);
        QCOMPARE(engine.Advance(20), TestEngine::Step::Drawn);
    }
    QCOMPARE(engine.state().QuestionNumber, 10);
    engine.choose(1);
    QCOMPARE(engine.Advance(5), TestEngine::Step::Completed);
    QCOMPARE(engine.summary().questions, 10);
}

QTEST_APPLESS_MAIN(TestTestEngine)
#include "tst_testengine.moc"
