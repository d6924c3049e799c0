#pragma once

#include "progress/chapterreview.h"
#include "progress/historystore.h"
#include "selftest/randomdraw.h"

#include <QSet>

#include "widgets/page.h"
#include <functional>

class Label;
class QuestionOptions;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QuestionBank;
class TrendChart;
class ReviewView;
class MockExamView;

// The My Progress page: the trend of the recent tests, the chapters to review, a drill of the
// questions missed with the spaced checks of those mastered, a mock exam, and the review of any
// past test. It reads and writes the history only; where the pages it points to lie is the
// window's business, told through its signals.
class ProgressPage : public Page {
    Q_OBJECT
public:
    using Guard = std::function<void(const std::function<void()>&)>;
    using Clock = std::function<QDateTime()>;
    // `guard` runs the drill's steps; none: they run as they are. `clock`: the time the drill's
    // answers are given at and checks fall due by; none: the system's.
    ProgressPage(QWidget* parent, HistoryStore& history, const QuestionBank& bank,
                 const QStringList& chapterTitles, Guard guard = {}, Clock clock = {},
                 RandomDraw::SeedSource seed = {});

    // A chapter's link text that fits `width`: its title shortened after a whole word.
    static QString fitChapter(const QFontMetrics& metrics, int width, int chapter,
                              const QString& title, int questions);

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
    QScrollArea* ChapterList;
    QList<QPushButton*> ChapterLinks; // the shown ones first; made as needed
    Label* NoChaptersLabel;
    Label* DueLabel;
    QPushButton* DrillButton;
    Label* DrillCount;
    Label* DrillQuestion;
    QList<QRadioButton*> DrillOptions;
    QPushButton* DrillSubmit;
    Label* DrillFeedback;
    QPushButton* AnswerLink;
    QPushButton* TestLink;
    QPushButton* MockButton;
    QPushButton* PastButton;
    ReviewView* Review;
    MockExamView* Exam;

signals:
    void chapterChosen(int chapter);
    void answerPageChosen(int practice);
    void testYourselfChosen();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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
    void showView(QWidget* view);
    void openReview(qint64 id);
    void showChapters(const QList<ChapterReview::Chapter>& chapters, bool missedAny);
    qint64 now() const;
    static QString progressOf(const drill::QuestionState& after, bool wasCheck);
    // Everything the drill says to a screen reader goes through here.
    void announce(const QString& text);

    HistoryStore& m_history;
    const QuestionBank& m_bank;
    QStringList m_chapterTitles;
    ChapterReview m_review = ChapterReview::builtIn();
    QuestionOptions* m_options;
    // Runs a step that may raise an error where the window turns errors into its error box.
    Guard m_guard;
    Clock m_clock;
    RandomDraw::SeedSource m_seed;
    QWidget* m_overview;
    Drill m_drill = Drill::Idle;
    int m_record = 0;         // the question on screen
    QSet<int> m_askedInRound; // each missed question once before any comes again
};
