#pragma once

#include "progress/drill.h"
#include "progress/finishedtest.h"

#include <QString>

// One connection to the history file, used only in the thread that made it. It knows the
// file's tables: how to make them, how to bring a version-1 file up to date, how to write a
// test or a drill answer together with the kept state of its questions, and how to read what
// My Progress shows without going through every answer ever given.
class HistoryDatabase {
public:
    static constexpr int kSchemaVersion = 3;
    static constexpr int kRecentTests = 15;    // the chart's bars
    static constexpr int kRecentCompleted = 5; // the average under them

    enum class Code {
        Ok,
        Busy,         // another program holds the file's lock
        Full,         // the disk is full
        ReadOnly,     // the file or its folder cannot be written
        Link,         // the file, its -wal or its -shm is a symbolic link
        NotOwn,       // ... or not a regular file of the user's
        Damaged,      // some pages cannot be read
        NotADatabase, // not an SQLite file at all
        Foreign,      // an SQLite file with other tables than ours
        Newer,        // ours, from a later release
        NoDriver,
        Failed, // anything else; `detail` has SQLite's words
    };
    struct Result {
        Code code = Code::Ok;
        QString detail; // for the terminal: SQLite's words, or the file concerned
        bool ok() const { return code == Code::Ok; }
    };

    struct TestRow {
        QDateTime endedAt;
        int length = 0;
        int answered = 0;
        int correct = 0;
        double rate = 0.0;
        bool endedEarly = false;
        qint64 id = 0;
        bool mock = false;
    };
    // What one read sees, all from the same moment of the file.
    struct Snapshot {
        QList<TestRow> recent; // oldest first: see keepRecent()
        QList<drill::QuestionState> states;
        bool completedAny = false;
        bool statesKnown = true; // false while a version-1 file waits to be brought up to date
        qint64 applied = 0;      // the last write of this run's session that the file holds
        // Files set aside and not yet dismissed: why, where it went, the tests recovered.
        struct Notice {
            QString kind;
            QString place;
            int tests = 0;
        };
        QList<Notice> notices;
    };

    // What a write carries: one test or one drill answer; a pending file carries several and
    // its token, so that it is applied once, whoever applies it.
    struct Entry {
        bool drill = false;
        FinishedTest test;
        AskedQuestion answer;
        qint64 at = 0;
    };
    struct Job {
        qint64 seq = 0;
        QList<Entry> entries;
        QString token;        // a pending file's
        QString file;         // where that pending file is
        bool dismiss = false; // the learner has read the notices of files set aside
    };

    HistoryDatabase(QString path, QString connection);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // The file and its -wal and -shm must be absent or regular files of the user's: SQLite
    // would follow a link and write wherever it leads.
    static Result checkFiles(const QString& path);
    static Result checkFile(const QString& file); // one of them
    // Whether the folder, or the file in it, can be written.
    static bool writable(const QString& path);

    Result open(bool readOnly, int busyMs);
    void close();
    bool isOpen() const;
    // The file's version: 0 for an empty file, 1 to 3 for ours. A file with other tables is
    // Foreign, one of a later release Newer; neither is changed.
    Result inspect(int* version);
    Result prepare(int version); // makes the tables, or brings an earlier version up to date
    Result quickCheck();
    // Copies every row that can still be read from a damaged file set aside into this new
    // one, and leaves a notice of it; `tests`: how many tests were recovered.
    Result salvage(const QString& from, int* tests);
    // Leaves a notice that a file was set aside, shown until the learner dismisses it.
    Result addNotice(const QString& kind, const QString& place, int tests);
    // Takes this run's place among the windows using the file; `unclean` tells whether one
    // that ended without closing it was found.
    Result startSession(qint64 session, bool* unclean);
    void endSession(qint64 session);
    // In one transaction: what queued up while the last write was made goes in together.
    Result write(const QList<Job>& jobs, qint64 session);
    Result read(qint64 session, Snapshot* out);
    // Tests that ended before (`beforeAt`, `beforeId`), newest first, at most `limit`.
    Result listTests(qint64 beforeAt, qint64 beforeId, int limit, QList<TestRow>* out);
    // One test with its answers, in the order asked.
    Result readTest(qint64 id, FinishedTest* out);

    // The chronological list cut to what the chart and the average need: the last
    // kRecentTests tests, and the last kRecentCompleted completed ones even when older.
    static QList<TestRow> keepRecent(QList<TestRow> tests);

    static Result classify(const class QSqlError& error);

private:
    Result inspectSnapshot(int* version);
    Result exec(class QSqlQuery& query, const QString& sql);
    Result rebuildStates(class QSqlQuery& query);
    Result writeState(const drill::QuestionState& state);
    void copyRows(class QSqlQuery& query, const QString& table, const QString& columns);
    Result writeTest(const FinishedTest& test);
    Result writeAnswer(const AskedQuestion& answer, qint64 at, qint64 testId, int position,
                       qint64* id);

    QString m_path;
    QString m_connection;
    int m_busyMs = 0;
};
