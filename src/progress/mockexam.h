#pragma once

#include "content/question.h"
#include "progress/finishedtest.h"
#include "selftest/randomdraw.h"

#include <QCoreApplication>

class QuestionBank;

// A mock exam as the written test of 2003 was: 20 questions from the whole bank, 30 minutes,
// 12 right answers to pass, and nothing said about an answer until the end. Apart from any
// window: the view feeds it the choices and the time gone.
class MockExam {
    Q_DECLARE_TR_FUNCTIONS(MockExam)
public:
    static constexpr int kQuestions = 20;
    static constexpr int kPassMark = 12;
    static constexpr qint64 kDurationMs = 30 * 60 * 1000;
    static constexpr qint64 kWarnAtMs = 5 * 60 * 1000; // a screen reader hears the time left

    MockExam(const QuestionBank& bank, RandomDraw::SeedSource seed);

    int position() const { return int(m_given.size()) + 1; } // of the question on screen
    const Question& current() const { return m_current; }
    bool finished() const { return m_finished; }
    // Records the choice (1 to 4) for the question on screen and shows the next; after the
    // last one the exam is finished.
    void answer(int option);
    // What is left of the 30 minutes after `elapsedMs`; never below 0.
    static qint64 remainingMs(qint64 elapsedMs);
    // The exam as it ended: at the last answer, or when the time ran out, with every question
    // not answered counted wrong.
    FinishedTest result(const QDateTime& at) const;
    // Left before the end (the program closed): the questions answered so far, marked as ended
    // early. Needs no bank: it is called while the window is taken down.
    FinishedTest endedEarly(const QDateTime& at) const;
    void finish() { m_finished = true; }

    static bool passed(const FinishedTest& test);
    // "Passed: 15 of 20" or "Not yet: 10 of 20".
    static QString verdict(const FinishedTest& test);

private:
    void draw();

    const QuestionBank& m_bank;
    RandomDraw m_random;
    QList<int> m_records; // drawn, in the order asked
    // Their right options, kept from the draw: the exam ended by closing the window is written
    // after the window's content, the bank among it, is gone.
    QList<int> m_keys;
    QList<int> m_given;
    Question m_current;
    bool m_finished = false;
};
