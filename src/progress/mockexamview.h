#pragma once

#include "progress/historystore.h"
#include "progress/mockexam.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class Label;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QuestionBank;
class QuestionOptions;

// The mock exam on My Progress: one question at a time under a visible clock, the result at
// the end with each missed question. It is recorded in the history as a mock exam; the Test
// Yourself page and its report are never touched. Left before its end, by the back button or
// by closing the program, it is recorded as ended early with what was answered.
class MockExamView : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using Elapsed = std::function<qint64()>; // milliseconds since the exam began

    MockExamView(QWidget* parent, HistoryStore& history, const QuestionBank& bank,
                 RandomDraw::SeedSource seed, Clock clock, Elapsed elapsed = {});
    ~MockExamView() override;

    void start();
    // Looks at the clock: shows the time left, warns at five minutes, ends the exam at none.
    void tick();
    bool running() const { return m_exam && !m_exam->finished(); }
    // A to D or 1 to 4 choose, Enter goes on; whether the key was one of them.
    bool answerKey(QKeyEvent* event);

    Label* ExamClock;
    Label* ExamPosition;
    Label* ExamQuestion;
    QList<QRadioButton*> ExamOptions;
    QPushButton* ExamNext;
    Label* ExamVerdict;
    QTextBrowser* ExamMissed;
    QPushButton* ExamBack;

signals:
    void closed();
    void answerPageChosen(int practice);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void recordEarlyEnd();
    void next();
    void showQuestion();
    void finish(bool timeUp);
    void leave();
    void setAsking(bool asking);

    HistoryStore& m_history;
    const QuestionBank& m_bank;
    RandomDraw::SeedSource m_seed;
    Clock m_clock;
    Elapsed m_elapsed;
    QElapsedTimer m_timer;
    QTimer m_tick;
    std::unique_ptr<MockExam> m_exam;
    QuestionOptions* m_options;
    bool m_warned = false;
};
