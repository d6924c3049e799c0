#include "selftest/testengine.h"

#include "content/questionbank.h"
#include "selftest/testrules.h"

TestEngine::TestEngine(const QuestionBank& bank, RandomDraw::SeedSource seed)
    : m_bank(bank), m_random(std::move(seed)) {}

void TestEngine::Start() {
    m_state.CorrectCount = 0;
    m_phase = Phase::Running;
}

TestEngine::Step TestEngine::Advance(int length) {
    TestState& s = m_state;
    if (s.QuestionNumber > 0 && m_chosen == 0)
        return Step::NeedChoice;

    s.QuestionNumber += 1;
    const int record = testrules::drawRecord(m_random, s);
    s.AskedQuestions[s.QuestionNumber] = record;
    m_current = m_bank.question(record);
    m_currentNumber = s.QuestionNumber;
    s.CorrectAnswers[s.QuestionNumber] = m_current.key;

    if (s.QuestionNumber > 1) {
        s.GivenAnswers[s.QuestionNumber] = m_chosen;
        if (s.GivenAnswers[s.QuestionNumber] == s.CorrectAnswers[s.QuestionNumber - 1])
            s.CorrectCount += 1;
    }
    m_chosen = 0;

    // ">=" rather than "=": questions drawn while no test was running (Submit pressed from the
    // keyboard under the panel) can outnumber a length lowered afterwards. The test then ends
    // at the next advance instead of drawing on past the bank.
    if (s.QuestionNumber >= length + 1) {
        complete(s.QuestionNumber - 1);
        return Step::Completed;
    }
    return Step::Drawn;
}

void TestEngine::complete(int answered) {
    TestState& s = m_state;
    s.SuccessRate = testrules::successRate(s.CorrectCount, answered);
    m_summary = {answered, s.CorrectCount, answered - s.CorrectCount, s.SuccessRate};
    m_reportLines = testrules::reportLines(s, m_bank);
    m_lastCompleted = asked(answered, false);
    m_phase = Phase::Finished;
    // The test is over even where its report cannot be saved: the next one starts at
    // question 1.
    s.QuestionNumber = 0;
    s.clearSlots();
}

FinishedTest TestEngine::End(int length) {
    const FinishedTest ended = asked(length, true);
    m_phase = Phase::Idle;
    m_state.QuestionNumber = 0;
    m_state.CorrectCount = 0;
    return ended;
}

// The choice for question k is recorded one advance later, in slot k + 1.
FinishedTest TestEngine::asked(int length, bool endedEarly) const {
    FinishedTest test{QDateTime::currentDateTimeUtc(), length, endedEarly, {}};
    for (int k = 1; k < m_state.QuestionNumber; ++k)
        test.questions.append(
            {m_state.AskedQuestions[k], m_state.GivenAnswers[k + 1], m_state.CorrectAnswers[k]});
    return test;
}
