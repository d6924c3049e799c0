#include "progress/historydatabase.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A question's kept state from the columns misses, right_run, last_at, last_answer, due_at and
// checks, in that order from `first`.
drill::QuestionState stateAt(const QSqlQuery& query, int first) {
    drill::QuestionState s;
    s.misses = query.value(first).toInt();
    s.rightRun = query.value(first + 1).toInt();
    s.lastAt = query.value(first + 2).toLongLong();
    s.lastAnswer = query.value(first + 3).toLongLong();
    if (!query.value(first + 4).isNull())
        s.dueAt = query.value(first + 4).toLongLong();
    s.checks = query.value(first + 5).toInt();
    return s;
}

// SQLite's primary result codes.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kIoError = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCantOpen = 14;
constexpr int kNotADatabase = 26;

bool validAnswer(const AskedQuestion& q) {
    return q.record >= 1 && q.record <= 179 && q.given >= 0 && q.given <= 4 && q.key >= 1 &&
           q.key <= 4;
}

// The columns every query of ours names; a file whose tables lack one is not ours.
const char* const kVersion1Tables[] = {
    "SELECT id, ended_at, length, answered, correct, incorrect, rate, ended_early FROM test",
    "SELECT id, test_id, position, record, given, key, answered_at, kind FROM answer",
};
const char* const kVersion2Tables[] = {
    "SELECT kind, first_answer FROM test",
    "SELECT record, misses, right_run, last_at, last_answer, due_at FROM question_state",
    "SELECT id, boot, pid, applied FROM session",
    "SELECT token FROM pending_applied",
    "SELECT id, kind, tests, place, dismissed FROM notice",
};
const char* const kVersion3Tables[] = {
    "SELECT checks FROM question_state",
};

QString bootId() {
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed())
                                          : QString();
}

bool processAlive(qint64 pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

HistoryDatabase::HistoryDatabase(QString path, QString connection)
    : m_path(std::move(path)), m_connection(std::move(connection)) {}

HistoryDatabase::~HistoryDatabase() {
    close();
}

void HistoryDatabase::close() {
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool HistoryDatabase::isOpen() const {
    return QSqlDatabase::contains(m_connection) &&
           QSqlDatabase::database(m_connection, false).isOpen();
}

HistoryDatabase::Result HistoryDatabase::classify(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString detail = error.text();
    switch (code) {
    case kBusy:
    case kLocked:
        return {Code::Busy, detail};
    case kFull:
        return {Code::Full, detail};
    case kReadOnly:
        return {Code::ReadOnly, detail};
    case kCorrupt:
        return {Code::Damaged, detail};
    case kNotADatabase:
        return {Code::NotADatabase, detail};
    case kIoError:
    case kCantOpen:
    default:
        return {Code::Failed, detail};
    }
}

HistoryDatabase::Result HistoryDatabase::checkFile(const QString& file) {
    struct stat status {};
    if (::lstat(QFile::encodeName(file).constData(), &status) != 0)
        return errno == ENOENT ? Result{} : Result{Code::Failed, file};
    if (S_ISLNK(status.st_mode))
        return {Code::Link, file};
    if (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
        return {Code::NotOwn, file};
    return {};
}

HistoryDatabase::Result HistoryDatabase::checkFiles(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
        if (Result r = checkFile(path + QLatin1String(suffix)); !r.ok())
            return r;
    }
    return {};
}

bool HistoryDatabase::writable(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    struct statvfs volume {};
    if (::statvfs(folder.constData(), &volume) == 0 && (volume.f_flag & ST_RDONLY))
        return false;
    if (::access(folder.constData(), W_OK) != 0)
        return false;
    const QByteArray file = QFile::encodeName(path);
    return ::access(file.constData(), F_OK) != 0 || ::access(file.constData(), W_OK) == 0;
}

HistoryDatabase::Result HistoryDatabase::exec(QSqlQuery& query, const QString& sql) {
    if (query.exec(sql))
        return {};
    return classify(query.lastError());
}

HistoryDatabase::Result HistoryDatabase::open(bool readOnly, int busyMs) {
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return {Code::NoDriver, db.lastError().text()};
    if (readOnly) {
        // Immutable: a read-only file or folder could not take the -wal and -shm that a
        // reader otherwise makes, and would be left with them.
        db.setDatabaseName(QStringLiteral("file:%1?mode=ro&immutable=1")
                               .arg(QString::fromLatin1(QUrl::toPercentEncoding(m_path, "/"))));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs));
    }
    m_busyMs = busyMs;
    if (!db.open()) {
        const Result result = classify(db.lastError());
        close();
        return result;
    }
    return {};
}

HistoryDatabase::Result HistoryDatabase::inspect(int* version) {
    // Every read from one snapshot: another window making the tables between two reads would
    // otherwise show tables with no version, which only another program's file has.
    QSqlQuery hold(QSqlDatabase::database(m_connection, false));
    if (Result r = exec(hold, QStringLiteral("SAVEPOINT inspect")); !r.ok())
        return r;
    const Result result = inspectSnapshot(version);
    hold.exec(QStringLiteral("RELEASE inspect"));
    return result;
}

HistoryDatabase::Result HistoryDatabase::inspectSnapshot(int* version) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // The first read also finds out whether the file is a database at all.
    if (Result r = exec(query, QStringLiteral("PRAGMA user_version")); !r.ok())
        return r;
    if (!query.next())
        return classify(query.lastError());
    *version = query.value(0).toInt();
    query.finish();
    if (*version > kSchemaVersion)
        return {Code::Newer, QString::number(*version)};
    if (*version == 0) {
        // Version 1 named itself in the transaction that made its tables: a file with tables
        // and no version was made by someone else.
        if (Result r = exec(query, QStringLiteral("SELECT 1 FROM sqlite_schema LIMIT 1")); !r.ok())
            return r;
        return query.next() ? Result{Code::Foreign, {}} : Result{};
    }
    QList<const char*> tables(std::begin(kVersion1Tables), std::end(kVersion1Tables));
    if (*version >= 2)
        tables.append(QList<const char*>(std::begin(kVersion2Tables), std::end(kVersion2Tables)));
    if (*version >= 3)
        tables.append(QList<const char*>(std::begin(kVersion3Tables), std::end(kVersion3Tables)));
    for (const char* table : tables) {
        if (!query.exec(QLatin1String(table) + QLatin1String(" LIMIT 0"))) {
            const Result r = classify(query.lastError());
            return r.code == Code::Failed ? Result{Code::Foreign, r.detail} : r;
        }
    }
    return {};
}

HistoryDatabase::Result HistoryDatabase::prepare(int version) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    // SQLite takes the lock for the switch to WAL without its busy wait: two windows making
    // a new file at once would see one of them turned away. The wait is made here instead.
    const QDeadlineTimer deadline(m_busyMs);
    for (;;) {
        const Result r = exec(query, QStringLiteral("PRAGMA journal_mode=WAL"));
        if (r.ok())
            break;
        if (r.code != Code::Busy || deadline.hasExpired())
            return r;
        query.finish();
        QThread::msleep(10);
    }
    query.finish();
    if (version == kSchemaVersion)
        return {};
    // Two windows may both find the file to prepare: the write lock makes one of them do it
    // and the other see it done.
    if (Result r = exec(query, QStringLiteral("BEGIN IMMEDIATE")); !r.ok())
        return r;
    const auto fail = [&](Result r) {
        query.finish();
        query.exec(QStringLiteral("ROLLBACK"));
        return r;
    };
    int now = -1;
    if (Result r = inspect(&now); !r.ok())
        return fail(r);
    if (now == kSchemaVersion) {
        query.exec(QStringLiteral("COMMIT"));
        return {};
    }
    QStringList steps;
    if (now == 0) {
        steps << QStringLiteral("CREATE TABLE test ("
                                " id INTEGER PRIMARY KEY,"
                                " ended_at INTEGER NOT NULL," // milliseconds since the epoch, UTC
                                " length INTEGER NOT NULL,"
                                " answered INTEGER NOT NULL,"
                                " correct INTEGER NOT NULL,"
                                " incorrect INTEGER NOT NULL,"
                                " rate REAL NOT NULL,"
                                " ended_early INTEGER NOT NULL)")
              << QStringLiteral("CREATE TABLE answer ("
                                " id INTEGER PRIMARY KEY,"
                                " test_id INTEGER REFERENCES test(id)," // NULL for a drill answer
                                " position INTEGER,"
                                " record INTEGER NOT NULL,"
                                " given INTEGER NOT NULL,"
                                " key INTEGER NOT NULL,"
                                " answered_at INTEGER NOT NULL,"
                                " kind TEXT NOT NULL CHECK (kind IN ('test', 'drill')))");
    }
    if (now < 2)
        steps
            // What kind of test it was: the random test of the Test Yourself page, or a mock exam.
            << QStringLiteral("ALTER TABLE test ADD COLUMN kind TEXT NOT NULL DEFAULT 'random'")
            // A test's answers are written together, so their ids follow on from this one: a
            // test's answers are read back by id, without an index of their own.
            << QStringLiteral("ALTER TABLE test ADD COLUMN first_answer INTEGER")
            << QStringLiteral("UPDATE test SET first_answer = f.first FROM"
                              " (SELECT test_id, MIN(id) AS first FROM answer"
                              "  WHERE test_id IS NOT NULL GROUP BY test_id) AS f"
                              " WHERE f.test_id = test.id")
            // Version 1's index of answers by question served no query and took a quarter of
            // the file; the kept state below answers what it was meant for.
            << QStringLiteral("DROP INDEX IF EXISTS answer_record")
            << QStringLiteral("CREATE INDEX test_recent ON test(ended_early, ended_at)")
            << QStringLiteral("CREATE TABLE question_state ("
                              " record INTEGER PRIMARY KEY,"
                              " misses INTEGER NOT NULL,"
                              " right_run INTEGER NOT NULL," // right answers since the last miss
                              " last_at INTEGER NOT NULL,"
                              " last_answer INTEGER NOT NULL," // answer.id of the last answer
                              " due_at INTEGER)")              // when to ask it again; none yet
            << QStringLiteral("CREATE TABLE session ("
                              " id INTEGER PRIMARY KEY,"
                              " boot TEXT NOT NULL,"
                              " pid INTEGER NOT NULL,"
                              " applied INTEGER NOT NULL DEFAULT 0)")
            << QStringLiteral("CREATE TABLE pending_applied (token TEXT PRIMARY KEY)")
            << QStringLiteral("CREATE TABLE notice ("
                              " id INTEGER PRIMARY KEY,"
                              " kind TEXT NOT NULL,"     // damaged, foreign, not a database
                              " tests INTEGER NOT NULL," // recovered from it
                              " place TEXT NOT NULL,"    // where it was set aside
                              " dismissed INTEGER NOT NULL DEFAULT 0)");
    // Version 3: the spaced checks. Their dates were never written before, so every question's
    // state is worked out again from its answers, below.
    steps << QStringLiteral("ALTER TABLE question_state ADD COLUMN checks INTEGER NOT NULL "
                            "DEFAULT 0"); // checks passed since it last left the drill
    for (const QString& step : steps) {
        if (Result r = exec(query, step); !r.ok())
            return fail(r);
    }
    if (now >= 1) {
        if (Result r = rebuildStates(query); !r.ok())
            return fail(r);
    }
    if (Result r = exec(query, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        !r.ok())
        return fail(r);
    if (Result r = exec(query, QStringLiteral("COMMIT")); !r.ok())
        return fail(r);
    return {};
}

// Each question's state, from its answers in the order they were written.
HistoryDatabase::Result HistoryDatabase::rebuildStates(QSqlQuery& query) {
    if (Result r = exec(query, QStringLiteral("SELECT id, record, given, key, answered_at "
                                              "FROM answer ORDER BY id"));
        !r.ok())
        return r;
    QMap<int, drill::QuestionState> states;
    while (query.next()) {
        const AskedQuestion q{query.value(1).toInt(), query.value(2).toInt(),
                              query.value(3).toInt()};
        if (validAnswer(q))
            drill::apply(states[q.record], q, query.value(4).toLongLong(),
                         query.value(0).toLongLong());
    }
    if (query.lastError().isValid())
        return classify(query.lastError());
    query.finish();
    if (Result r = exec(query, QStringLiteral("DELETE FROM question_state")); !r.ok())
        return r;
    for (const drill::QuestionState& s : states) {
        if (Result r = writeState(s); !r.ok())
            return r;
    }
    return {};
}

HistoryDatabase::Result HistoryDatabase::writeState(const drill::QuestionState& s) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO question_state (record, misses, "
                                 "right_run, last_at, last_answer, due_at, checks) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v :
         {QVariant(s.record), QVariant(s.misses), QVariant(s.rightRun), QVariant(s.lastAt),
          QVariant(s.lastAnswer),
          s.dueAt ? QVariant(*s.dueAt) : QVariant(QMetaType(QMetaType::LongLong)),
          QVariant(s.checks)})
        query.addBindValue(v);
    return query.exec() ? Result{} : classify(query.lastError());
}

// In id order, a chunk at a time, read with a connection of its own to the damaged file: the
// rows read before a damaged page are kept, and a row that cannot be read is stepped over, by
// ever longer strides, until the table's end is found.
void HistoryDatabase::copyRows(QSqlQuery& old, const QString& table, const QString& columns) {
    const int count = int(columns.count(u',')) + 1;
    QSqlQuery insert(QSqlDatabase::database(m_connection, false));
    insert.prepare(QStringLiteral("INSERT OR IGNORE INTO %1 (%2) VALUES (?%3)")
                       .arg(table, columns, QStringLiteral(", ?").repeated(count - 1)));
    qint64 last = 0;
    qint64 stride = 1;
    for (int misses = 0; misses < 48;) {
        old = QSqlQuery(QSqlDatabase::database(m_connection + QStringLiteral("-old"), false));
        old.setForwardOnly(true);
        bool read = old.exec(QStringLiteral("SELECT %1 FROM %2 WHERE id > %3 ORDER BY id LIMIT 256")
                                 .arg(columns, table)
                                 .arg(last));
        int rows = 0;
        while (read && old.next()) {
            for (int c = 0; c < count; ++c)
                insert.bindValue(c, old.value(c));
            insert.exec();
            last = old.value(0).toLongLong();
            ++rows;
        }
        read = read && !old.lastError().isValid();
        if (read && rows == 0)
            return;
        if (rows > 0) {
            stride = 1;
            misses = 0;
        }
        if (!read && rows == 0) {
            last += stride;
            stride *= 2;
            ++misses;
        }
    }
}

HistoryDatabase::Result HistoryDatabase::salvage(const QString& from, int* tests) {
    *tests = 0;
    const QString name = m_connection + QStringLiteral("-old");
    {
        QSqlDatabase oldDb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        oldDb.setDatabaseName(QStringLiteral("file:%1?mode=ro")
                                  .arg(QString::fromLatin1(QUrl::toPercentEncoding(from, "/"))));
        oldDb.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        if (oldDb.open() && exec(query, QStringLiteral("BEGIN IMMEDIATE")).ok()) {
            QSqlQuery old(oldDb);
            copyRows(old, QStringLiteral("test"),
                     QStringLiteral("id, ended_at, length, answered, correct, incorrect, rate, "
                                    "ended_early"));
            copyRows(
                old, QStringLiteral("answer"),
                QStringLiteral("id, test_id, position, record, given, key, answered_at, kind"));
            old = QSqlQuery();
            // Tests whose answers were lost keep their scores.
            exec(query, QStringLiteral("UPDATE test SET first_answer = f.m FROM (SELECT test_id, "
                                       "MIN(id) AS m FROM answer WHERE test_id IS NOT NULL GROUP "
                                       "BY test_id) AS f WHERE f.test_id = test.id"));
            if (exec(query, QStringLiteral("SELECT count(*) FROM test")).ok() && query.next())
                *tests = query.value(0).toInt();
            query.finish();
            QSqlQuery fresh(QSqlDatabase::database(m_connection, false));
            if (!rebuildStates(fresh).ok() || !exec(fresh, QStringLiteral("COMMIT")).ok()) {
                exec(fresh, QStringLiteral("ROLLBACK"));
                *tests = 0;
            }
        }
        oldDb.close();
    }
    QSqlDatabase::removeDatabase(name);
    return addNotice(QStringLiteral("damaged"), from, *tests);
}

HistoryDatabase::Result HistoryDatabase::addNotice(const QString& kind, const QString& place,
                                                   int tests) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO notice (kind, tests, place) VALUES (?, ?, ?)"));
    query.addBindValue(kind);
    query.addBindValue(tests);
    query.addBindValue(place);
    return query.exec() ? Result{} : classify(query.lastError());
}

HistoryDatabase::Result HistoryDatabase::quickCheck() {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (Result r = exec(query, QStringLiteral("PRAGMA quick_check")); !r.ok())
        return r;
    if (!query.next())
        return classify(query.lastError());
    if (query.value(0).toString() != QLatin1String("ok"))
        return {Code::Damaged, query.value(0).toString()};
    return {};
}

HistoryDatabase::Result HistoryDatabase::startSession(qint64 session, bool* unclean) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const QString boot = bootId();
    if (Result r = exec(query, QStringLiteral("BEGIN IMMEDIATE")); !r.ok())
        return r;
    const auto fail = [&](Result r) {
        query.finish();
        query.exec(QStringLiteral("ROLLBACK"));
        return r;
    };
    // A window that ended cleanly took its row away; one left behind by a process that is
    // gone, or by another boot, means the file was not closed.
    if (Result r = exec(query, QStringLiteral("SELECT id, boot, pid FROM session")); !r.ok())
        return fail(r);
    QList<qint64> stale;
    while (query.next()) {
        if (query.value(1).toString() != boot || !processAlive(query.value(2).toLongLong()))
            stale.append(query.value(0).toLongLong());
    }
    query.finish();
    *unclean = !stale.isEmpty();
    for (qint64 id : stale) {
        query.prepare(QStringLiteral("DELETE FROM session WHERE id = ?"));
        query.addBindValue(id);
        if (!query.exec())
            return fail(classify(query.lastError()));
    }
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO session (id, boot, pid, applied) "
                                 "VALUES (?, ?, ?, 0)"));
    query.addBindValue(session);
    query.addBindValue(boot);
    query.addBindValue(qint64(::getpid()));
    if (!query.exec())
        return fail(classify(query.lastError()));
    if (Result r = exec(query, QStringLiteral("COMMIT")); !r.ok())
        return fail(r);
    return {};
}

void HistoryDatabase::endSession(qint64 session) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM session WHERE id = ?")); // primary key
    query.addBindValue(session);
    query.exec();
}

HistoryDatabase::Result HistoryDatabase::writeAnswer(const AskedQuestion& answer, qint64 at,
                                                     qint64 testId, int position, qint64* id) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO answer (test_id, position, record, given, key, "
                                 "answered_at, kind) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(testId > 0 ? QVariant(testId) : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue(position > 0 ? QVariant(position) : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(answer.record);
    query.addBindValue(answer.given);
    query.addBindValue(answer.key);
    query.addBindValue(at);
    query.addBindValue(testId > 0 ? QStringLiteral("test") : QStringLiteral("drill"));
    if (!query.exec())
        return classify(query.lastError());
    *id = query.lastInsertId().toLongLong();
    if (!validAnswer(answer))
        return {};
    // The question's state moves with the answer, in the same transaction, by the drill's own
    // rules (read and written by primary key).
    query.prepare(QStringLiteral("SELECT misses, right_run, last_at, last_answer, due_at, checks "
                                 "FROM question_state WHERE record = ?"));
    query.addBindValue(answer.record);
    if (!query.exec())
        return classify(query.lastError());
    drill::QuestionState state;
    if (query.next())
        state = stateAt(query, 0);
    query.finish();
    drill::apply(state, answer, at, *id);
    return writeState(state);
}

HistoryDatabase::Result HistoryDatabase::writeTest(const FinishedTest& test) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const qint64 at = test.endedAt.toMSecsSinceEpoch();
    query.prepare(QStringLiteral("INSERT INTO test (ended_at, length, answered, correct, "
                                 "incorrect, rate, ended_early, kind) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(at), QVariant(test.length), QVariant(int(test.questions.size())),
          QVariant(test.correct()), QVariant(test.incorrect()), QVariant(test.rate()),
          QVariant(test.endedEarly ? 1 : 0),
          QVariant(test.mock ? QStringLiteral("mock") : QStringLiteral("random"))})
        query.addBindValue(value);
    if (!query.exec())
        return classify(query.lastError());
    const qint64 testId = query.lastInsertId().toLongLong();
    qint64 first = 0;
    for (int i = 0; i < test.questions.size(); ++i) {
        qint64 id = 0;
        if (Result r = writeAnswer(test.questions[i], at, testId, i + 1, &id); !r.ok())
            return r;
        if (i == 0)
            first = id;
    }
    if (first > 0) {
        query.prepare(QStringLiteral("UPDATE test SET first_answer = ? WHERE id = ?"));
        query.addBindValue(first);
        query.addBindValue(testId);
        if (!query.exec())
            return classify(query.lastError());
    }
    return {};
}

HistoryDatabase::Result HistoryDatabase::write(const QList<Job>& jobs, qint64 session) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // The write lock is taken at once: with WAL, a reader never blocks it, and another
    // window holding it is waited for up to the busy timeout (off the window's thread).
    if (Result r = exec(query, QStringLiteral("BEGIN IMMEDIATE")); !r.ok())
        return r;
    const auto fail = [&](Result r) {
        query.finish();
        query.exec(QStringLiteral("ROLLBACK"));
        return r;
    };
    for (const Job& job : jobs) {
        if (job.dismiss && !exec(query, QStringLiteral("UPDATE notice SET dismissed = 1")).ok())
            return fail(classify(query.lastError()));
        bool applied = false;
        if (!job.token.isEmpty()) {
            // Primary key: a pending file another window applied first is not applied again.
            query.prepare(
                QStringLiteral("INSERT OR IGNORE INTO pending_applied (token) VALUES (?)"));
            query.addBindValue(job.token);
            if (!query.exec())
                return fail(classify(query.lastError()));
            applied = query.numRowsAffected() == 0;
        }
        for (int i = 0; !applied && i < job.entries.size(); ++i) {
            const Entry& e = job.entries[i];
            qint64 id = 0;
            if (Result r = e.drill ? writeAnswer(e.answer, e.at, 0, 0, &id) : writeTest(e.test);
                !r.ok())
                return fail(r);
        }
    }
    if (!jobs.isEmpty()) {
        query.prepare(QStringLiteral("UPDATE session SET applied = ? WHERE id = ?")); // primary key
        query.addBindValue(jobs.last().seq);
        query.addBindValue(session);
        if (!query.exec())
            return fail(classify(query.lastError()));
    }
    if (Result r = exec(query, QStringLiteral("COMMIT")); !r.ok())
        return fail(r);
    return {};
}

HistoryDatabase::Result HistoryDatabase::read(qint64 session, Snapshot* out) {
    *out = {};
    int version = 0;
    if (Result r = inspect(&version); !r.ok())
        return r;
    if (version == 0)
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    // One read transaction: the tests, the states and what this session has written are seen
    // as of the same moment, so that a write landing meanwhile is neither missed nor counted
    // twice.
    if (Result r = exec(query, QStringLiteral("BEGIN")); !r.ok())
        return r;
    const auto end = [&](Result r) {
        query.finish();
        query.exec(QStringLiteral("COMMIT"));
        return r;
    };
    QList<TestRow> tests;
    // Index test_recent (ended_early, ended_at), read backwards from the newest: a few rows,
    // whatever the size of the history.
    for (int early : {0, 1}) {
        if (Result r = exec(query, QStringLiteral("SELECT id, ended_at, length, answered, correct,"
                                                  " rate, %3 FROM test WHERE ended_early = %1"
                                                  " ORDER BY ended_at DESC, id DESC LIMIT %2")
                                       .arg(early)
                                       .arg(kRecentTests)
                                       .arg(version >= 2 ? "kind" : "'random'"));
            !r.ok())
            return end(r);
        while (query.next()) {
            tests.append({QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong()),
                          query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt(),
                          query.value(5).toDouble(), early == 1, query.value(0).toLongLong(),
                          query.value(6).toString() == QLatin1String("mock")});
            out->completedAny |= early == 0;
        }
        if (query.lastError().isValid())
            return end(classify(query.lastError()));
    }
    std::sort(tests.begin(), tests.end(), [](const TestRow& a, const TestRow& b) {
        return a.endedAt != b.endedAt ? a.endedAt < b.endedAt : a.id < b.id;
    });
    out->recent = keepRecent(tests);
    if (version < 2) {
        out->statesKnown = false;
        return end({});
    }
    // At most one row per question of the bank, by primary key.
    if (Result r = exec(query, QStringLiteral("SELECT record, misses, right_run, last_at, "
                                              "last_answer, due_at, %1 FROM question_state")
                                   .arg(version >= 3 ? "checks" : "0"));
        !r.ok())
        return end(r);
    while (query.next()) {
        drill::QuestionState s = stateAt(query, 1);
        s.record = query.value(0).toInt();
        if (s.record >= 1 && s.record <= 179)
            out->states.append(s);
    }
    if (query.lastError().isValid())
        return end(classify(query.lastError()));
    // A few rows: one per file ever set aside.
    if (Result r = exec(query, QStringLiteral("SELECT kind, place, tests FROM notice "
                                              "WHERE dismissed = 0 ORDER BY id"));
        !r.ok())
        return end(r);
    while (query.next())
        out->notices.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()});
    query.prepare(QStringLiteral("SELECT applied FROM session WHERE id = ?")); // primary key
    query.addBindValue(session);
    if (!query.exec())
        return end(classify(query.lastError()));
    if (query.next())
        out->applied = query.value(0).toLongLong();
    return end({});
}

HistoryDatabase::Result HistoryDatabase::listTests(qint64 beforeAt, qint64 beforeId, int limit,
                                                   QList<TestRow>* out) {
    out->clear();
    int version = 0;
    if (Result r = inspect(&version); !r.ok() || version < 2)
        return r;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    // Index test_recent (ended_early, ended_at), read backwards from where the list stopped,
    // once for each kind of end: `limit` rows at most, however long the history.
    for (int early : {0, 1}) {
        query.prepare(QStringLiteral("SELECT id, ended_at, length, answered, correct, rate, kind "
                                     "FROM test WHERE ended_early = ? AND ended_at <= ? AND NOT "
                                     "(ended_at = ? AND id >= ?) ORDER BY ended_at DESC, id DESC "
                                     "LIMIT ?"));
        for (const QVariant& v : {QVariant(early), QVariant(beforeAt), QVariant(beforeAt),
                                  QVariant(beforeId), QVariant(limit)})
            query.addBindValue(v);
        if (!query.exec())
            return classify(query.lastError());
        while (query.next())
            out->append({QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong()),
                         query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt(),
                         query.value(5).toDouble(), early == 1, query.value(0).toLongLong(),
                         query.value(6).toString() == QLatin1String("mock")});
    }
    std::sort(out->begin(), out->end(), [](const TestRow& a, const TestRow& b) {
        return a.endedAt != b.endedAt ? a.endedAt > b.endedAt : a.id > b.id;
    });
    out->resize(qMin(out->size(), qsizetype(limit)));
    return {};
}

HistoryDatabase::Result HistoryDatabase::readTest(qint64 id, FinishedTest* out) {
    *out = {};
    int version = 0;
    if (Result r = inspect(&version); !r.ok() || version < 2)
        return r;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    // By primary key; its answers follow on from first_answer, read by primary key too.
    query.prepare(QStringLiteral("SELECT ended_at, length, ended_early, kind, first_answer, "
                                 "answered FROM test WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return classify(query.lastError());
    if (!query.next())
        return {};
    out->endedAt = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong());
    out->length = query.value(1).toInt();
    out->endedEarly = query.value(2).toInt() != 0;
    out->mock = query.value(3).toString() == QLatin1String("mock");
    const qint64 first = query.value(4).toLongLong();
    const int answered = query.value(5).toInt();
    query.finish();
    query.prepare(QStringLiteral("SELECT record, given, key FROM answer WHERE id >= ? AND id < ? "
                                 "AND test_id = ? ORDER BY id"));
    query.addBindValue(first);
    query.addBindValue(first + answered);
    query.addBindValue(id);
    if (!query.exec())
        return classify(query.lastError());
    while (query.next())
        out->questions.append(
            {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()});
    return query.lastError().isValid() ? classify(query.lastError()) : Result{};
}

QList<HistoryDatabase::TestRow> HistoryDatabase::keepRecent(QList<TestRow> tests) {
    QList<TestRow> kept;
    int completed = 0;
    for (qsizetype i = tests.size() - 1; i >= 0; --i) {
        const bool recent = tests.size() - i <= kRecentTests;
        const bool counted = !tests[i].endedEarly && completed < kRecentCompleted;
        completed += tests[i].endedEarly ? 0 : 1;
        if (recent || counted)
            kept.prepend(tests[i]);
        else if (completed >= kRecentCompleted)
            break;
    }
    return kept;
}
