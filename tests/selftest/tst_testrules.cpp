#include "base/apperror.h"
#include "content/questionbank.h"
#include "selftest/randomdraw.h"
#include "selftest/testrules.h"

#include <QSet>
#include <QTest>

namespace {

// A bank whose lines name themselves, so a report line shows where it came from.
QuestionBank namedBank() {
    QStringList lines;
    for (int i = 0; i < QuestionBank::kLines; ++i)
        lines << (i % 7 == 6 ? QStringLiteral("1") : QStringLiteral("L%1").arg(i));
    return QuestionBank(lines);
}

// Records a test as it would stand at completion: question k asked record asked[k-1] with
// correct option correct[k-1]; the choice for question k sits one slot later.
TestState finishedTest(const QList<int>& asked, const QList<int>& correct,
                       const QList<int>& given) {
    TestState s;
    for (int k = 1; k <= asked.size(); ++k) {
        s.AskedQuestions[k] = asked[k - 1];
        s.CorrectAnswers[k] = correct[k - 1];
        s.GivenAnswers[k + 1] = given[k - 1];
        s.CorrectCount += correct[k - 1] == given[k - 1] ? 1 : 0;
    }
    s.QuestionNumber = int(asked.size()) + 1;
    return s;
}

} // namespace

class TestTestRules : public QObject {
    Q_OBJECT
private slots:
    void generatorFollowsTheLinearCongruence();
    void drawSkipsAskedRecordsAndExhaustsTheBank();
    void drawRefusesAFullBank();
    void successRate_data();
    void successRate();
    void reportOfTheTwoQuestionExample();
    void reportLineCounts_data();
    void reportLineCounts();
    void reportFollowsAskedOrder();
};

void TestTestRules::generatorFollowsTheLinearCongruence() {
    RandomDraw random([] { return 0u; });
    random.reseed();
    QCOMPARE(random.next(179), 0); // seed 1: 179 / 2^32 rounds down
    QCOMPARE(random.seed(), 1u);
    QCOMPARE(random.next(179), 5); // seed 134775814
    QCOMPARE(random.seed(), 134775814u);
    RandomDraw top([] { return 0xFFFFFFFFu; });
    top.reseed();
    // 0xFFFFFFFF * 134775813 + 1 wraps to 0xF7F7F7F4 (mod 2^32), the top of the range.
    QCOMPARE(top.next(179), int((std::uint64_t(0xFFFFFFFFu * 134775813u + 1u) * 179u) >> 32));
    QVERIFY(top.next(179) < 179);
}

void TestTestRules::drawSkipsAskedRecordsAndExhaustsTheBank() {
    RandomDraw random([] { return 12345u; });
    TestState s;
    QSet<int> seen;
    for (int k = 1; k <= QuestionBank::kRecords; ++k) {
        s.QuestionNumber = k;
        const int r = testrules::drawRecord(random, s);
        QVERIFY(r >= 1 && r <= QuestionBank::kRecords);
        QVERIFY2(!seen.contains(r), qPrintable(QStringLiteral("record %1 twice").arg(r)));
        seen.insert(r);
        s.AskedQuestions[k] = r;
    }
    QCOMPARE(seen.size(), QuestionBank::kRecords);
}

void TestTestRules::drawRefusesAFullBank() {
    RandomDraw random([] { return 7u; });
    TestState s;
    for (int k = 1; k <= QuestionBank::kRecords; ++k)
        s.AskedQuestions[k] = k;
    s.QuestionNumber = QuestionBank::kRecords + 1;
    QVERIFY_THROWS_EXCEPTION(AppError, testrules::drawRecord(random, s));
}

void TestTestRules::successRate_data() {
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::newRow("3 of 5") << 3 << 5 << "60" << QString();
    QTest::newRow("2 of 3") << 2 << 3 << "66.6666666666667" << QString();
    QTest::newRow("5 of 5") << 5 << 5 << "100" << QString();
    QTest::newRow("0 of 5") << 0 << 5 << "0" << QString();
    QTest::newRow("1 of 7") << 1 << 7 << "14.2857142857143" << QString();
    QTest::newRow("1 of 178") << 1 << 178 << "0.561797752808989" << QString();
    // A plain double quotient gives ...572 and ...518 here.
    QTest::newRow("27 of 35") << 27 << 35 << "77.1428571428571" << QString();
    QTest::newRow("14 of 27") << 14 << 27 << "51.8518518518519" << QString();
    // The user's decimal separator, never a group separator.
    QTest::newRow("2 of 3, German") << 2 << 3 << "66,6666666666667"
                                    << "de_DE";
    QTest::newRow("1 of 7, Swiss") << 1 << 7 << "14.2857142857143"
                                   << "de_CH";
}

void TestTestRules::successRate() {
    QFETCH(int, correct);
    QFETCH(int, asked);
    QFETCH(QString, text);
    QFETCH(QString, locale);
    const QLocale user = locale.isEmpty() ? QLocale::c() : QLocale(locale);
    QCOMPARE(testrules::successRateText(testrules::successRate(correct, asked), user), text);
}

void TestTestRules::reportOfTheTwoQuestionExample() {
    const QuestionBank bank = namedBank();
    // Question 1: record 1, correct 2, answered 3. Question 2: answered right.
    const TestState s = finishedTest({1, 4}, {2, 1}, {3, 1});
    const QStringList lines = testrules::reportLines(s, bank);
    const QString correct =
        R"(<b><font face="Verdana" size="1" color="#FFFFFF"><span style="background-color: #008000">&nbsp;- CORRECT ANSWER</span></font></b><br>)";
    const QString chosen =
        R"(<b><font face="Verdana" size="1" color="#FFFFFF"><span style="background-color: #FF5050">&nbsp;- YOUR ANSWER</span></font></b><br>)";
    const QStringList expected = {
        R"(<font color="#FFFFFF" size="5"><span style="font-weight: 700; background-color: #FF5050">List of All Incorrect Answers</span></font><br><br><br>)",
        "L8<br>",
        "L9<br>",
        R"(<span style="background-color: #00ff00">)",
        "L10" + correct,
        "</span>",
        R"(<span style="background-color: #ff0000">)",
        "L11" + chosen,
        "</span>",
        "L12<br>",
        "<br><hr><br>"};
    QCOMPARE(lines, expected);
}

void TestTestRules::reportLineCounts_data() {
    QTest::addColumn<QList<int>>("given");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("congratulates");
    QTest::newRow("all correct") << QList<int>{1, 2, 3, 4, 1} << 1 << true;
    QTest::newRow("all wrong") << QList<int>{2, 3, 4, 1, 2} << 51 << false;
    QTest::newRow("one wrong") << QList<int>{1, 2, 3, 4, 4} << 11 << false;
}

void TestTestRules::reportLineCounts() {
    QFETCH(QList<int>, given);
    QFETCH(int, lines);
    QFETCH(bool, congratulates);
    const TestState s = finishedTest({10, 20, 30, 40, 50}, {1, 2, 3, 4, 1}, given);
    const QStringList report = testrules::reportLines(s, namedBank());
    QCOMPARE(report.size(), lines);
    QCOMPARE(report.first().contains("Congratulation, all of your answers were correct."),
             congratulates);
}

void TestTestRules::reportFollowsAskedOrder() {
    const TestState s = finishedTest({150, 3, 77}, {1, 1, 1}, {2, 2, 2});
    const QStringList report = testrules::reportLines(s, namedBank());
    QStringList questions;
    for (const QString& line : report) {
        if (line.endsWith("<br>") && line.startsWith('L') &&
            (line.mid(1).chopped(4).toInt() % 7) == 1)
            questions << line;
    }
    QCOMPARE(questions, (QStringList{"L1051<br>", "L22<br>", "L540<br>"}));
}

QTEST_APPLESS_MAIN(TestTestRules)
#include "tst_testrules.moc"
