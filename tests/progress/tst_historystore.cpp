#include "progress/historystore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>
#include <vector>

using Problem = HistoryStore::Problem;
Q_DECLARE_METATYPE(Problem)

namespace {

FinishedTest test(bool early, QList<AskedQuestion> questions, qint64 at = 1000) {
    return {QDateTime::fromMSecsSinceEpoch(at), 5, early, std::move(questions)};
}

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file as another program sees it, with a connection of its own.
struct Raw {
    explicit Raw(const QString& path) : name(QStringLiteral("raw-%1").arg(++count)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Raw() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant one(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name, false));
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }
    bool run(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name, false));
        return q.exec(sql) || (qWarning() << q.lastError().text(), false);
    }
    // Every answer in the order written, as the kept state must have seen them.
    QList<Attempt> answers() {
        QList<Attempt> list;
        QSqlQuery q(QSqlDatabase::database(name, false));
        q.exec(QStringLiteral("SELECT record, given, key, answered_at FROM answer ORDER BY id"));
        while (q.next())
            list.append({{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()},
                         q.value(3).toLongLong(),
                         false});
        return list;
    }
    QString plan(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name, false));
        QStringList steps;
        q.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        while (q.next())
            steps << q.value(3).toString();
        return steps.join(u'\n');
    }
    QString name;
    static inline int count = 0;
};

// A small disk of its own, taken away again whatever the test's outcome.
struct Mount {
    Mount(QString at, const QString& options) : folder(std::move(at)) {
        mounted = !folder.isEmpty() && ::geteuid() == 0 &&
                  QProcess::execute(QStringLiteral("mount"),
                                    {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                     QStringLiteral("-o"), options + QStringLiteral(",mode=0700"),
                                     QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~Mount() {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {folder});
    }
    QString folder;
    bool mounted = false;
};

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
private slots:
    void init() { problems.clear(); }
    void keptStateMatchesARecount_data();
    void keptStateMatchesARecount();
    void earlierFileIsMigratedKeepingEveryRow_data();
    void earlierFileIsMigratedKeepingEveryRow();
    void faults_data();
    void faults();
    void writeFailuresAreRetriedAndKeptForTheNextRun();
    void withoutUserFolderNothingIsWrittenButTheRunKeepsItsTests();

private:
    QList<Problem> problems;
    std::function<void(const HistoryStore::Status&)> warn() {
        return [this](const HistoryStore::Status& s) { problems << s.problem; };
    }
};

void TestHistoryStore::keptStateMatchesARecount_data() {
    QTest::addColumn<int>("windows");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("one window") << 1 << 7u;
    QTest::newRow("another sequence") << 1 << 1234u;
    QTest::newRow("two windows at once") << 2 << 99u;
}

// After random tests and drill answers, what is kept of each question must be what its answers
// say, and a later run must see the tests.
void TestHistoryStore::keptStateMatchesARecount() {
    QFETCH(int, windows);
    QFETCH(quint32, seed);
    QTemporaryDir dir;
    // Each window is a process of its own, as the program's windows are, all writing at once.
    QList<QProcess*> processes;
    for (int w = 0; w < windows; ++w) {
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HISTORY_WINDOW"), dir.path());
        env.insert(QStringLiteral("HISTORY_WINDOW_SEED"), QString::number(seed + w));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QCoreApplication::applicationFilePath(), {});
        processes << process;
    }
    for (QProcess* process : processes) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
        delete process;
    }
    HistoryStore later(dir.path(), warn());
    Raw raw(dir.filePath(HistoryStore::fileName()));
    QCOMPARE(later.questionStates(), drill::replay(raw.answers()).toList());
    QCOMPARE(
        raw.one(QStringLiteral("SELECT count(*) FROM test")).toInt(),
        40 * windows -
            raw.one(QStringLiteral("SELECT count(*) FROM answer WHERE kind = 'drill'")).toInt());
    QVERIFY(problems.isEmpty());
}

void TestHistoryStore::earlierFileIsMigratedKeepingEveryRow_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("version 1") << 1;
    QTest::newRow("version 2") << 2;
}

void TestHistoryStore::earlierFileIsMigratedKeepingEveryRow() {
    QFETCH(int, version);
    QTemporaryDir dir;
    const QString path = dir.filePath(HistoryStore::fileName());
    {
        // As version 1 made it, with its index.
        Raw v1(path);
        QVERIFY(v1.run("PRAGMA journal_mode=WAL"));
        QVERIFY(v1.run("CREATE TABLE test (id INTEGER PRIMARY KEY, ended_at INTEGER NOT NULL,"
                       " length INTEGER NOT NULL, answered INTEGER NOT NULL, correct INTEGER NOT "
                       "NULL, incorrect INTEGER NOT NULL, rate REAL NOT NULL, ended_early INTEGER "
                       "NOT NULL)"));
        QVERIFY(v1.run("CREATE TABLE answer (id INTEGER PRIMARY KEY, test_id INTEGER REFERENCES "
                       "test(id), position INTEGER, record INTEGER NOT NULL, given INTEGER NOT "
                       "NULL, key INTEGER NOT NULL, answered_at INTEGER NOT NULL, kind TEXT NOT "
                       "NULL CHECK (kind IN ('test', 'drill')))"));
        QVERIFY(v1.run("CREATE INDEX answer_record ON answer(record)"));
        QVERIFY(v1.run("PRAGMA user_version = 1"));
        for (int t = 1; t <= 30; ++t) {
            QVERIFY(v1.run(QStringLiteral("INSERT INTO test VALUES (%1, %2, 3, 3, 2, 1, 66.7, 0)")
                               .arg(t)
                               .arg(1000 * t)));
            for (int p = 1; p <= 3; ++p)
                QVERIFY(v1.run(QStringLiteral("INSERT INTO answer (test_id, position, record, "
                                              "given, key, answered_at, kind) VALUES (%1, %2, %3,"
                                              " %4, 2, %5, 'test')")
                                   .arg(t)
                                   .arg(p)
                                   .arg((t * p) % 11 + 1)
                                   .arg(p == 3 ? 1 : 2)
                                   .arg(1000 * t)));
            QVERIFY(v1.run(QStringLiteral("INSERT INTO answer (record, given, key, answered_at, "
                                          "kind) VALUES (%1, 2, 2, %2, 'drill')")
                               .arg(t % 5 + 1)
                               .arg(1000 * t + 500)));
        }
        QVERIFY(v1.run("INSERT INTO answer (record, given, key, answered_at, kind) "
                       "VALUES (999, 1, 1, 1, 'drill')")); // hand-edited: kept, not counted
        // As version 2 brought it up to date, with the kept state it wrote: no due dates.
        if (version == 2) {
            for (const char* step :
                 {"ALTER TABLE test ADD COLUMN kind TEXT NOT NULL DEFAULT 'random'",
                  "ALTER TABLE test ADD COLUMN first_answer INTEGER",
                  "UPDATE test SET first_answer = (SELECT MIN(id) FROM answer WHERE test_id = "
                  "test.id)",
                  "DROP INDEX answer_record",
                  "CREATE INDEX test_recent ON test(ended_early, ended_at)",
                  "CREATE TABLE question_state (record INTEGER PRIMARY KEY, misses INTEGER NOT "
                  "NULL, right_run INTEGER NOT NULL, last_at INTEGER NOT NULL, last_answer "
                  "INTEGER NOT NULL, due_at INTEGER)",
                  "INSERT INTO question_state SELECT record, SUM(given <> key), 0, "
                  "MAX(answered_at), MAX(id), NULL FROM answer WHERE record <= 179 GROUP BY record",
                  "CREATE TABLE session (id INTEGER PRIMARY KEY, boot TEXT NOT NULL, pid INTEGER "
                  "NOT NULL, applied INTEGER NOT NULL DEFAULT 0)",
                  "CREATE TABLE pending_applied (token TEXT PRIMARY KEY)",
                  "CREATE TABLE notice (id INTEGER PRIMARY KEY, kind TEXT NOT NULL, tests INTEGER "
                  "NOT NULL, place TEXT NOT NULL, dismissed INTEGER NOT NULL DEFAULT 0)",
                  "PRAGMA user_version = 2"})
                QVERIFY(v1.run(QLatin1String(step)));
        }
    }
    HistoryStore store(dir.path(), warn());
    QVERIFY(store.hasCompletedTest());
    store.recordDrillAnswer({4, 1, 2}, QDateTime::fromMSecsSinceEpoch(99000));
    QVERIFY(store.waitForWrites(10000));
    Raw raw(path);
    QCOMPARE(raw.one("PRAGMA user_version").toInt(), 3);
    QCOMPARE(raw.one("SELECT count(*) FROM test").toInt(), 30);
    QCOMPARE(raw.one("SELECT count(*) FROM answer").toInt(), 30 * 4 + 2);
    QCOMPARE(raw.one("SELECT count(*) FROM test WHERE first_answer IS NULL").toInt(), 0);
    QCOMPARE(raw.one("SELECT count(*) FROM sqlite_schema WHERE name = 'answer_record'").toInt(), 0);
    QList<Attempt> answers = raw.answers();
    answers.removeIf([](const Attempt& a) { return a.question.record > 179; });
    // Ordered by answer id in the file, by place in the list here: compared without it.
    const auto unordered = [](QList<drill::QuestionState> states) {
        for (drill::QuestionState& s : states)
            s.lastAnswer = 0;
        return states;
    };
    QCOMPARE(unordered(store.questionStates()), unordered(drill::replay(answers)));
    // Questions that had left the drill before the file was brought up to date have their check.
    QVERIFY(raw.one("SELECT count(*) FROM question_state WHERE due_at IS NOT NULL").toInt() > 0);
    // The page's reads go by index, whatever the size of the history.
    QCOMPARE(raw.plan("SELECT id, ended_at, length, answered, correct, rate FROM test WHERE "
                      "ended_early = 0 ORDER BY ended_at DESC, id DESC LIMIT 15"),
             QStringLiteral("SEARCH test USING INDEX test_recent (ended_early=?)"));
    QCOMPARE(raw.plan("SELECT kind FROM test WHERE ended_early = 1 AND ended_at <= 5 AND NOT "
                      "(ended_at = 5 AND id >= 3) ORDER BY ended_at DESC, id DESC LIMIT 50"),
             QStringLiteral("SEARCH test USING INDEX test_recent (ended_early=? AND ended_at<?)"));
    QCOMPARE(raw.plan("SELECT record FROM answer WHERE id >= 3 AND id < 9 AND test_id = 2"),
             QStringLiteral("SEARCH answer USING INTEGER PRIMARY KEY (rowid>? AND rowid<?)"));
    // A past test reads back as it was written.
    const std::optional<FinishedTest> second = store.test(2);
    QVERIFY(second && second->questions.size() == 3);
    QCOMPARE(second->questions[2], (AskedQuestion{7, 1, 2}));
    QVERIFY(problems.isEmpty());
}

void TestHistoryStore::faults_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<bool>("shown");   // the history before is still shown
    QTest::addColumn<bool>("written"); // the new test reaches a file
    QTest::newRow("not a database") << "notdb" << Problem::SetAside << false << true;
    QTest::newRow("damaged page") << "damaged" << Problem::SetAside << true << true;
    QTest::newRow("foreign tables") << "foreign" << Problem::SetAside << false << true;
    QTest::newRow("history is a link") << "link" << Problem::Link << false << false;
    QTest::newRow("-wal is a link") << "link-wal" << Problem::Link << true << false;
    QTest::newRow("-shm is a link") << "link-shm" << Problem::Link << true << false;
    QTest::newRow("folder open to others") << "open" << Problem::OpenToOthers << true << false;
    QTest::newRow("read-only folder") << "readonly" << Problem::ReadOnlyFolder << true << false;
}

void TestHistoryStore::faults() {
    QFETCH(QString, fault);
    QFETCH(Problem, problem);
    QFETCH(bool, shown);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("orvane"));
    QDir().mkpath(folder);
    const bool readOnly = fault == QLatin1String("readonly");
    const Mount disk(readOnly ? folder : QString(), QStringLiteral("size=8m"));
    if (readOnly && !disk.mounted)
        QSKIP("needs root to mount a read-only folder");
    const QString path = QDir(folder).filePath(HistoryStore::fileName());
    const QString other = dir.filePath(QStringLiteral("mine.sqlite")); // another file of the user's
    {
        HistoryStore before(folder, warn());
        for (int i = 0; i < 200; ++i)
            before.recordTest(test(false, {{1, 1, 1}, {2, 2, 1}}, i));
        QVERIFY2(before.waitForWrites(10000), qPrintable(before.problems().value(0).detail));
    }
    if (fault == QLatin1String("notdb")) {
        QFile::remove(path);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("My own notes, not a database at all.\n");
    } else if (fault == QLatin1String("damaged")) {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.seek(file.size() / 8192 * 4096); // a page in the middle
        file.write(QByteArray(4096, '\x5a'));
        Raw(path).run("INSERT INTO session VALUES (1, 'a boot long gone', 1, 0)"); // a crash
    } else if (fault == QLatin1String("foreign")) {
        QFile::remove(path);
        Raw(path).run("CREATE TABLE test (id INTEGER PRIMARY KEY, name TEXT)");
    } else if (fault.startsWith(QLatin1String("link"))) {
        Raw(other).run("CREATE TABLE notes (text TEXT)");
        const QString suffix = fault.mid(4);
        if (suffix.isEmpty())
            QFile::remove(path);
        QVERIFY(QFile::link(other, path + suffix));
    } else if (fault == QLatin1String("open")) {
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
    } else if (fault == QLatin1String("readonly")) {
        QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-o"), QStringLiteral("remount,ro"), folder});
    }
    const QByteArray original = bytes(fault.startsWith(QLatin1String("link")) ? other : path);
    problems.clear();
    {
        HistoryStore store(folder, warn());
        store.recordTest(test(false, {{4, 2, 2}}, 5000));
        store.waitForWrites(10000);
        QCOMPARE(problems.value(0), problem);
        QCOMPARE(store.recentTests().size(), shown ? 15 : 1);
        QCOMPARE(store.problems().value(0).problem, problem);
        QCOMPARE(store.recentTests().last().endedAt, QDateTime::fromMSecsSinceEpoch(5000));
    }
    if (problem == Problem::SetAside) {
        QStringList aside = QDir(folder).entryList({HistoryStore::fileName() + ".broken-*"});
        aside.removeIf(
            [](const QString& name) { return name.endsWith("-wal") || name.endsWith("-shm"); });
        QCOMPARE(aside.size(), 1);
        if (fault != QLatin1String("damaged")) // ours: our own session row may have reached it
            QCOMPARE(bytes(QDir(folder).filePath(aside[0])), original); // kept as it was
    } else {
        QCOMPARE(bytes(fault.startsWith(QLatin1String("link")) ? other : path), original);
    }
    if (written) {
        HistoryStore later(folder, warn());
        later.recentTests();
        const int tests = later.problems().value(0).count;
        QCOMPARE(later.problems().value(0).problem, problem); // in every run...
        QVERIFY2(fault != QLatin1String("damaged") || tests > 100,
                 qPrintable(QString::number(tests)));
        QCOMPARE(Raw(path).one("SELECT count(*) FROM test").toInt(), tests + 1);
        later.dismissNotices(); // ...until dismissed
        QVERIFY(later.waitForWrites(10000));
        HistoryStore again(folder, warn());
        again.recentTests();
        QVERIFY(again.problems().isEmpty());
    }
}

// A lock held past the busy timeout, then a full disk: the window goes on, the test is shown,
// the warning lasts until the write succeeds; what is left at the end is applied by the next
// run, once.
void TestHistoryStore::writeFailuresAreRetriedAndKeptForTheNextRun() {
    QTemporaryDir dir;
    const QString path = dir.filePath(HistoryStore::fileName());
    {
        HistoryStore first(dir.path(), warn());
        first.recordTest(test(false, {{1, 1, 2}}, 1000));
        QVERIFY(first.waitForWrites(10000));
    }
    {
        Raw locker(path);
        QVERIFY(locker.run("BEGIN IMMEDIATE"));
        HistoryStore store(dir.path(), warn());
        store.recordTest(test(false, {{2, 1, 2}}, 2000));
        QVERIFY(!store.waitForWrites(10000));
        QCOMPARE(store.problems().value(0).problem, Problem::Locked);
        QCOMPARE(store.recentTests().size(), 2);
        QCOMPARE(store.questionStates().size(), 2);
        QVERIFY(locker.run("ROLLBACK"));
        QVERIFY(store.waitForWrites(20000));
        QVERIFY(store.problems().isEmpty());
        QVERIFY(locker.run("BEGIN IMMEDIATE"));
        store.recordDrillAnswer({2, 2, 2}, QDateTime::fromMSecsSinceEpoch(3000));
    } // ends while locked: the answer goes to a pending file
    QCOMPARE(QDir(dir.path()).entryList({"*.pending-*"}).size(), 1);
    {
        HistoryStore a(dir.path(), warn());
        HistoryStore b(dir.path(), warn()); // two windows find it; it is applied once
        QCOMPARE(a.questionStates().value(1).rightRun, 1);
        a.hasCompletedTest();
        b.hasCompletedTest();
        QVERIFY(a.waitForWrites(10000));
        QVERIFY(b.waitForWrites(10000));
    }
    QCOMPARE(QDir(dir.path()).entryList({"*.pending-*"}).size(), 0);
    QCOMPARE(Raw(path).one("SELECT count(*) FROM answer WHERE kind = 'drill'").toInt(), 1);

    const QString small = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(small);
    const Mount disk(small, QStringLiteral("size=2m"));
    if (!disk.mounted)
        QSKIP("needs root to mount a small disk");
    {
        HistoryStore store(small, warn());
        store.recordTest(test(false, {{1, 1, 2}}, 1000));
        QVERIFY(store.waitForWrites(10000));
        QFile filler(QDir(small).filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        for (int i = 0; i < 40; ++i)
            store.recordTest(test(false, QList<AskedQuestion>(100, {3, 1, 2}), 2000 + i));
        QVERIFY(!store.waitForWrites(10000));
        QCOMPARE(store.problems().value(0).problem, Problem::DiskFull);
        QCOMPARE(store.recentTests().size(), 15);
        QVERIFY(filler.remove());
        QVERIFY2(store.waitForWrites(20000), qPrintable(store.problems().value(0).detail));
        QVERIFY(store.problems().isEmpty());
    }
    QCOMPARE(Raw(QDir(small).filePath(HistoryStore::fileName()))
                 .one("SELECT count(*) FROM test")
                 .toInt(),
             41);
}

void TestHistoryStore::withoutUserFolderNothingIsWrittenButTheRunKeepsItsTests() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        HistoryStore store(QString(), warn());
        QVERIFY(!store.hasCompletedTest());
        store.recordTest(test(false, {{8, 1, 2}}));
        store.recordDrillAnswer({8, 2, 2}, QDateTime::fromMSecsSinceEpoch(2000));
        QVERIFY(store.hasCompletedTest());
        QCOMPARE(store.recentTests().size(), 1);
        QCOMPARE(store.questionStates().value(0).rightRun, 1);
        QCOMPARE(problems, QList<Problem>{Problem::NoFolder}); // told once, not at every answer
    }
    QVERIFY(QDir(dir.path()).isEmpty());
    QDir::setCurrent(previous);
}

// One window of keptStateMatchesARecount: random tests and drill answers into the history in
// HISTORY_WINDOW; exits 0 once every write is made.
int runWindow(const QString& folder, quint32 seed) {
    QRandomGenerator random(seed);
    HistoryStore store(folder, [](const HistoryStore::Status& s) {
        qWarning("history problem %d: %s %s", int(s.problem), qPrintable(s.path),
                 qPrintable(s.detail));
    });
    for (int i = 0; i < 40; ++i) {
        const auto answer = [&] {
            const int key = random.bounded(1, 5);
            return AskedQuestion{random.bounded(1, 8), random.bounded(3) ? key : 0, key};
        };
        if (random.bounded(3) == 0) {
            store.recordDrillAnswer(answer(), QDateTime::fromMSecsSinceEpoch(10 * i));
            continue;
        }
        FinishedTest t = test(random.bounded(4) == 0, {}, 10 * i);
        for (int q = random.bounded(1, 6); q > 0; --q)
            t.questions.append(answer());
        store.recordTest(t);
    }
    return store.waitForWrites(20000) ? 0 : 1;
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (const QString folder = qEnvironmentVariable("HISTORY_WINDOW"); !folder.isEmpty())
        return runWindow(folder, qEnvironmentVariable("HISTORY_WINDOW_SEED").toUInt());
    TestHistoryStore tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}
#include "tst_historystore.moc"
