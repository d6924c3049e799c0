#include "progress/mockexamview.h"

#include "content/questionbank.h"
#include "progress/testreview.h"
#include "widgets/announcer.h"
#include "widgets/answerkeys.h"
#include "widgets/focus.h"
#include "widgets/label.h"
#include "widgets/questionoptions.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

MockExamView::MockExamView(QWidget* parent, HistoryStore& history, const QuestionBank& bank,
                           RandomDraw::SeedSource seed, Clock clock, Elapsed elapsed)
    : QWidget(parent), m_history(history), m_bank(bank), m_seed(std::move(seed)),
      m_clock(std::move(clock)), m_elapsed(std::move(elapsed)) {
    setObjectName(QStringLiteral("MockExamView"));
    if (!m_elapsed)
        m_elapsed = [this] { return m_timer.elapsed(); };
    const QFont title = controls::verdanaTitle();
    new Label(this, "ExamCaption", {8, 27, 515, 12},
              tr("Mock exam: %1 questions, %2 minutes, %3 right answers to pass.")
                  .arg(MockExam::kQuestions)
                  .arg(MockExam::kDurationMs / 60000)
                  .arg(MockExam::kPassMark),
              title, controls::kNavy, Label::Sizing::Fixed);
    ExamClock = new Label(this, "ExamClock", {525, 24, 204, 18}, QString(),
                          controls::font(QStringLiteral("Verdana"), 13, true), controls::kMaroon,
                          Label::Sizing::Fixed);
    ExamClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    controls::bevel(this, "ExamBevel", {8, 46, 721, 170});
    ExamPosition = new Label(this, "ExamPosition", {16, 52, 300, 13}, QString(), title,
                             controls::kNavy, Label::Sizing::Fixed);
    ExamQuestion = new Label(this, "ExamQuestion", {16, 68, 705, 30}, QString(),
                             controls::font(QStringLiteral("Trebuchet MS"), 11, true),
                             controls::kGreen, Label::Sizing::Fixed);
    ExamQuestion->setWordWrap(true);
    m_options = new QuestionOptions(this, QStringLiteral("ExamOption"), {22, 102, 699, 17}, 18,
                                    QuestionBank::kOptions);
    ExamOptions = m_options->buttons();
    ExamNext = controls::pushButton(this, "ExamNext", {16, 184, 120, 23}, tr("Next"));
    ExamNext->setAccessibleDescription(
        tr("Keys: A to D or 1 to 4 choose an option, Enter goes on to the next question."));
    ExamVerdict = new Label(this, "ExamVerdict", {8, 50, 721, 22}, QString(),
                            controls::font(QStringLiteral("Verdana"), 15, true), controls::kNavy,
                            Label::Sizing::Fixed);
    ExamMissed = new QTextBrowser(this);
    ExamMissed->setObjectName(QStringLiteral("ExamMissed"));
    ExamMissed->setGeometry(8, 76, 721, 282);
    ExamMissed->setFont(controls::windowFont());
    ExamMissed->setOpenLinks(false);
    ExamMissed->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    ExamMissed->setAccessibleName(tr("The questions missed"));
    ExamBack = controls::pushButton(this, "ExamBack", {579, 364, 150, 23}, QString());
    connect(ExamNext, &QPushButton::clicked, this, &MockExamView::next);
    connect(ExamBack, &QPushButton::clicked, this, &MockExamView::leave);
    connect(ExamMissed, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (const int practice = TestReview::answerPage(link))
            emit answerPageChosen(practice);
    });
    connect(m_options, &QuestionOptions::clicked, this, [this](int k) {
        Announcer::of(this)->announce(
            tr("You chose %1").arg(m_options->button(k)->accessibleName()));
    });
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &MockExamView::tick);
    setTabOrder(ExamOptions[0], ExamOptions[1]);
    setTabOrder(ExamOptions[1], ExamOptions[2]);
    setTabOrder(ExamOptions[2], ExamOptions[3]);
    setTabOrder(ExamOptions[3], ExamNext);
    setTabOrder(ExamNext, ExamMissed);
    setTabOrder(ExamMissed, ExamBack);
}

// Closing the program mid-exam keeps what was answered.
MockExamView::~MockExamView() {
    if (running())
        recordEarlyEnd();
}

// An exam left before its first answer taught nothing, and is not put on the chart.
void MockExamView::recordEarlyEnd() {
    const FinishedTest test = m_exam->endedEarly(m_clock());
    if (!test.questions.isEmpty())
        m_history.recordTest(test);
}

void MockExamView::setAsking(bool asking) {
    for (QWidget* w : std::initializer_list<QWidget*>{ExamPosition, ExamQuestion, ExamNext,
                                                      findChild<QWidget*>("ExamBevel")}) {
        if (asking)
            w->show();
        else
            hideControl(w);
    }
    for (QRadioButton* option : ExamOptions) {
        if (asking)
            option->show();
        else
            hideControl(option);
    }
    ExamVerdict->setVisible(!asking);
    ExamMissed->setVisible(!asking);
    ExamBack->setText(asking ? tr("&Leave the exam") : tr("&Back to My Progress"));
    ExamBack->setAccessibleDescription(asking ? tr("Ends the exam now; it is kept as ended early")
                                              : QString());
}

void MockExamView::start() {
    m_exam = std::make_unique<MockExam>(m_bank, m_seed);
    m_warned = false;
    m_timer.start();
    m_tick.start();
    setAsking(true);
    tick();
    showQuestion();
}

void MockExamView::showQuestion() {
    const Question& q = m_exam->current();
    ExamPosition->setCaption(
        tr("Question %1 of %2").arg(m_exam->position()).arg(MockExam::kQuestions));
    ExamQuestion->setCaption(q.text);
    m_options->show(q);
    ExamNext->setFocus(Qt::OtherFocusReason);
    Announcer::of(this)->announce(tr("Question %1 of %2: %3 %4")
                                      .arg(m_exam->position())
                                      .arg(MockExam::kQuestions)
                                      .arg(q.text.trimmed(), m_options->spoken()));
}

void MockExamView::next() {
    if (!running())
        return;
    const int given = m_options->chosen();
    if (given == 0) {
        ExamPosition->setCaption(tr("Question %1 of %2: choose one of the options first.")
                                     .arg(m_exam->position())
                                     .arg(MockExam::kQuestions));
        Announcer::of(this)->announce(tr("Choose one of the options first."));
        return;
    }
    m_exam->answer(given);
    if (m_exam->finished())
        finish(false);
    else
        showQuestion();
}

void MockExamView::tick() {
    if (!running())
        return;
    const qint64 left = MockExam::remainingMs(m_elapsed());
    const qint64 seconds = (left + 999) / 1000;
    ExamClock->setCaption(
        tr("Time left: %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
    ExamClock->setAccessibleName(ExamClock->text());
    if (left == 0) {
        finish(true);
        return;
    }
    if (!m_warned && left <= MockExam::kWarnAtMs) {
        m_warned = true;
        Announcer::of(this)->announce(tr("%1 minutes left.").arg(MockExam::kWarnAtMs / 60000));
    }
}

void MockExamView::finish(bool timeUp) {
    m_tick.stop();
    m_exam->finish();
    const FinishedTest test = m_exam->result(m_clock());
    m_history.recordTest(test);
    setAsking(false);
    ExamClock->setCaption(timeUp ? tr("Time is up") : QString());
    ExamVerdict->setCaption(MockExam::verdict(test));
    QPalette colour = ExamVerdict->palette();
    colour.setColor(QPalette::WindowText,
                    MockExam::passed(test) ? controls::kGreen : controls::kMaroon);
    ExamVerdict->setPalette(colour);
    ExamMissed->setHtml(TestReview::html(test, m_bank, TestReview::Show::Missed));
    ExamBack->setFocus(Qt::OtherFocusReason);
    const QString said =
        (timeUp ? tr("Time is up.") + u' ' : QString()) + ExamVerdict->text() + u'.' + u' ' +
        tr("%1 questions missed are listed with the right answers.").arg(test.incorrect());
    Announcer::of(this)->announce(said);
}

void MockExamView::leave() {
    if (running()) {
        m_tick.stop();
        recordEarlyEnd();
        m_exam->finish();
    }
    emit closed();
}

bool MockExamView::answerKey(QKeyEvent* event) {
    const int option = answerkeys::read(event);
    if (!running() || option == 0)
        return false;
    if (option == answerkeys::kSubmit)
        next();
    else if (QRadioButton* button = m_options->button(option))
        button->click();
    return true;
}

void MockExamView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !running()) {
        emit closed();
        return;
    }
    if (!answerKey(event))
        QWidget::keyPressEvent(event);
}
