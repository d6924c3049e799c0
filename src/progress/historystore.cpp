#include "progress/historystore.h"

#include "progress/pendingfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>

#include <limits>

#include <algorithm>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A test not yet in the file, as the file would list it.
HistoryDatabase::TestRow unwrittenRow(const FinishedTest& test, qint64 id) {
    return {test.endedAt,
            test.length,
            int(test.questions.size()),
            test.correct(),
            test.rate(),
            test.endedEarly,
            id,
            test.mock};
}

using Code = HistoryDatabase::Code;
using Problem = HistoryStore::Problem;

// Ids and orders of what is not yet in the file: after anything that is.
constexpr qint64 kUnwritten = qint64(1) << 61;
constexpr std::size_t kBatch = 64;

bool exists(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// A folder that others may write to could have the history swapped under the user; it is
// read, never written.
bool openToOthers(const QString& folder) {
    struct stat status {};
    return ::stat(QFile::encodeName(folder).constData(), &status) == 0 &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

// SQLite says "disk I/O error" where a full disk fails its shared memory or its journal
// rather than the write itself; the folder's free space tells which it was.
Problem writeProblem(Code code, const QString& path) {
    if (code == Code::Busy)
        return Problem::Locked;
    struct statvfs volume {};
    const bool full =
        ::statvfs(QFile::encodeName(QFileInfo(path).path()).constData(), &volume) == 0 &&
        quint64(volume.f_bavail) * volume.f_frsize < 64 * 1024;
    return code == Code::Full || full ? Problem::DiskFull : Problem::WriteFailed;
}

} // namespace

struct HistoryStore::Shared {
    struct Event {
        enum class Kind { Done, WriteOk, WriteProblem, FileProblem } kind;
        qint64 seq = 0;
        Status status;
    };
    std::mutex mutex;
    std::condition_variable wake;     // to the writer: a job, or the end
    std::condition_variable progress; // from the writer: a job done or failed
    std::deque<HistoryDatabase::Job> queue;
    QList<Event> events;
    bool stop = false;
    bool gone = false;  // the writer has given up: the file cannot be written
    int started = 0;    // write attempts begun
    int lastFailed = 0; // the last of them that failed
    int generation = 0; // grows when the file is set aside and a new one begun
};

HistoryStore::HistoryStore(const QString& userFolder, std::function<void(const Status&)> warn,
                           const QString& whyNoFolder)
    : m_warn(std::move(warn)), m_shared(std::make_unique<Shared>()) {
    if (userFolder.isEmpty())
        m_fileProblem = Status{Problem::NoFolder, {}, whyNoFolder};
    else
        m_path = QDir(userFolder).filePath(fileName());
    m_session = qint64(QRandomGenerator::global()->generate64() >> 2) + 1;
}

HistoryStore::~HistoryStore() {
    if (m_writer.joinable()) {
        {
            std::lock_guard lock(m_shared->mutex);
            m_shared->stop = true;
        }
        m_shared->wake.notify_all();
        m_writer.join();
    }
    collect();
    m_reader.reset();
    QList<HistoryDatabase::Entry> left;
    for (const HistoryDatabase::Job& job : m_jobs) {
        if (job.token.isEmpty()) // a pending file's are still in that file
            left.append(job.entries);
    }
    // Not into a folder that others may write to, nor one that cannot be written.
    const bool unsafe = m_fileProblem && (m_fileProblem->problem == Problem::OpenToOthers ||
                                          m_fileProblem->problem == Problem::ReadOnlyFolder);
    if (left.isEmpty() || m_path.isEmpty() || unsafe ||
        !QFileInfo(QFileInfo(m_path).path()).isDir())
        return;
    QString error;
    if (pendingfile::save(m_path, left, &error).isEmpty())
        report({Problem::NotSavedAtExit, m_path, error, int(left.size())});
}

void HistoryStore::report(const Status& status) {
    if (m_told.contains(status))
        return;
    m_told.append(status);
    if (m_warn)
        m_warn(status);
}

QList<HistoryStore::Status> HistoryStore::problems() const {
    QList<Status> list;
    if (m_fileProblem)
        list.append(*m_fileProblem);
    if (m_writeProblem)
        list.append(*m_writeProblem);
    return list + m_notices;
}

void HistoryStore::dismissNotices() {
    m_notices.clear();
    HistoryDatabase::Job job{m_nextSeq++, {}, {}, {}, true};
    m_jobs.append(job);
    enqueue(job);
}

void HistoryStore::start() {
    if (m_started)
        return;
    m_started = true;
    if (m_path.isEmpty()) {
        report(*m_fileProblem);
        return;
    }
    const QString folder = QFileInfo(m_path).path();
    if (!QDir().mkpath(folder)) {
        m_fileProblem = Status{Problem::CannotMakeFolder, folder, {}, 0};
        report(*m_fileProblem);
        m_path.clear();
        return;
    }
    const HistoryDatabase::Result files = HistoryDatabase::checkFiles(m_path);
    if (!files.ok()) {
        // Never opened: SQLite would write wherever a link leads.
        m_fileProblem =
            Status{files.code == Code::Link ? Problem::Link : Problem::NotOwn, files.detail, {}, 0};
        report(*m_fileProblem);
        m_readOnly = true;
        m_shared->gone = true;
        return;
    }
    if (openToOthers(folder)) {
        m_fileProblem = Status{Problem::OpenToOthers, folder, {}, 0};
        m_readOnly = true;
    } else if (!HistoryDatabase::writable(m_path)) {
        const bool folderWritable = ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
        m_fileProblem = Status{folderWritable ? Problem::ReadOnlyFile : Problem::ReadOnlyFolder,
                               folderWritable ? m_path : folder,
                               {},
                               0};
        m_readOnly = true;
    }
    if (m_readOnly) {
        m_shared->gone = true;
        report(*m_fileProblem);
    }
    for (HistoryDatabase::Job& job : pendingfile::load(m_path)) {
        job.seq = m_nextSeq++;
        m_jobs.append(job);
        enqueue(job);
    }
    if (exists(m_path))
        startWriter();
}

void HistoryStore::startWriter() {
    if (m_readOnly || m_writer.joinable())
        return;
    m_writer = std::thread([this] { writerLoop(); });
}

void HistoryStore::enqueue(HistoryDatabase::Job job) {
    if (m_readOnly)
        return;
    {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->gone)
            return;
        m_shared->queue.push_back(std::move(job));
    }
    startWriter();
    m_shared->wake.notify_all();
}

void HistoryStore::recordTest(const FinishedTest& test) {
    start();
    HistoryDatabase::Job job{m_nextSeq++, {{false, test, {}, 0}}, {}, {}};
    m_jobs.append(job);
    if (!m_path.isEmpty())
        enqueue(job);
}

void HistoryStore::recordDrillAnswer(const AskedQuestion& answer, const QDateTime& at) {
    start();
    HistoryDatabase::Job job{m_nextSeq++, {{true, {}, answer, at.toMSecsSinceEpoch()}}, {}, {}};
    m_jobs.append(job);
    if (!m_path.isEmpty())
        enqueue(job);
}

bool HistoryStore::hasCompletedTest() {
    for (const HistoryDatabase::Job& job : m_jobs) {
        for (const HistoryDatabase::Entry& e : job.entries) {
            if (!e.drill && !e.test.endedEarly)
                return true;
        }
    }
    // Asking must not make the file.
    if (!m_started && !m_path.isEmpty() && !exists(m_path) && pendingfile::load(m_path).isEmpty())
        return false;
    return view().completedAny;
}

// What the page shows: the file as of one moment, and on top of it whatever this run has not
// yet seen written.
HistoryStore::View HistoryStore::view() {
    collect();
    start();
    View v;
    HistoryDatabase::Snapshot snapshot;
    int generation = 0;
    {
        std::lock_guard lock(m_shared->mutex);
        generation = m_shared->generation;
    }
    const bool linked = m_fileProblem && (m_fileProblem->problem == Problem::Link ||
                                          m_fileProblem->problem == Problem::NotOwn);
    // With a link in place of the -wal or -shm only, the file itself is still read, as it
    // stands and without them (the read-only way opens neither).
    const bool sideLinked = linked && m_fileProblem->path != m_path;
    if (!m_path.isEmpty() && (!linked || sideLinked) && exists(m_path)) {
        if (!m_reader || generation != m_readerGeneration) {
            m_reader = std::make_unique<HistoryDatabase>(
                m_path, QStringLiteral("orvane-history-read-%1").arg(quintptr(this), 0, 16));
            m_readerGeneration = generation;
        }
        if (!m_reader->isOpen() && (sideLinked ? HistoryDatabase::checkFile(m_path).ok()
                                               : HistoryDatabase::checkFiles(m_path).ok()))
            m_reader->open(m_readOnly || sideLinked, 100);
        HistoryDatabase::Result read{HistoryDatabase::Code::Failed, {}};
        if (m_reader->isOpen())
            read = m_reader->read(m_session, &snapshot);
        // A full disk can refuse a reader the shared memory it makes; the file is then read
        // as it stands, without it.
        if (!read.ok() && read.code != Code::Damaged && read.code != Code::NotADatabase &&
            read.code != Code::Foreign && !m_readOnly && HistoryDatabase::checkFiles(m_path).ok()) {
            m_reader->close();
            if (m_reader->open(true, 100).ok())
                read = m_reader->read(m_session, &snapshot);
            m_reader->close(); // the normal way is tried again next time
        }
        // A file that cannot be read is the writer's to set aside; until then only this run's
        // own tests are shown.
        if (!read.ok())
            snapshot = {};
    }
    m_notices.clear();
    const bool dismissing = std::any_of(m_jobs.begin(), m_jobs.end(), [&](const auto& job) {
        return job.dismiss && job.seq > snapshot.applied;
    });
    for (const HistoryDatabase::Snapshot::Notice& n : snapshot.notices) {
        if (!dismissing)
            m_notices.append({Problem::SetAside, n.place, n.kind, n.tests});
    }
    QMap<int, drill::QuestionState> states;
    for (const drill::QuestionState& s : snapshot.states)
        states.insert(s.record, s);
    QList<HistoryDatabase::TestRow> tests = snapshot.recent;
    v.completedAny = snapshot.completedAny;
    qint64 order = kUnwritten;
    for (const HistoryDatabase::Job& job : m_jobs) {
        if (job.seq <= snapshot.applied)
            continue; // written (a pending file's maybe by another window), and seen
        for (const HistoryDatabase::Entry& e : job.entries) {
            if (e.drill) {
                drill::apply(states[e.answer.record], e.answer, e.at, ++order);
                continue;
            }
            const qint64 at = e.test.endedAt.toMSecsSinceEpoch();
            tests.append(unwrittenRow(e.test, kUnwritten + job.seq));
            v.completedAny |= !e.test.endedEarly;
            for (const AskedQuestion& q : e.test.questions)
                drill::apply(states[q.record], q, at, ++order);
        }
    }
    std::stable_sort(tests.begin(), tests.end(), [](const auto& a, const auto& b) {
        return a.endedAt != b.endedAt ? a.endedAt < b.endedAt : a.id < b.id;
    });
    v.recent = HistoryDatabase::keepRecent(tests);
    v.states = states.values();
    return v;
}

QList<HistoryStore::Test> HistoryStore::recentTests() {
    return view().recent;
}

QList<drill::QuestionState> HistoryStore::questionStates() {
    return view().states;
}

HistoryDatabase* HistoryStore::reader() {
    if (!m_reader || !m_reader->isOpen())
        view(); // opens it, where the file can be read
    return m_reader && m_reader->isOpen() ? m_reader.get() : nullptr;
}

QList<HistoryStore::Test> HistoryStore::pastTests(const std::optional<Test>& after, int limit) {
    collect();
    QList<HistoryDatabase::TestRow> rows;
    const qint64 beforeAt =
        after ? after->endedAt.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    const qint64 beforeId = after ? after->id : std::numeric_limits<qint64>::max();
    if (HistoryDatabase* db = reader(); db && (!after || after->id < kUnwritten))
        db->listTests(beforeAt, qMin(beforeId, kUnwritten), limit, &rows);
    // Then this run's unwritten ones, each where its end puts it.
    for (const HistoryDatabase::Job& job : m_jobs) {
        for (const HistoryDatabase::Entry& e : job.entries) {
            const qint64 id = kUnwritten + job.seq;
            const qint64 at = e.test.endedAt.toMSecsSinceEpoch();
            if (e.drill || (after && (at > beforeAt || (at == beforeAt && id >= beforeId))))
                continue;
            rows.append(unwrittenRow(e.test, id));
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.endedAt != b.endedAt ? a.endedAt > b.endedAt : a.id > b.id;
    });
    return rows.mid(0, limit);
}

std::optional<FinishedTest> HistoryStore::test(qint64 id) {
    collect();
    for (const HistoryDatabase::Job& job : m_jobs) {
        if (kUnwritten + job.seq == id && !job.entries.isEmpty() && !job.entries[0].drill)
            return job.entries[0].test;
    }
    FinishedTest test;
    if (HistoryDatabase* db = reader();
        db && id < kUnwritten && db->readTest(id, &test).ok() && test.endedAt.isValid())
        return test;
    return std::nullopt;
}

void HistoryStore::collect() {
    QList<Shared::Event> events;
    {
        std::lock_guard lock(m_shared->mutex);
        events.swap(m_shared->events);
    }
    for (const Shared::Event& e : events) {
        switch (e.kind) {
        case Shared::Event::Kind::Done: // this one and every one before it
            m_jobs.removeIf([&](const HistoryDatabase::Job& job) { return job.seq <= e.seq; });
            break;
        case Shared::Event::Kind::WriteOk:
            m_writeProblem.reset();
            m_told.removeIf([](const Status& s) {
                return s.problem == Problem::DiskFull || s.problem == Problem::Locked ||
                       s.problem == Problem::WriteFailed;
            });
            break;
        case Shared::Event::Kind::WriteProblem:
            m_writeProblem = e.status;
            report(e.status);
            break;
        case Shared::Event::Kind::FileProblem:
            // A file set aside is told by the new file's notice, in every run until dismissed.
            if (e.status.problem != Problem::SetAside)
                m_fileProblem = e.status;
            report(e.status);
            break;
        }
    }
}

bool HistoryStore::waitForWrites(int timeoutMs) {
    {
        std::unique_lock lock(m_shared->mutex);
        const int started = m_shared->started;
        m_shared->progress.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
            return m_shared->queue.empty() || m_shared->gone || m_shared->lastFailed > started;
        });
    }
    collect();
    return m_jobs.isEmpty();
}

// --- The writer's thread ------------------------------------------------------------------

void HistoryStore::writerSays(std::optional<Status> status, qint64 doneSeq, bool fileProblem) {
    {
        std::lock_guard lock(m_shared->mutex);
        using Kind = Shared::Event::Kind;
        if (doneSeq > 0)
            m_shared->events.append({Kind::Done, doneSeq, {}});
        if (status)
            m_shared->events.append(
                {fileProblem ? Kind::FileProblem : Kind::WriteProblem, 0, *status});
        else if (doneSeq > 0)
            m_shared->events.append({Kind::WriteOk, 0, {}});
    }
    m_shared->progress.notify_all();
    QMetaObject::invokeMethod(
        this,
        [this] {
            const bool any = [&] {
                std::lock_guard lock(m_shared->mutex);
                return !m_shared->events.isEmpty();
            }();
            collect();
            if (any)
                emit changed();
        },
        Qt::QueuedConnection);
}

bool HistoryStore::setAside(HistoryDatabase& db, const QString& why, Status* said) {
    db.close();
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString aside = m_path + QStringLiteral(".broken-") + stamp;
    if (!QFile::rename(m_path, aside)) {
        *said = {Problem::CannotSetAside, m_path, why};
        return false;
    }
    // Its journal belongs to it; left behind, SQLite would replay it into the new file.
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    {
        std::lock_guard lock(m_shared->mutex);
        ++m_shared->generation;
    }
    *said = {Problem::SetAside, aside, why};
    m_setAside = *said;
    return true;
}

// Opens the file for writing and makes it ready; false with the reason told. A file that is
// not a usable history is set aside and a new one begun in its place.
// The writer gives up on the file for this run, saying why where `why` is given.
bool HistoryStore::stopWriting(std::optional<Status> why) {
    if (why)
        writerSays(*why, 0, true);
    std::lock_guard lock(m_shared->mutex);
    m_shared->gone = true;
    return false;
}

// Whether the file went aside; the page is told, except of a damaged file, which is told once
// its rows are salvaged.
bool HistoryStore::setAsideAndTell(HistoryDatabase& db, const QString& why) {
    Status said;
    const bool moved = setAside(db, why, &said);
    if (!moved || said.detail != QLatin1String("damaged"))
        writerSays(said, 0, true);
    return moved;
}

bool HistoryStore::writerOpen(HistoryDatabase& db) {
    for (int round = 0; round < 2; ++round) {
        const HistoryDatabase::Result files = HistoryDatabase::checkFiles(m_path);
        if (!files.ok()) {
            return stopWriting(Status{
                files.code == Code::Link ? Problem::Link : Problem::NotOwn, files.detail, {}, 0});
        }
        HistoryDatabase::Result r = db.open(false, kBusyTimeoutMs);
        if (r.code == Code::NoDriver) {
            return stopWriting(Status{Problem::NoDriver, {}, r.detail});
        }
        int version = 0;
        bool unclean = false;
        if (r.ok())
            r = db.inspect(&version);
        if (r.code == Code::NotADatabase || r.code == Code::Foreign || r.code == Code::Damaged) {
            if (!setAsideAndTell(db, r.code == Code::Foreign   ? QStringLiteral("foreign")
                                     : r.code == Code::Damaged ? QStringLiteral("damaged")
                                                               : QStringLiteral("not a database")))
                return stopWriting(std::nullopt);
            continue;
        }
        if (r.code == Code::Newer) {
            return stopWriting(Status{Problem::Newer, m_path, {}, r.detail.toInt()});
        }
        if (r.ok())
            r = db.prepare(version);
        if (r.ok())
            r = db.startSession(m_session, &unclean);
        if (r.ok() && m_setAside) {
            int tests = 0;
            r = m_setAside->detail == QLatin1String("damaged")
                    ? db.salvage(m_setAside->path, &tests)
                    : db.addNotice(m_setAside->detail, m_setAside->path, 0);
            if (r.ok() && m_setAside->detail == QLatin1String("damaged"))
                writerSays(Status{Problem::SetAside, m_setAside->path, m_setAside->detail, tests},
                           0, true);
            if (r.ok()) {
                m_setAside.reset();
                std::lock_guard lock(m_shared->mutex);
                ++m_shared->generation; // the page reads the salvaged rows afresh
            }
        }
        // A whole-file check costs in proportion to the file: only where a window ended without
        // closing it.
        if (r.ok() && (unclean || m_checkNext))
            r = db.quickCheck();
        m_checkNext = false;
        if (r.code == Code::Damaged) {
            if (!setAsideAndTell(db, QStringLiteral("damaged")))
                return stopWriting(std::nullopt);
            continue;
        }
        if (!r.ok()) {
            db.close();
            writerSays(Status{writeProblem(r.code, m_path), m_path, r.detail});
            return false;
        }
        return true;
    }
    return false;
}

void HistoryStore::writerLoop() {
    HistoryDatabase db(m_path,
                       QStringLiteral("orvane-history-write-%1").arg(quintptr(this), 0, 16));
    int delay = 250;
    bool opened = false;
    bool failedAfterStop = false;
    std::unique_lock lock(m_shared->mutex);
    for (;;) {
        if (m_shared->gone || (m_shared->stop && (m_shared->queue.empty() || failedAfterStop)))
            break;
        if (!opened) {
            const int attempt = ++m_shared->started;
            lock.unlock();
            opened = writerOpen(db);
            lock.lock();
            if (!opened) {
                m_shared->lastFailed = attempt;
                m_shared->progress.notify_all();
                failedAfterStop = m_shared->stop;
                m_shared->wake.wait_for(lock, std::chrono::milliseconds(delay),
                                        [&] { return m_shared->stop; });
                delay = std::min(delay * 2, kMaxRetryMs);
                continue;
            }
        }
        if (m_shared->queue.empty()) {
            m_shared->wake.wait(lock, [&] { return m_shared->stop || !m_shared->queue.empty(); });
            continue;
        }
        // Everything queued so far, up to a bound that keeps one transaction short.
        QList<HistoryDatabase::Job> jobs;
        for (std::size_t i = 0; i < m_shared->queue.size() && i < kBatch; ++i)
            jobs.append(m_shared->queue[i]);
        const int attempt = ++m_shared->started;
        lock.unlock();
        const HistoryDatabase::Result r = db.write(jobs, m_session);
        if (r.ok()) {
            for (const HistoryDatabase::Job& job : jobs) {
                if (!job.file.isEmpty())
                    QFile::remove(job.file);
            }
            writerSays(std::nullopt, jobs.last().seq);
        } else if (r.code == Code::Damaged || r.code == Code::NotADatabase) {
            db.close(); // checked when next opened, and set aside
            opened = false;
            m_checkNext = true;
        } else
            writerSays(Status{writeProblem(r.code, m_path), m_path, r.detail});
        lock.lock();
        if (r.ok()) {
            m_shared->queue.erase(m_shared->queue.begin(),
                                  m_shared->queue.begin() + qsizetype(jobs.size()));
            m_shared->progress.notify_all();
            delay = 250;
            continue;
        }
        if (!opened)
            continue;
        m_shared->lastFailed = attempt;
        m_shared->progress.notify_all();
        failedAfterStop = m_shared->stop;
        m_shared->wake.wait_for(lock, std::chrono::milliseconds(delay),
                                [&] { return m_shared->stop; });
        delay = std::min(delay * 2, kMaxRetryMs);
    }
    m_shared->gone = true;
    m_shared->progress.notify_all();
    lock.unlock();
    if (opened)
        db.endSession(m_session);
}
