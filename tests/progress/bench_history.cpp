// The cost of the history at one size: a history of N tests (5 to 178 questions, about 70 %
// right, with drill answers) is made in the program's own tables, then the page's actions are
// timed on it, handler and repaint. Run once per size, each in a process of its own, so that
// the peak memory is this size's. Prints key=value lines.
//   bench_history <tests> <folder>
#include "content/content.h"
#include "progress/historystore.h"
#include "progress/progresspage.h"
#include "widgets/label.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>

namespace {

bool run(QSqlQuery& q, const QString& sql) {
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "bench_history: %s\n", qPrintable(q.lastError().text()));
    return false;
}

// Tests, answers and the kept state, written straight into the file the program made.
bool fill(const QString& path, int tests) {
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        ok = run(q, "BEGIN") &&
             run(q, QStringLiteral("WITH RECURSIVE t(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM t "
                                   "WHERE n < %1) INSERT INTO test (id, ended_at, length, answered,"
                                   " correct, incorrect, rate, ended_early) SELECT n, "
                                   "1000000000000 + n * 600000, 5 + n * 37 % 174, 5 + n * 37 % 174,"
                                   " 0, 0, 0, n % 9 = 0 FROM t")
                        .arg(tests)) &&
             run(q, "WITH RECURSIVE a(t, p) AS (SELECT id, 1 FROM test UNION ALL SELECT t, p + 1 "
                    "FROM a JOIN test ON test.id = a.t WHERE p < test.length) "
                    "INSERT INTO answer (test_id, position, record, given, key, answered_at, kind) "
                    "SELECT t, p, 1 + (t * 131 + p * 17) % 179, CASE WHEN (t * 7 + p * 13) % 10 < 7"
                    " THEN 1 + (t + p) % 4 ELSE 1 + (t + p + 1) % 4 END, 1 + (t + p) % 4, "
                    "1000000000000 + t * 600000, 'test' FROM a ORDER BY t, p") &&
             // Five drill answers after every tenth test.
             run(q, "WITH RECURSIVE d(t, k) AS (SELECT id, 1 FROM test WHERE id % 10 = 0 "
                    "UNION ALL SELECT t, k + 1 FROM d WHERE k < 5) INSERT INTO answer (record, "
                    "given, key, answered_at, kind) SELECT 1 + (t * 29 + k) % 179, 1 + (t + k) % 4,"
                    " 1 + (t + k * 3) % 4, 1000000000000 + t * 600000 + k, 'drill' FROM d") &&
             run(q, "UPDATE test SET correct = c.right, incorrect = answered - c.right, "
                    "rate = 100.0 * c.right / answered, first_answer = c.first FROM (SELECT "
                    "test_id, SUM(given = key) AS right, MIN(id) AS first FROM answer WHERE "
                    "test_id IS NOT NULL GROUP BY test_id) AS c WHERE c.test_id = test.id") &&
             run(q, "DELETE FROM question_state") &&
             run(q, "INSERT INTO question_state (record, misses, right_run, last_at, last_answer) "
                    "SELECT a.record, SUM(a.given <> a.key), SUM(a.id > COALESCE(w.last, 0)), "
                    "MAX(a.answered_at), MAX(a.id) FROM answer a LEFT JOIN (SELECT record, "
                    "MAX(id) AS last FROM answer WHERE given <> key GROUP BY record) w "
                    "ON w.record = a.record GROUP BY a.record") &&
             run(q, "COMMIT") && run(q, "PRAGMA wal_checkpoint(TRUNCATE)");
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

qint64 peakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_history <tests> <folder>\n");
        return 2;
    }
    const int tests = QString::fromLocal8Bit(argv[1]).toInt();
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(HistoryStore::fileName());
    if (tests > 0) {
        HistoryStore maker(folder);
        maker.recordTest({QDateTime::fromMSecsSinceEpoch(1), 5, false, {{1, 1, 1}}});
        maker.waitForWrites(10000);
    }
    if (tests > 0) {
        QFile::remove(path + QStringLiteral("-wal"));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("DELETE FROM test"));
        QSqlQuery(db).exec(QStringLiteral("DELETE FROM answer"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("x"));
        if (!fill(path, tests))
            return 1;
    }
    const qint64 fileBytes = QFileInfo(path).size();
    const qint64 before = peakKiB();

    const Content content = Content::builtIn();
    QWidget window;
    window.resize(757, 427);
    HistoryStore history(folder);
    QElapsedTimer clock;
    clock.start();
    history.hasCompletedTest(); // what the window does once its first frame is shown
    const double openMs = clock.nsecsElapsed() / 1e6;
    auto* page = new ProgressPage(&window, history, content.bank, content.chapters);
    page->setGeometry(0, 0, 757, 427);
    window.show();
    QApplication::processEvents();

    const auto timed = [&](auto action) {
        clock.restart();
        action();
        page->grab(); // the repaint it causes
        return clock.nsecsElapsed() / 1e6;
    };
    QList<double> open, finish, answer, next;
    for (int round = 0; round < 5; ++round) {
        open << timed([&] { page->refresh(); });
        FinishedTest t{QDateTime::currentDateTimeUtc(), 178, false, {}};
        for (int i = 0; i < 178; ++i)
            t.questions.append({1 + (i * 7 + round) % 179, 1 + i % 4, 1 + (i / 3) % 4});
        finish << timed([&] {
            history.recordTest(t);
            page->refresh();
        });
        page->DrillButton->click();
        page->DrillOptions[round % 4]->click();
        answer << timed([&] { page->DrillSubmit->click(); });
        next << timed([&] { page->DrillSubmit->click(); });
    }
    history.waitForWrites(30000);
    std::printf("tests=%d\nfile_bytes=%lld\nbytes_per_test=%lld\nopen_ms=%.2f\nprogress_ms=%.2f\n"
                "finish_ms=%.2f\ndrill_answer_ms=%.2f\nnext_question_ms=%.2f\n"
                "peak_kib=%lld\npeak_before_page_kib=%lld\n",
                tests, fileBytes, tests ? fileBytes / tests : 0, openMs, median(open),
                median(finish), median(answer), median(next), peakKiB(), before);
    return 0;
}
