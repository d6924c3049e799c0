#pragma once

#include "progress/finishedtest.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>

// Every test and every drill answer, kept in one SQLite file in the user's data folder. It
// opens the file only when first asked, so a start-up never waits for it. A fault never
// reaches the caller as an error: what could not be written is kept for this run, the cause is
// told once to `warn` (the terminal) and stays readable in problem() for the page.
class HistoryStore {
public:
    static constexpr int kSchemaVersion = 1;
    static constexpr int kBusyTimeoutMs = 5000;

    struct Test {
        QDateTime endedAt;
        int length = 0;
        int answered = 0;
        int correct = 0;
        double rate = 0.0;
        bool endedEarly = false;
    };

    // `userFolder` empty: no history is kept, and problem() says why (`whyNoFolder`, where
    // given).
    explicit HistoryStore(const QString& userFolder, std::function<void(const QString&)> warn = {},
                          const QString& whyNoFolder = {});
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    static QString fileName() { return QStringLiteral("history.sqlite"); }
    QString path() const { return m_path; }

    // Whether a test was ever completed (an early end does not count). Never creates the file.
    bool hasCompletedTest();
    void recordTest(const FinishedTest& test);
    void recordDrillAnswer(const AskedQuestion& answer, const QDateTime& at);

    QList<Test> tests();       // oldest first
    QList<Attempt> attempts(); // oldest first

    // Why the history is not being kept, or what was done about a broken file; empty when all
    // is well.
    QString problem() const { return m_problem; }

private:
    bool open();
    enum class Opened { Yes, Broken, No };
    Opened openFile(QString* broken);
    bool createSchema();
    bool moveAside(const QString& why);
    bool insertTest(const FinishedTest& test);
    bool insertAnswer(const AskedQuestion& answer, qint64 at, qint64 testId, int position);
    void fail(const QString& problem);

    QString m_path;
    QString m_connection;
    std::function<void(const QString&)> m_warn;
    bool m_tried = false;
    bool m_open = false;
    QString m_problem;
    // What could not be written, so that this run still shows it.
    QList<FinishedTest> m_unsavedTests;
    QList<Attempt> m_unsavedDrill;
};
