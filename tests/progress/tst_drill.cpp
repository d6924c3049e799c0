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

QTEST_GUILESS_MAIN(TestDrill)
#include "tst_drill.moc"
