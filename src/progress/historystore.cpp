#include "progress/historystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

namespace {

// SQLite's primary result codes for a file that is no database, and for a damaged one.
constexpr int kNotADatabase = 26;
constexpr int kCorrupt = 11;

bool brokenFile(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kNotADatabase || code == kCorrupt;
}

bool validAnswer(int record, int given, int key) {
    return record >= 1 && record <= 179 && given >= 0 && given <= 4 && key >= 1 && key <= 4;
}

} // namespace

HistoryStore::HistoryStore(const QString& userFolder, std::function<void(const QString&)> warn,
                           const QString& whyNoFolder)
    : m_warn(std::move(warn)) {
    if (!m_warn)
        m_warn = [](const QString& text) {
            std::fprintf(stderr, "orvane: %s\n", text.toLocal8Bit().constData());
        };
    if (userFolder.isEmpty() && !whyNoFolder.isEmpty())
        m_problem = QStringLiteral("No history is kept: %1.").arg(whyNoFolder);
    else if (userFolder.isEmpty())
        m_problem = QStringLiteral("No history is kept: there is no user data folder "
                                   "(neither XDG_DATA_HOME nor HOME names one).");
    else
        m_path = QDir(userFolder).filePath(fileName());
    m_connection = QStringLiteral("orvane-history-%1").arg(quintptr(this), 0, 16);
}

HistoryStore::~HistoryStore() {
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void HistoryStore::fail(const QString& problem) {
    m_problem = problem;
    m_warn(problem);
}

bool HistoryStore::open() {
    if (m_tried)
        return m_open;
    m_tried = true;
    if (m_path.isEmpty()) {
        m_warn(m_problem);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(m_path).path())) {
        fail(QStringLiteral("No history is kept: the folder %1 cannot be made.")
                 .arg(QFileInfo(m_path).path()));
        return false;
    }
    QString broken;
    Opened opened = openFile(&broken);
    // A file that is not a database, or a damaged one, is kept for whoever wants to look at it
    // or mend it; the history starts afresh beside it.
    if (opened == Opened::Broken && moveAside(broken))
        opened = openFile(&broken);
    m_open = opened == Opened::Yes;
    return m_open;
}

HistoryStore::Opened HistoryStore::openFile(QString* broken) {
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid()) {
        fail(QStringLiteral("No history is kept: Qt's SQLite driver is missing (%1).")
                 .arg(db.lastError().text()));
        return Opened::No;
    }
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        fail(QStringLiteral("No history is kept: %1 cannot be opened (%2).")
                 .arg(m_path, db.lastError().text()));
        return Opened::No;
    }
    QSqlQuery query(db);
    // The first read finds out whether the file is a database at all; quick_check whether the
    // pages it has are whole.
    const bool read = query.exec(QStringLiteral("PRAGMA quick_check")) && query.next();
    if (!read || query.value(0).toString() != QLatin1String("ok")) {
        const QSqlError error = query.lastError();
        db.close();
        if (!read && !brokenFile(error)) {
            fail(QStringLiteral("No history is kept: %1 cannot be read (%2).")
                     .arg(m_path, error.text()));
            return Opened::No;
        }
        *broken = read ? QStringLiteral("it is damaged") : error.databaseText();
        return Opened::Broken;
    }
    query.finish();
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
        fail(QStringLiteral("No history is kept: %1 (%2).").arg(m_path, query.lastError().text()));
        db.close();
        return Opened::No;
    }
    query.finish();
    if (!createSchema()) {
        db.close();
        return Opened::No;
    }
    return Opened::Yes;
}

bool HistoryStore::createSchema() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        fail(QStringLiteral("No history is kept: %1 (%2).").arg(m_path, query.lastError().text()));
        return false;
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version == kSchemaVersion)
        return true;
    if (version > kSchemaVersion) {
        fail(QStringLiteral("No history is kept: %1 was written by a newer release of Orvane "
                            "(history version %2); it is left as it is.")
                 .arg(m_path)
                 .arg(version));
        return false;
    }
    // Two windows may both find a new file: the write lock makes one of them create the tables
    // and the other see them made.
    const QStringList steps = {
        QStringLiteral("BEGIN IMMEDIATE"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS test ("
                       " id INTEGER PRIMARY KEY,"
                       " ended_at INTEGER NOT NULL," // milliseconds since the epoch, UTC
                       " length INTEGER NOT NULL,"
                       " answered INTEGER NOT NULL,"
                       " correct INTEGER NOT NULL,"
                       " incorrect INTEGER NOT NULL,"
                       " rate REAL NOT NULL,"
                       " ended_early INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS answer ("
                       " id INTEGER PRIMARY KEY,"
                       " test_id INTEGER REFERENCES test(id)," // NULL for a drill answer
                       " position INTEGER,"
                       " record INTEGER NOT NULL,"
                       " given INTEGER NOT NULL,"
                       " key INTEGER NOT NULL,"
                       " answered_at INTEGER NOT NULL,"
                       " kind TEXT NOT NULL CHECK (kind IN ('test', 'drill')))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS answer_record ON answer(record)"),
        QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion),
        QStringLiteral("COMMIT"),
    };
    for (const QString& step : steps) {
        if (!query.exec(step)) {
            fail(QStringLiteral("No history is kept: %1 cannot be prepared (%2).")
                     .arg(m_path, query.lastError().text()));
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return true;
}

bool HistoryStore::moveAside(const QString& why) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString aside = m_path + QStringLiteral(".broken-") + stamp;
    if (!QFile::rename(m_path, aside)) {
        fail(QStringLiteral("No history is kept: %1 is not a usable history (%2), and it cannot "
                            "be moved aside.")
                 .arg(m_path, why));
        return false;
    }
    // Its journal belongs to it; left behind, SQLite would replay it into the new file.
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    fail(QStringLiteral("%1 was not a usable history (%2). It was moved to %3 and a new "
                        "history was started.")
             .arg(m_path, why, aside));
    return true;
}

bool HistoryStore::hasCompletedTest() {
    for (const FinishedTest& test : m_unsavedTests) {
        if (!test.endedEarly)
            return true;
    }
    if (m_path.isEmpty() || (!m_tried && !QFileInfo::exists(m_path)) || !open())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return query.exec(QStringLiteral("SELECT 1 FROM test WHERE ended_early = 0 LIMIT 1")) &&
           query.next();
}

bool HistoryStore::insertAnswer(const AskedQuestion& answer, qint64 at, qint64 testId,
                                int position) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO answer (test_id, position, record, given, key, "
                                 "answered_at, kind) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(testId > 0 ? QVariant(testId) : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue(position > 0 ? QVariant(position) : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(answer.record);
    query.addBindValue(answer.given);
    query.addBindValue(answer.key);
    query.addBindValue(at);
    query.addBindValue(testId > 0 ? QStringLiteral("test") : QStringLiteral("drill"));
    if (query.exec())
        return true;
    fail(QStringLiteral("The history could not be written to %1 (%2).")
             .arg(m_path, query.lastError().text()));
    return false;
}

bool HistoryStore::insertTest(const FinishedTest& test) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    // The write lock is taken at once: with WAL, a reader never blocks it, and another window
    // holding it is waited for up to the busy timeout.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(QStringLiteral("The history could not be written to %1 (%2).")
                 .arg(m_path, query.lastError().text()));
        return false;
    }
    const qint64 at = test.endedAt.toMSecsSinceEpoch();
    query.prepare(QStringLiteral("INSERT INTO test (ended_at, length, answered, correct, "
                                 "incorrect, rate, ended_early) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(at), QVariant(test.length), QVariant(int(test.questions.size())),
          QVariant(test.correct()), QVariant(test.incorrect()), QVariant(test.rate()),
          QVariant(test.endedEarly ? 1 : 0)})
        query.addBindValue(value);
    bool done = query.exec();
    if (!done)
        fail(QStringLiteral("The history could not be written to %1 (%2).")
                 .arg(m_path, query.lastError().text()));
    const qint64 id = query.lastInsertId().toLongLong();
    for (int i = 0; done && i < test.questions.size(); ++i)
        done = insertAnswer(test.questions[i], at, id, i + 1);
    QSqlQuery end(db);
    if (done && end.exec(QStringLiteral("COMMIT")))
        return true;
    if (done)
        fail(QStringLiteral("The history could not be written to %1 (%2).")
                 .arg(m_path, end.lastError().text()));
    end.exec(QStringLiteral("ROLLBACK"));
    return false;
}

void HistoryStore::recordTest(const FinishedTest& test) {
    if (!open() || !insertTest(test))
        m_unsavedTests.append(test);
}

void HistoryStore::recordDrillAnswer(const AskedQuestion& answer, const QDateTime& at) {
    if (!open() || !insertAnswer(answer, at.toMSecsSinceEpoch(), 0, 0))
        m_unsavedDrill.append({answer, at.toMSecsSinceEpoch(), true});
}

QList<HistoryStore::Test> HistoryStore::tests() {
    QList<Test> tests;
    if (open()) {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT ended_at, length, answered, correct, rate, "
                                      "ended_early FROM test ORDER BY ended_at, id"))) {
            while (query.next())
                tests.append({QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong()),
                              query.value(1).toInt(), query.value(2).toInt(),
                              query.value(3).toInt(), query.value(4).toDouble(),
                              query.value(5).toBool()});
        }
    }
    for (const FinishedTest& test : m_unsavedTests)
        tests.append({test.endedAt, test.length, int(test.questions.size()), test.correct(),
                      test.rate(), test.endedEarly});
    std::stable_sort(tests.begin(), tests.end(),
                     [](const Test& a, const Test& b) { return a.endedAt < b.endedAt; });
    return tests;
}

QList<Attempt> HistoryStore::attempts() {
    QList<Attempt> attempts;
    if (open()) {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT record, given, key, answered_at, kind FROM answer "
                                      "ORDER BY answered_at, id"))) {
            while (query.next()) {
                const AskedQuestion q{query.value(0).toInt(), query.value(1).toInt(),
                                      query.value(2).toInt()};
                // A hand-edited file must not take the pages out of the bank.
                if (validAnswer(q.record, q.given, q.key))
                    attempts.append({q, query.value(3).toLongLong(),
                                     query.value(4).toString() == QLatin1String("drill")});
            }
        }
    }
    for (const FinishedTest& test : m_unsavedTests) {
        for (const AskedQuestion& q : test.questions)
            attempts.append({q, test.endedAt.toMSecsSinceEpoch(), false});
    }
    attempts.append(m_unsavedDrill);
    std::stable_sort(attempts.begin(), attempts.end(),
                     [](const Attempt& a, const Attempt& b) { return a.at < b.at; });
    return attempts;
}
