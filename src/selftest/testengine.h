#pragma once

#include "content/question.h"
#include "progress/finishedtest.h"
#include "selftest/randomdraw.h"
#include "selftest/teststate.h"

#include <QStringList>

class QuestionBank;

// The whole of a test, apart from any window: the draw, the question on screen, the choices
// given, the score, the early end, and the summary and report lines of the last completed test.
// Its steps keep the names the page's handlers have, so each can be read beside the other:
// Start (Button1Click), Advance (Button2Click), End (Button3Click). The page shows what it
// holds and forwards the user's input to it.
class TestEngine {
public:
    enum class Phase {
        Idle,     // before the first test, and after one ended early
        Running,  // from Start until completion or End
        Finished, // the summary of a completed test is shown
    };
    enum class Step {
        NeedChoice, // no option chosen: nothing else changed
        Drawn,      // the next question is shown
        Completed,  // the test is over: summary() and reportLines() describe it
    };

    // Figures of a completed test.
    struct Summary {
        int questions = 0;
        int correct = 0;
        int incorrect = 0;
        double successRate = 0.0;
    };

    TestEngine(const QuestionBank& bank, RandomDraw::SeedSource seed);

    // Uncovers the question area: the score starts at 0. Question 1 must have been drawn.
    void Start();
    // Insists on a choice (once a question is shown), draws and shows the next question, then
    // scores the previous one; the advance after the last answer completes the test. `length`
    // is the number of questions as the page reads it at this advance. Raises AppError only
    // where the bank is exhausted, which a length of at most 178 never reaches.
    Step Advance(int length);
    // Abandons the test: what was answered so far, as the history keeps it.
    FinishedTest End(int length);

    // The option chosen for the question on screen (1-based), 0 for none.
    void choose(int option) { m_chosen = option; }
    int chosen() const { return m_chosen; }

    Phase phase() const { return m_phase; }
    // A question is shown and can be answered.
    bool running() const { return m_phase == Phase::Running && m_state.QuestionNumber > 0; }
    const TestState& state() const { return m_state; }
    // The question drawn last: the one on screen while running.
    const Question& current() const { return m_current; }
    // Its position in the test, which outlives the completion that resets QuestionNumber.
    int currentNumber() const { return m_currentNumber; }
    int CorrectCount() const { return m_state.CorrectCount; }

    // The last completed test; empty report lines where none was completed.
    const Summary& summary() const { return m_summary; }
    const QStringList& reportLines() const { return m_reportLines; }
    const FinishedTest& lastCompleted() const { return m_lastCompleted; }

private:
    void complete(int answered);
    // Questions 1 .. QuestionNumber - 1 with the choices made for them.
    FinishedTest asked(int length, bool endedEarly) const;

    const QuestionBank& m_bank;
    RandomDraw m_random;
    TestState m_state;
    Phase m_phase = Phase::Idle;
    Question m_current;
    int m_currentNumber = 0;
    int m_chosen = 0;
    Summary m_summary;
    QStringList m_reportLines;
    FinishedTest m_lastCompleted;
};
