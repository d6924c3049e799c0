#include "progress/drill.h"

#include <QRegularExpression>
#include <QTest>

// Answers written as "record:given/key@time", drill answers with a trailing "d".
static QList<Attempt> attempts(const QString& script) {
    QList<Attempt> list;
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = QString(word).remove(u'd').split(QRegularExpression("[:/@]"));
        list.append({{parts[0].toInt(), parts[1].toInt(), parts[2].toInt()},
                     parts[3].toLongLong(),
                     word.endsWith(u'd')});
    }
    return list;
}

class TestDrill : public QObject {
    Q_OBJECT
private slots:
    void queue_data();
    void queue();
    void spacedChecks_data();
    void spacedChecks();
};

void TestDrill::queue_data() {
    QTest::addColumn<QString>("history");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("nothing missed") << "1:1/1@1 2:3/3@1" << QList<int>{};
    QTest::newRow("a miss joins") << "1:1/1@1 2:2/3@1" << QList<int>{2};
    QTest::newRow("unanswered counts as a miss") << "5:0/2@1" << QList<int>{5};
    QTest::newRow("most misses first") << "4:1/2@1 7:1/2@1 7:1/2@2" << QList<int>{7, 4};
    QTest::newRow("then oldest last attempt") << "4:1/2@5 7:1/2@1 9:1/2@3" << QList<int>{7, 9, 4};
    QTest::newRow("same time keeps the order answered") << "9:1/2@1 4:1/2@1" << QList<int>{9, 4};
    QTest::newRow("one right is not enough") << "3:1/2@1 3:2/2@2d" << QList<int>{3};
    QTest::newRow("two right in a row leave") << "3:1/2@1 3:2/2@2d 3:2/2@3d" << QList<int>{};
    QTest::newRow("a miss between breaks the row")
        << "3:1/2@1 3:2/2@2d 3:1/2@3d 3:2/2@4d" << QList<int>{3};
    QTest::newRow("a right test answer counts") << "3:1/2@1 3:2/2@2d 3:2/2@3" << QList<int>{};
    QTest::newRow("missed again in a test, back in")
        << "3:1/2@1 3:2/2@2d 3:2/2@3d 3:4/2@4" << QList<int>{3};
    QTest::newRow("misses add up over tests and drills")
        << "3:1/2@1 3:1/2@2d 8:1/2@1 8:2/2@3d 6:4/3@0" << QList<int>{3, 6, 8};
}

void TestDrill::queue() {
    QFETCH(QString, history);
    QFETCH(QList<int>, expected);
    QCOMPARE(drill::queue(attempts(history)), expected);
}

// Times in days from a Monday afternoon: a check falls due at the start of its day.
static qint64 onDay(qint64 day) {
    return QDate(2026, 3, 2).addDays(day).startOfDay().addSecs(15 * 3600).toMSecsSinceEpoch();
}

void TestDrill::spacedChecks_data() {
    QTest::addColumn<QString>("history"); // as above, times in days
    QTest::addColumn<int>("today");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("dueDay"); // of record 3; -1 for none
    QTest::addColumn<int>("checks");
    const QString left = "3:1/2@0 3:2/2@0d 3:2/2@1d"; // out of the drill on day 1
    QTest::newRow("not due before the third day") << left << 3 << QList<int>{} << 4 << 0;
    QTest::newRow("due from the start of that day") << left << 4 << QList<int>{3} << 4 << 0;
    QTest::newRow("a right answer before the day is no check")
        << left + " 3:2/2@2" << 4 << QList<int>{3} << 4 << 0;
    QTest::newRow("passed: next in 10 days") << left + " 3:2/2@5d" << 5 << QList<int>{} << 15 << 1;
    QTest::newRow("then in 30 days")
        << left + " 3:2/2@5d 3:2/2@15d" << 15 << QList<int>{} << 45 << 2;
    QTest::newRow("three passed: no more checks")
        << left + " 3:2/2@5d 3:2/2@15d 3:2/2@50" << 400 << QList<int>{} << -1 << 3;
    QTest::newRow("a miss at a check returns it to the drill")
        << left + " 3:1/2@5d" << 5 << QList<int>{3} << -1 << 0;
    QTest::newRow("and it leaves again with a new schedule")
        << left + " 3:1/2@5d 3:2/2@6d 3:2/2@7d" << 9 << QList<int>{} << 10 << 0;
    QTest::newRow("due checks come before the drill")
        << left + " 4:1/2@0 4:1/2@0" << 4 << QList<int>{3, 4} << 4 << 0;
}

void TestDrill::spacedChecks() {
    QFETCH(QString, history);
    QFETCH(int, today);
    QFETCH(QList<int>, expected);
    QFETCH(int, dueDay);
    QFETCH(int, checks);
    QList<Attempt> list = attempts(history);
    for (Attempt& a : list)
        a.at = onDay(a.at);
    const qint64 now = QDate(2026, 3, 2).addDays(today).startOfDay().toMSecsSinceEpoch() + 1;
    QCOMPARE(drill::queue(list, now), expected);
    for (const drill::QuestionState& s : drill::replay(list)) {
        if (s.record != 3)
            continue;
        QCOMPARE(s.dueAt.value_or(-1),
                 dueDay < 0 ? -1
                            : QDate(2026, 3, 2).addDays(dueDay).startOfDay().toMSecsSinceEpoch());
        QCOMPARE(s.checks, checks);
    }
}

QTEST_GUILESS_MAIN(TestDrill)
#include "tst_drill.moc"
