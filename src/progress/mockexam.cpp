#include "progress/mockexam.h"

#include "content/questionbank.h"

MockExam::MockExam(const QuestionBank& bank, RandomDraw::SeedSource seed)
    : m_bank(bank), m_random(std::move(seed)) {
    m_random.reseed();
    // Drawn all at once, without repeats, from the whole bank.
    while (m_records.size() < kQuestions) {
        const int record = m_random.next(QuestionBank::kRecords) + 1;
        if (!m_records.contains(record)) {
            m_records.append(record);
            m_keys.append(m_bank.question(record).key);
        }
    }
    m_current = m_bank.question(m_records.first());
}

void MockExam::answer(int option) {
    if (m_finished)
        return;
    m_given.append(option);
    if (m_given.size() == kQuestions)
        m_finished = true;
    else
        m_current = m_bank.question(m_records[m_given.size()]);
}

qint64 MockExam::remainingMs(qint64 elapsedMs) {
    return qMax<qint64>(0, kDurationMs - elapsedMs);
}

FinishedTest MockExam::endedEarly(const QDateTime& at) const {
    FinishedTest test{at, kQuestions, true, {}, true};
    for (int i = 0; i < m_given.size(); ++i)
        test.questions.append({m_records[i], m_given[i], m_keys[i]});
    return test;
}

FinishedTest MockExam::result(const QDateTime& at) const {
    FinishedTest test = endedEarly(at);
    test.endedEarly = false;
    for (qsizetype i = m_given.size(); i < kQuestions; ++i)
        test.questions.append({m_records[i], 0, m_keys[i]});
    return test;
}

bool MockExam::passed(const FinishedTest& test) {
    return !test.endedEarly && test.correct() >= kPassMark;
}

QString MockExam::verdict(const FinishedTest& test) {
    return (passed(test) ? tr("Passed: %1 of %2") : tr("Not yet: %1 of %2"))
        .arg(test.correct())
        .arg(test.questions.size());
}
