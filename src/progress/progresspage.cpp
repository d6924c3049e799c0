#include "progress/progresspage.h"

#include "content/questionbank.h"
#include "progress/drill.h"
#include "progress/historystore.h"
#include "progress/mockexamview.h"
#include "progress/reviewview.h"
#include "progress/trendchart.h"
#include "widgets/announcer.h"
#include "widgets/answerkeys.h"
#include "widgets/focus.h"
#include "widgets/label.h"
#include "widgets/questionoptions.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace {

using controls::kGreen;
using controls::kMaroon;
using controls::kNavy;

QPushButton* button(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAutoDefault(true); // Enter presses the focused button
    return b;
}

// A button that looks like a link in a page: blue and underlined, framed only while focused.
QPushButton* link(QWidget* parent, const char* name, QRect geometry) {
    QPushButton* b = button(parent, name, geometry, QString());
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { color: #0000FF; text-decoration: underline; text-align: left;"
        " border: 1px solid transparent; padding: 0px 2px; background: transparent; }"
        "QPushButton:focus { border: 1px dotted palette(window-text); }"));
    return b;
}

} // namespace

ProgressPage::ProgressPage(QWidget* parent, HistoryStore& history, const QuestionBank& bank,
                           const QStringList& chapterTitles, Guard guard, Clock clock,
                           RandomDraw::SeedSource seed)
    : Page(parent), m_history(history), m_bank(bank), m_chapterTitles(chapterTitles),
      m_guard(std::move(guard)), m_clock(std::move(clock)), m_seed(std::move(seed)) {
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTimeUtc(); };
    if (!m_seed)
        m_seed = RandomDraw::clockSeed();
    if (!m_guard)
        m_guard = [](const std::function<void()>& step) { step(); };
    setObjectName(QStringLiteral("TabSheet5"));
    // The summary and the drill; the mock exam and the review of a past test take its place.
    m_overview = new QWidget(this);
    m_overview->setObjectName(QStringLiteral("Overview"));
    m_overview->resize(757, 427); // until the page control gives the page its size
    buildSummary();
    buildDrill();
    wire();
    describeForScreenReaders();
    // A write made or missed behind the page, or a file set aside, shows at once.
    connect(&m_history, &HistoryStore::changed, this, &ProgressPage::refresh);
    showWaiting();
}

void ProgressPage::buildSummary() {
    const QFont plain = controls::windowFont();
    const QFont title = controls::verdanaTitle();
    const QColor text = palette().color(QPalette::WindowText);

    Heading = controls::headingBand(this, "Heading", {2, 4, 727, 17}, tr("Orvane: My Progress"));
    new Label(m_overview, "TrendCaption", {8, 27, 120, 12}, tr("Your recent tests:"), title, kNavy);
    AverageLabel = new Label(m_overview, "AverageLabel", {130, 26, 330, 14}, QString(), plain, text,
                             Label::Sizing::Fixed);
    Chart = new TrendChart(m_overview, {8, 42, 452, 127});
    Chart->setFont(plain);
    ProblemLabel = new Label(m_overview, "ProblemLabel", {8, 171, 721, 26}, QString(), plain,
                             kMaroon, Label::Sizing::Fixed);
    ProblemLabel->setWordWrap(true);
    // A file set aside is told in every run until the learner says it has been read.
    DismissLink = link(m_overview, "DismissLink", {672, 157, 60, 14});
    DismissLink->setText(tr("Dismiss"));
    DismissLink->setAccessibleName(tr("Dismiss the notice of the history set aside"));
    hideControl(DismissLink);

    new Label(m_overview, "ReviewCaption", {472, 27, 200, 12}, tr("Chapters to review:"), title,
              kNavy);
    // Every chapter with a question to drill, however many: the list scrolls.
    ChapterList = new QScrollArea(m_overview);
    ChapterList->setObjectName(QStringLiteral("ChapterList"));
    ChapterList->setGeometry(466, 41, 266, 112);
    ChapterList->setFrameShape(QFrame::NoFrame);
    ChapterList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChapterList->setFocusPolicy(Qt::NoFocus); // its links take the focus, one by one
    auto* inner = new QWidget(ChapterList);
    inner->setObjectName(QStringLiteral("ChapterListInner"));
    ChapterList->setWidget(inner);
    ChapterList->setWidgetResizable(false);
    NoChaptersLabel = new Label(m_overview, "NoChaptersLabel", {472, 44, 260, 40},
                                tr("No missed questions yet."), plain, text, Label::Sizing::Fixed);
    NoChaptersLabel->setWordWrap(true);
    DueLabel = new Label(m_overview, "DueLabel", {472, 155, 196, 14}, QString(), title, kNavy,
                         Label::Sizing::Fixed);
}

void ProgressPage::buildDrill() {
    const QFont title = controls::verdanaTitle();
    controls::bevel(m_overview, "DrillBevel", {8, 199, 721, 188});
    DrillButton = button(m_overview, "DrillButton", {16, 206, 120, 23}, tr("&Drill my mistakes"));
    DrillCount = new Label(m_overview, "DrillCount", {146, 211, 394, 13}, QString(), title, kNavy,
                           Label::Sizing::Fixed);
    DrillCount->setWordWrap(true);
    MockButton = button(m_overview, "MockButton", {548, 206, 86, 23}, tr("&Mock exam"));
    MockButton->setAccessibleDescription(
        tr("20 questions from the whole bank in 30 minutes; 12 right answers pass"));
    PastButton = button(m_overview, "PastButton", {640, 206, 82, 23}, tr("&Past tests"));
    PastButton->setAccessibleDescription(tr("Shows any past test with its answers"));
    Review = new ReviewView(this, m_history, m_bank);
    Exam = new MockExamView(this, m_history, m_bank, m_seed, m_clock);
    Review->hide();
    Exam->hide();
    DrillQuestion = new Label(m_overview, "DrillQuestion", {16, 236, 705, 30}, QString(),
                              controls::font(QStringLiteral("Trebuchet MS"), 11, true), kGreen,
                              Label::Sizing::Fixed);
    DrillQuestion->setWordWrap(true);
    m_options = new QuestionOptions(m_overview, QStringLiteral("DrillOption"), {22, 270, 699, 17},
                                    18, QuestionBank::kOptions);
    DrillOptions = m_options->buttons();
    DrillSubmit = button(m_overview, "DrillSubmit", {16, 352, 120, 23}, tr("Submit"));
    DrillFeedback = new Label(m_overview, "DrillFeedback", {146, 348, 446, 30}, QString(),
                              controls::font(QStringLiteral("Verdana"), 11, true), kGreen,
                              Label::Sizing::Fixed);
    DrillFeedback->setWordWrap(true);
    AnswerLink = link(m_overview, "AnswerLink", {600, 352, 120, 20});
    TestLink = link(m_overview, "TestLink", {16, 272, 360, 20});
    TestLink->setText(tr("Take a new test on the Test Yourself page"));
    TestLink->resize(TestLink->sizeHint().width(), TestLink->height());
}

// What may raise an error (a damaged bank line) runs through the window's dispatch point.
void ProgressPage::wire() {
    if (!m_guard)
        m_guard = [](const std::function<void()>& step) { step(); };
    const auto guarded = [this](void (ProgressPage::*step)()) {
        return [this, step] { m_guard([this, step] { (this->*step)(); }); };
    };
    connect(DrillButton, &QPushButton::clicked, this, guarded(&ProgressPage::startDrill));
    connect(DrillSubmit, &QPushButton::clicked, this, guarded(&ProgressPage::submit));
    connect(AnswerLink, &QPushButton::clicked, this, guarded(&ProgressPage::openAnswerPage));
    connect(TestLink, &QPushButton::clicked, this, &ProgressPage::testYourselfChosen);
    connect(MockButton, &QPushButton::clicked, this, [this] {
        showView(Exam);
        m_guard([this] { Exam->start(); });
    });
    connect(PastButton, &QPushButton::clicked, this, [this] { openReview(0); });
    connect(Chart, &TrendChart::testChosen, this, &ProgressPage::openReview);
    connect(Chart, &TrendChart::currentChanged, this, &ProgressPage::announce);
    connect(Review, &ReviewView::closed, this, [this] { showView(m_overview); });
    connect(Exam, &MockExamView::closed, this, [this] { showView(m_overview); });
    connect(Review, &ReviewView::answerPageChosen, this, &ProgressPage::answerPageChosen);
    connect(Exam, &MockExamView::answerPageChosen, this, &ProgressPage::answerPageChosen);
    connect(DismissLink, &QPushButton::clicked, this, [this] {
        m_history.dismissNotices();
        refresh();
    });
    connect(m_options, &QuestionOptions::clicked, this, [this](int k) {
        announce(tr("You chose %1").arg(m_options->button(k)->accessibleName()));
    });
}

void ProgressPage::describeForScreenReaders() {
    DrillButton->setAccessibleDescription(tr("Practise the questions you missed, one at a time"));
    DrillSubmit->setAccessibleDescription(
        tr("Keys: A to D or 1 to 4 choose an option, Enter submits and then goes on."));
    DrillQuestion->setAccessibleName(tr("Drill question"));

    // The chapter links are put between the chart and the drill as they are made.
    setTabOrder(Chart, DrillButton);
    setTabOrder(DrillButton, DrillOptions[0]);
    for (int k = 1; k < 4; ++k)
        setTabOrder(DrillOptions[k - 1], DrillOptions[k]);
    setTabOrder(DrillOptions[3], TestLink);
    setTabOrder(TestLink, DrillSubmit);
    setTabOrder(DrillSubmit, AnswerLink);
    setTabOrder(AnswerLink, MockButton);
    setTabOrder(MockButton, PastButton);
}

void ProgressPage::openAnswerPage() {
    emit answerPageChosen(ChapterReview::practiceNumber(m_bank.QuestionText(m_record)));
}

void ProgressPage::resizeEvent(QResizeEvent* event) {
    for (QWidget* view : {m_overview, static_cast<QWidget*>(Review), static_cast<QWidget*>(Exam)})
        view->setGeometry(rect());
    Page::resizeEvent(event);
}

void ProgressPage::showView(QWidget* view) {
    for (QWidget* each : {m_overview, static_cast<QWidget*>(Review), static_cast<QWidget*>(Exam)}) {
        if (each != view)
            hideControl(each);
    }
    view->show();
    if (view == m_overview) {
        refresh();
        DrillButton->setFocus(Qt::OtherFocusReason);
    }
}

void ProgressPage::openReview(qint64 id) {
    showView(Review);
    m_guard([this, id] { Review->open(id); });
}

void ProgressPage::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

QString ProgressPage::describe(const HistoryStore::Status& status) {
    using Problem = HistoryStore::Problem;
    const QString name = QFileInfo(status.path).fileName();
    switch (status.problem) {
    case Problem::NoFolder:
        return status.detail.isEmpty()
                   ? tr("No history is kept: there is no user data folder (neither XDG_DATA_HOME "
                        "nor HOME names one).")
                   : tr("No history is kept: %1.").arg(status.detail);
    case Problem::NoDriver:
        return tr("No history is kept: Qt's SQLite driver is missing (%1).").arg(status.detail);
    case Problem::CannotMakeFolder:
        return tr("No history is kept: the folder %1 cannot be made.").arg(status.path);
    case Problem::CannotOpen:
        return tr("No history is kept: %1 cannot be opened (%2).").arg(status.path, status.detail);
    case Problem::ReadOnlyFolder:
        return tr("This folder is read-only: %1. Your history is shown, but new tests are not "
                  "added to it.")
            .arg(status.path);
    case Problem::ReadOnlyFile:
        return tr("%1 is read-only. Your history is shown, but new tests are not added to it.")
            .arg(status.path);
    case Problem::OpenToOthers:
        return tr("This folder can be written by others; chmod 700 %1 makes it private. Until "
                  "then your history is shown, but new tests are not added to it.")
            .arg(status.path);
    case Problem::Link:
        return tr("%1 is a link; the history is never written through a link.").arg(name);
    case Problem::NotOwn:
        return tr("%1 is not a file of yours; the history is not opened.").arg(status.path);
    case Problem::Newer:
        return tr("No history is kept: %1 was written by a newer release of Orvane (history "
                  "version %2); it is left as it is.")
            .arg(status.path)
            .arg(status.count);
    case Problem::SetAside: {
        const QString why =
            status.detail == QLatin1String("foreign")   ? tr("its tables are not Orvane's")
            : status.detail == QLatin1String("damaged") ? tr("it is damaged")
                                                        : tr("it is not a database");
        const QString original =
            status.path.left(status.path.lastIndexOf(QLatin1String(".broken-")));
        const QString said = tr("%1 was not a usable history (%2). It was moved to %3 and a new "
                                "history was started.")
                                 .arg(original, why, status.path);
        return status.detail == QLatin1String("damaged")
                   ? said + u' ' +
                         tr("%n test(s) could be recovered from it.", nullptr, status.count)
                   : said;
    }
    case Problem::CannotSetAside:
        return tr("No history is kept: %1 is not a usable history (%2), and it cannot be moved "
                  "aside.")
            .arg(status.path, status.detail);
    case Problem::DiskFull:
        return tr("The disk is full. Your last answers are kept and will be saved as soon as "
                  "there is room.");
    case Problem::Locked:
        return tr("Another program is holding the history. Your last answers are kept and will "
                  "be saved as soon as it lets go.");
    case Problem::WriteFailed:
        return tr("The history could not be written to %1 (%2). Your last answers are kept and "
                  "will be tried again.")
            .arg(status.path, status.detail);
    case Problem::NotSavedAtExit:
        return tr("%n test(s) or drill answer(s) could not be kept for the next run (%1).", nullptr,
                  status.count)
            .arg(status.detail);
    }
    return {};
}

void ProgressPage::refresh() {
    const QList<HistoryStore::Test> tests = m_history.recentTests();
    Chart->setTests(tests);
    const TrendChart::Average average = TrendChart::average(tests);
    if (average.tests == 0)
        AverageLabel->setCaption(tr("No test completed yet."));
    else if (average.tests == 1)
        AverageLabel->setCaption(tr("Last completed test: %1 of %2 right, %3")
                                     .arg(average.right)
                                     .arg(average.asked)
                                     .arg(TrendChart::percent(average.rate())));
    else
        AverageLabel->setCaption(tr("Last %1 completed tests: %2 of %3 right, %4")
                                     .arg(average.tests)
                                     .arg(average.right)
                                     .arg(average.asked)
                                     .arg(TrendChart::percent(average.rate())));
    AverageLabel->setAccessibleName(AverageLabel->text());
    QStringList problems;
    for (const HistoryStore::Status& status : m_history.problems())
        problems << describe(status);
    ProblemLabel->setCaption(problems.join(u' '));
    ProblemLabel->setVisible(!problems.isEmpty());
    const QList<HistoryStore::Status> said = m_history.problems();
    const bool notice = std::any_of(said.begin(), said.end(), [](const auto& s) {
        return s.problem == HistoryStore::Problem::SetAside;
    });
    if (notice)
        DismissLink->show();
    else
        hideControl(DismissLink);

    const QList<drill::QuestionState> states = m_history.questionStates();
    showChapters(
        m_review.toReview(states, m_bank),
        std::any_of(states.begin(), states.end(), [](const auto& s) { return s.misses > 0; }));
    const auto due = std::count_if(states.begin(), states.end(),
                                   [this](const auto& s) { return drill::checkDue(s, now()); });
    DueLabel->setCaption(tr("Due for a check today: %1").arg(due));
    if (m_drill == Drill::Idle)
        showWaiting();
}

qint64 ProgressPage::now() const {
    return m_clock().toMSecsSinceEpoch();
}

QString ProgressPage::fitChapter(const QFontMetrics& metrics, int width, int chapter,
                                 const QString& title, int questions) {
    const auto text = [&](const QString& shown) {
        return questions == 1
                   ? tr("%1. %2 (1 to drill)").arg(QString::number(chapter), shown)
                   : tr("%1. %2 (%3 to drill)")
                         .arg(QString::number(chapter), shown, QString::number(questions));
    };
    QStringList words = title.split(u' ', Qt::SkipEmptyParts);
    QString shown = words.join(u' ');
    while (metrics.horizontalAdvance(text(shown)) > width && words.size() > 1) {
        words.removeLast();
        shown = words.join(u' ') + QChar(0x2026);
    }
    return text(shown);
}

void ProgressPage::showChapters(const QList<ChapterReview::Chapter>& chapters, bool missedAny) {
    QWidget* inner = ChapterList->widget();
    const int rowHeight = 22;
    const int width = ChapterList->width() - ChapterList->verticalScrollBar()->sizeHint().width();
    while (ChapterLinks.size() < chapters.size()) {
        const int i = int(ChapterLinks.size());
        QPushButton* chapterLink = link(inner, "", {0, i * rowHeight, width, 20});
        chapterLink->setObjectName(QStringLiteral("ChapterLink%1").arg(i + 1));
        connect(chapterLink, &QPushButton::clicked, this, [this, chapterLink] {
            emit chapterChosen(chapterLink->property("chapter").toInt());
        });
        chapterLink->setAccessibleDescription(tr("Opens the chapter in the Study Guide"));
        setTabOrder(i == 0 ? static_cast<QWidget*>(Chart) : ChapterLinks.last(), chapterLink);
        setTabOrder(chapterLink, DrillButton);
        ChapterLinks.append(chapterLink);
    }
    inner->resize(width, int(chapters.size()) * rowHeight);
    for (int i = 0; i < ChapterLinks.size(); ++i) {
        QPushButton* chapterLink = ChapterLinks[i];
        if (i >= chapters.size()) {
            hideControl(chapterLink);
            continue;
        }
        const ChapterReview::Chapter& c = chapters[i];
        const QString title = m_chapterTitles.value(c.chapter - 1).trimmed();
        const QString full =
            fitChapter(chapterLink->fontMetrics(), INT_MAX, c.chapter, title, c.questions);
        chapterLink->setProperty("chapter", c.chapter);
        chapterLink->setText(fitChapter(chapterLink->fontMetrics(), chapterLink->width() - 8,
                                        c.chapter, title, c.questions));
        chapterLink->setToolTip(full);
        chapterLink->setAccessibleName(tr("Chapter %1").arg(full));
        chapterLink->show();
    }
    ChapterList->setVisible(!chapters.isEmpty());
    NoChaptersLabel->setVisible(chapters.isEmpty());
    NoChaptersLabel->setCaption(missedAny ? tr("None: nothing is left to drill.")
                                          : tr("No missed questions yet."));
}

void ProgressPage::setOptionsShown(bool shown) {
    for (QRadioButton* option : DrillOptions) {
        if (shown)
            option->show();
        else
            hideControl(option);
    }
}

// Before a drill, and after one ends: how many questions wait, or that none does.
void ProgressPage::showWaiting() {
    m_drill = Drill::Idle;
    const QList<drill::QuestionState> states = m_history.questionStates();
    const int waiting = int(drill::queue(states, now()).size());
    const auto due = std::count_if(states.begin(), states.end(),
                                   [this](const auto& s) { return drill::checkDue(s, now()); });
    setOptionsShown(false);
    hideControl(DrillSubmit);
    hideControl(AnswerLink);
    DrillFeedback->setCaption(QString());
    DrillButton->setEnabled(waiting > 0);
    if (waiting == 0) {
        DrillCount->setCaption(tr("Nothing left to drill."));
        const bool missedAny =
            std::any_of(states.begin(), states.end(),
                        [](const drill::QuestionState& s) { return s.misses > 0; });
        DrillQuestion->setCaption(
            missedAny ? tr("Every question you missed has been answered right twice "
                           "in a row since.")
                      : tr("You have not missed a question yet."));
        TestLink->show();
    } else {
        hideControl(TestLink);
        const qsizetype missed = waiting - due;
        QString count = missed == 0   ? QString()
                        : missed == 1 ? tr("1 missed question to drill.")
                                      : tr("%1 missed questions to drill.").arg(missed);
        if (due > 0)
            count += (count.isEmpty() ? QString() : QStringLiteral(" ")) +
                     (due == 1 ? tr("1 check due today.") : tr("%1 checks due today.").arg(due));
        DrillCount->setCaption(count);
        DrillQuestion->setCaption(
            tr("Press \"Drill my mistakes\" to answer them again, one at a time. A question leaves "
               "the drill once you answer it right twice in a row, and comes back for a check "
               "3, 10 and 30 days later."));
    }
}

void ProgressPage::startDrill() {
    m_askedInRound.clear();
    askNext();
}

// The first question of the drill's order not asked in this round; when every one has been,
// a new round begins.
void ProgressPage::askNext() {
    const QList<drill::QuestionState> states = m_history.questionStates();
    const QList<int> queue = drill::queue(states, now());
    if (queue.isEmpty()) {
        showWaiting();
        announce(DrillCount->text() + u' ' + DrillQuestion->text() + u' ' + TestLink->text());
        if (TestLink->isVisible())
            TestLink->setFocus(Qt::OtherFocusReason);
        return;
    }
    int index = 0;
    while (index < queue.size() && m_askedInRound.contains(queue[index]))
        ++index;
    if (index == queue.size()) {
        m_askedInRound.clear();
        index = 0;
    }
    m_record = queue[index];
    m_askedInRound.insert(m_record);
    m_drill = Drill::Asking;

    hideControl(TestLink);
    hideControl(AnswerLink);
    DrillButton->setEnabled(true);
    const auto state = std::find_if(states.begin(), states.end(),
                                    [this](const auto& s) { return s.record == m_record; });
    const bool check = state != states.end() && drill::checkDue(*state, now());
    if (check)
        DrillCount->setCaption(
            queue.size() == 1
                ? tr("A check of a question you mastered. 1 question left.")
                : tr("A check of a question you mastered. %1 questions left.").arg(queue.size()));
    else
        DrillCount->setCaption(queue.size() == 1
                                   ? tr("1 missed question left.")
                                   : tr("%1 missed questions left.").arg(queue.size()));
    const Question question = m_bank.question(m_record);
    DrillQuestion->setCaption(question.text);
    m_options->show(question);
    for (QRadioButton* option : DrillOptions)
        option->setEnabled(true);
    setOptionsShown(true);
    DrillSubmit->setText(tr("Submit"));
    DrillSubmit->show();
    DrillSubmit->setFocus(Qt::OtherFocusReason);
    DrillFeedback->setCaption(QString());
    // Worded as the test's questions are, so that the two sound alike.
    announce(tr("Question %1 of %2: %3 %4")
                 .arg(m_askedInRound.size())
                 .arg(queue.size())
                 .arg(DrillQuestion->text().trimmed(), m_options->spoken()));
}

void ProgressPage::submit() {
    if (m_drill == Drill::Answered) {
        askNext();
        return;
    }
    if (m_drill != Drill::Asking)
        return;
    const int given = m_options->chosen();
    if (given == 0) {
        DrillFeedback->setCaption(tr("Choose one of the options first."));
        announce(DrillFeedback->text());
        return;
    }
    const Question question = m_bank.question(m_record);
    const int key = question.key;
    const QList<drill::QuestionState> before = m_history.questionStates();
    const auto found = std::find_if(before.begin(), before.end(),
                                    [this](const auto& s) { return s.record == m_record; });
    drill::QuestionState state = found != before.end() ? *found : drill::QuestionState{};
    const bool wasCheck = drill::checkDue(state, now());
    const QDateTime at = m_clock();
    drill::apply(state, {m_record, given, key}, at.toMSecsSinceEpoch(), 0);
    m_history.recordDrillAnswer({m_record, given, key}, at);
    m_drill = Drill::Answered;
    const bool right = given == key;
    QPalette colour = DrillFeedback->palette();
    colour.setColor(QPalette::WindowText, right ? kGreen : controls::kRed);
    DrillFeedback->setPalette(colour);
    DrillFeedback->setCaption(
        right
            ? tr("Correct.") + u' ' + progressOf(state, wasCheck)
            : tr("The answer is %1: %2").arg(Question::letter(key)).arg(question.plainOption(key)));
    DrillSubmit->setFocus(Qt::OtherFocusReason);
    for (QRadioButton* option : DrillOptions)
        option->setEnabled(false);
    const int practice = ChapterReview::practiceNumber(question.text);
    AnswerLink->setText(tr("Answer page %1").arg(practice));
    AnswerLink->resize(AnswerLink->sizeHint().width(), AnswerLink->height());
    AnswerLink->setAccessibleName(tr("Answer page of practice question %1").arg(practice));
    AnswerLink->show();
    const bool last = drill::queue(m_history.questionStates(), now()).isEmpty();
    DrillSubmit->setText(last ? tr("Nothing left to drill") : tr("Next question"));
    // The choice was spoken as it was made; the verdict is what is new.
    announce(DrillFeedback->text());
    refresh(); // the chapters missed, and any fault the answer met
}

// What a right answer did for the question: one more to go, out of the drill, or a check passed.
QString ProgressPage::progressOf(const drill::QuestionState& after, bool wasCheck) {
    if (wasCheck)
        return after.dueAt ? tr("Still known: the next check is in %1 days.")
                                 .arg(drill::kCheckDays[after.checks])
                           : tr("Still known after its last check.");
    if (after.misses == 0)
        return QString();
    if (after.rightRun == 1)
        return tr("Right once; once more to master it.");
    if (after.rightRun == drill::kRightInARowToLeave)
        return tr("Mastered: it leaves the drill.");
    return QString();
}

bool ProgressPage::answerKey(QKeyEvent* event) {
    if (Exam->isVisible())
        return Exam->answerKey(event);
    if (Review->isVisible())
        return false; // a drill left under way is out of sight, and takes no key
    const int option = answerkeys::read(event);
    if (m_drill == Drill::Idle || option == 0)
        return false;
    if (option == answerkeys::kSubmit) {
        submit();
        return true;
    }
    if (m_drill != Drill::Asking)
        return true;
    if (QRadioButton* button = m_options->button(option))
        button->click();
    return true;
}

void ProgressPage::keyPressEvent(QKeyEvent* event) {
    if (!answerKey(event))
        QWidget::keyPressEvent(event);
}

void ProgressPage::announce(const QString& text) {
    Announcer::of(this)->announce(text);
}
