#include "progress/historystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

class TestHistoryStore : public QObject {
    Q_OBJECT
private slots:
    void init() { warnings.clear(); }
    void recordsTestsAndDrillAnswers();
    void twoWindowsFinishingAtOnceAreBothKept();
    void brokenFileIsMovedAsideAndTheHistoryStartsAfresh_data();
    void brokenFileIsMovedAsideAndTheHistoryStartsAfresh();
    void withoutUserFolderNothingIsWrittenButTheRunKeepsItsTests();

private:
    static FinishedTest test(bool early, QList<AskedQuestion> questions, qint64 at = 1000) {
        return {QDateTime::fromMSecsSinceEpoch(at), 5, early, std::move(questions)};
    }
    QStringList warnings;
    std::function<void(const QString&)> warn() {
        return [this](const QString& text) { warnings << text; };
    }
};

void TestHistoryStore::recordsTestsAndDrillAnswers() {
    QTemporaryDir dir;
    {
        HistoryStore store(dir.path(), warn());
        QVERIFY(!store.hasCompletedTest());
        QVERIFY2(!QFile::exists(store.path()), "asking must not create the file");
        store.recordTest(test(true, {{7, 2, 2}}, 1000)); // ended early after one answer
        QVERIFY(!store.hasCompletedTest());
        store.recordTest(
            test(false, {{3, 1, 1}, {9, 2, 4}, {4, 3, 3}, {5, 4, 4}, {6, 0, 1}}, 2000));
        store.recordDrillAnswer({9, 4, 4}, QDateTime::fromMSecsSinceEpoch(3000));
        QVERIFY(store.problem().isEmpty());
    }
    HistoryStore again(dir.path(), warn()); // a later run reads what the first one wrote
    QVERIFY(again.hasCompletedTest());
    const QList<HistoryStore::Test> tests = again.tests();
    QCOMPARE(tests.size(), 2);
    QCOMPARE(tests[0].endedEarly, true);
    QCOMPARE(tests[0].answered, 1);
    QCOMPARE(tests[1].endedAt, QDateTime::fromMSecsSinceEpoch(2000));
    QCOMPARE(tests[1].length, 5);
    QCOMPARE(tests[1].correct, 3);
    QCOMPARE(tests[1].rate, 60.0);
    const QList<Attempt> attempts = again.attempts();
    QCOMPARE(attempts.size(), 7);
    QCOMPARE(attempts[2].question, (AskedQuestion{9, 2, 4}));
    QCOMPARE(attempts[5].question, (AskedQuestion{6, 0, 1}));
    QCOMPARE(attempts[6].question, (AskedQuestion{9, 4, 4}));
    QVERIFY(attempts[6].drill && !attempts[5].drill);
    QVERIFY(warnings.isEmpty());
}

void TestHistoryStore::twoWindowsFinishingAtOnceAreBothKept() {
    QTemporaryDir dir;
    constexpr int kEach = 25;
    const auto window = [&](int id) {
        HistoryStore store(dir.path(), [](const QString&) {});
        for (int i = 0; i < kEach; ++i)
            store.recordTest(test(false, {{id, 1, 1}, {id + 1, 2, 1}}, 1000 + i));
        QVERIFY2(store.problem().isEmpty(), qPrintable(store.problem()));
    };
    std::thread first(window, 10);
    std::thread second(window, 20);
    first.join();
    second.join();
    HistoryStore reader(dir.path(), warn());
    QCOMPARE(reader.tests().size(), 2 * kEach);
    QCOMPARE(reader.attempts().size(), 4 * kEach);
}

void TestHistoryStore::brokenFileIsMovedAsideAndTheHistoryStartsAfresh_data() {
    QTest::addColumn<bool>("damaged");
    QTest::newRow("not a database") << false;
    QTest::newRow("damaged database") << true;
}

void TestHistoryStore::brokenFileIsMovedAsideAndTheHistoryStartsAfresh() {
    QFETCH(bool, damaged);
    QTemporaryDir dir;
    const QString path = dir.filePath(HistoryStore::fileName());
    if (damaged) {
        {
            HistoryStore store(dir.path(), warn());
            for (int i = 0; i < 200; ++i)
                store.recordTest(test(false, {{1, 1, 1}, {2, 2, 1}}, i));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(4096); // past the header: the second page onwards
        file.write(QByteArray(8192, '\x5a'));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("My own notes, not a database at all.\n");
    }
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    warnings.clear();
    HistoryStore store(dir.path(), warn());
    store.recordTest(test(false, {{4, 2, 2}}, 5000));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].contains(QLatin1String("moved to")));
    QCOMPARE(store.problem(), warnings[0]); // the page says it too
    const QStringList aside =
        QDir(dir.path()).entryList({HistoryStore::fileName() + QStringLiteral(".broken-*")});
    QCOMPARE(aside.size(), 1);
    QFile kept(dir.filePath(aside[0]));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
    HistoryStore reader(dir.path(), warn());
    QCOMPARE(reader.tests().size(), 1);
    QVERIFY(reader.hasCompletedTest());
}

void TestHistoryStore::withoutUserFolderNothingIsWrittenButTheRunKeepsItsTests() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    HistoryStore store(QString(), warn());
    QVERIFY(!store.hasCompletedTest());
    store.recordTest(test(false, {{8, 1, 2}}));
    store.recordDrillAnswer({8, 2, 2}, QDateTime::fromMSecsSinceEpoch(2000));
    QVERIFY(store.hasCompletedTest());
    QCOMPARE(store.tests().size(), 1);
    QCOMPARE(store.attempts().size(), 2);
    QVERIFY(store.problem().contains(QLatin1String("no user data folder")));
    QCOMPARE(warnings.size(), 1); // told once, not at every answer
    QVERIFY(QDir(dir.path()).isEmpty());
    QDir::setCurrent(previous);
}

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
