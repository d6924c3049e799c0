#pragma once

#include "progress/drill.h"
#include "progress/finishedtest.h"
#include "progress/historydatabase.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Every test and every drill answer, kept in one SQLite file in the user's data folder. The
// window never waits for the file: it is written by a thread of its own, which tries again
// what a lock or a full disk turned away, and what is still unwritten when the program ends
// is kept in a pending file that the next run applies. Until then this run shows it all the
// same. Faults never reach the caller as errors: they are reported as problems(), a code and
// its data, which the page words; `warn` hears each once.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    static constexpr int kSchemaVersion = HistoryDatabase::kSchemaVersion;
    // The writer waits this long for another window's lock before it tries again later.
    static constexpr int kBusyTimeoutMs = 1000;
    static constexpr int kMaxRetryMs = 8000;

    // A test as the page lists it; `id` is also given to this run's unwritten tests.
    using Test = HistoryDatabase::TestRow;

    enum class Problem {
        NoFolder, // data: the reason given by whoever chose the folder, maybe empty
        NoDriver, // detail: Qt's words
        CannotMakeFolder,
        CannotOpen,     // detail: SQLite's words
        ReadOnlyFolder, // shown, not written
        ReadOnlyFile,
        OpenToOthers, // shown, not written; path: the folder
        Link,         // path: the link (the history, its -wal or -shm)
        NotOwn,       // path: the file that is not a regular file of the user's
        Newer,        // count: the file's version
        SetAside,     // path: where the old file went; detail: why (damaged, foreign, not a
                      // database); count: the tests recovered from it. Until dismissed.
        CannotSetAside,
        DiskFull, // a write waits to be tried again
        Locked,
        WriteFailed,    // detail: SQLite's words
        NotSavedAtExit, // detail: why the pending file could not be written
    };
    struct Status {
        Problem problem = Problem::NoFolder;
        QString path;
        QString detail;
        int count = 0;
        friend bool operator==(const Status&, const Status&) = default;
    };

    // `userFolder` empty: no history is kept, and problems() says why (`whyNoFolder`, where
    // given).
    explicit HistoryStore(const QString& userFolder, std::function<void(const Status&)> warn = {},
                          const QString& whyNoFolder = {});
    ~HistoryStore() override;

    static QString fileName() { return QStringLiteral("history.sqlite"); }
    QString path() const { return m_path; }

    // Whether a test was ever completed (an early end does not count). Never creates the file.
    bool hasCompletedTest();
    // Both return at once; the file is written behind.
    void recordTest(const FinishedTest& test);
    void recordDrillAnswer(const AskedQuestion& answer, const QDateTime& at);

    // What the chart needs, oldest first: the last tests and the last completed ones.
    QList<Test> recentTests();
    // The kept state of every question answered so far.
    QList<drill::QuestionState> questionStates();
    // Tests older than `after` (none: from the newest), newest first, at most `limit`; this
    // run's unwritten ones among them.
    QList<Test> pastTests(const std::optional<Test>& after, int limit);
    // A test of recentTests() or pastTests() with its answers; none where it is not known.
    std::optional<FinishedTest> test(qint64 id);

    // What stands in the way, or what was done about a broken file; empty when all is well.
    QList<Status> problems() const;
    // The learner has read that files were set aside: they are not mentioned again.
    void dismissNotices();

    // Waits until every write has been made or has failed once since the call (tests, and the
    // end of the program). Returns whether nothing is left unwritten.
    bool waitForWrites(int timeoutMs);

signals:
    // The writer made or missed a write, or the file was changed under the page.
    void changed();

private:
    struct Shared;
    struct View {
        QList<HistoryDatabase::TestRow> recent;
        QList<drill::QuestionState> states;
        bool completedAny = false;
    };

    void start();
    void startWriter();
    void enqueue(HistoryDatabase::Job job);
    View view();
    HistoryDatabase* reader(); // open, or none
    void collect();
    void report(const Status& status);
    void writerLoop();
    bool writerOpen(HistoryDatabase& db);
    void writerSays(std::optional<Status> status, qint64 doneSeq = 0, bool fileProblem = false);
    bool setAside(HistoryDatabase& db, const QString& why, Status* said);
    bool setAsideAndTell(HistoryDatabase& db, const QString& why);
    bool stopWriting(std::optional<Status> why);

    QString m_path;
    std::function<void(const Status&)> m_warn;
    qint64 m_session = 0;
    bool m_started = false;
    std::optional<Status> m_fileProblem;  // why the file is not written, or what was done to it
    std::optional<Status> m_writeProblem; // a write that waits; gone once one succeeds
    QList<Status> m_told;
    bool m_readOnly = false;
    std::unique_ptr<HistoryDatabase> m_reader;
    int m_readerGeneration = -1;
    // Every write not yet known to be in the file, oldest first; shown as if it were.
    QList<HistoryDatabase::Job> m_jobs;
    qint64 m_nextSeq = 1;
    std::unique_ptr<Shared> m_shared;
    std::thread m_writer;
    bool m_checkNext = false;         // the writer's: a write met a damaged page
    std::optional<Status> m_setAside; // the writer's: a file set aside, to note in the new one
    QList<Status> m_notices;
};
