#pragma once

#include "progress/chapterreview.h"
#include "progress/historystore.h"

#include <QSet>

#include "widgets/page.h"
#include <functional>

class Label;
class QuestionOptions;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QuestionBank;
class TrendChart;

// The My Progress page: the trend of the recent tests, the chapters to review, and a drill of
// the questions missed. It reads and writes the history only; where the pages it points to
// lie is the window's business, told through its signals.
class ProgressPage : public Page {
    Q_OBJECT
public:
    static constexpr int kChapterLinks = 5;

    using Guard = std::function<void(const std::function<void()>&)>;
    // `guard` runs the drill's steps; none: they run as they are.
    ProgressPage(QWidget* parent, HistoryStore& history, const QuestionBank& bank,
                 const QStringList& chapterTitles, Guard guard = {});

    // Reads the history afresh; a drill under way goes on where it is.
    void refresh();
    // What the history reports, in words; the terminal hears the same.
    static QString describe(const HistoryStore::Status& status);
    // While a drill question is shown: A to D or 1 to 4 choose, Enter submits, and then Enter
    // goes on to the next question. Returns whether the key was one of them.
    bool answerKey(QKeyEvent* event) override;

    Label* Heading;
    TrendChart* Chart;
    Label* AverageLabel;
    Label* ProblemLabel;
    QPushButton* DismissLink;
    QList<QPushButton*> ChapterLinks;
    Label* NoChaptersLabel;
    QPushButton* DrillButton;
    Label* DrillCount;
    Label* DrillQuestion;
    QList<QRadioButton*> DrillOptions;
    QPushButton* DrillSubmit;
    Label* DrillFeedback;
    QPushButton* AnswerLink;
    QPushButton* TestLink;

signals:
    void chapterChosen(int chapter);
    void answerPageChosen(int practice);
    void testYourselfChosen();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildSummary();
    void buildDrill();
    void wire();
    void describeForScreenReaders();
    void openAnswerPage();
    enum class Drill { Idle, Asking, Answered };

    void startDrill();
    void askNext();
    void submit();
    void showWaiting();
    void setOptionsShown(bool shown);
    // Everything the drill says to a screen reader goes through here.
    void announce(const QString& text);

    HistoryStore& m_history;
    const QuestionBank& m_bank;
    QStringList m_chapterTitles;
    ChapterReview m_review = ChapterReview::builtIn();
    QuestionOptions* m_options;
    // Runs a step that may raise an error where the window turns errors into its error box.
    Guard m_guard;
    Drill m_drill = Drill::Idle;
    int m_record = 0;         // the question on screen
    QSet<int> m_askedInRound; // each missed question once before any comes again
};
