#include "progress/reviewview.h"

#include "progress/testreview.h"
#include "progress/trendchart.h"
#include "widgets/announcer.h"
#include "widgets/label.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

ReviewView::ReviewView(QWidget* parent, HistoryStore& history, const QuestionBank& bank)
    : QWidget(parent), m_history(history), m_bank(bank) {
    setObjectName(QStringLiteral("ReviewView"));
    const QFont plain = controls::windowFont();
    new Label(this, "PastTestsCaption", {8, 27, 240, 12}, tr("Past tests, newest first:"),
              controls::verdanaTitle(), controls::kNavy);
    PastTestList = new QListWidget(this);
    PastTestList->setObjectName(QStringLiteral("PastTestList"));
    PastTestList->setGeometry(8, 42, 250, 345);
    PastTestList->setFont(plain);
    PastTestList->setAccessibleName(tr("Past tests"));
    ReviewTitle = new Label(this, "ReviewTitle", {268, 26, 461, 14}, QString(),
                            controls::font(QStringLiteral("Verdana"), 11, true), controls::kNavy,
                            Label::Sizing::Fixed);
    ReviewText = new QTextBrowser(this);
    ReviewText->setObjectName(QStringLiteral("ReviewText"));
    ReviewText->setGeometry(268, 42, 461, 314);
    ReviewText->setFont(plain);
    ReviewText->setOpenLinks(false);
    // Read line by line by a screen reader, and its links followed from the keyboard.
    ReviewText->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    ReviewText->setAccessibleName(tr("The questions of the test"));
    ReviewBack =
        controls::pushButton(this, "ReviewBack", {579, 364, 150, 23}, tr("&Back to My Progress"));
    connect(ReviewBack, &QPushButton::clicked, this, &ReviewView::closed);
    connect(ReviewText, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (const int practice = TestReview::answerPage(link))
            emit answerPageChosen(practice);
    });
    connect(PastTestList, &QListWidget::currentRowChanged, this, &ReviewView::show);
    setTabOrder(PastTestList, ReviewText);
    setTabOrder(ReviewText, ReviewBack);
}

void ReviewView::open(qint64 id) {
    m_tests.clear();
    m_more = false;
    {
        const QSignalBlocker quiet(PastTestList);
        PastTestList->clear();
    }
    loadMore();
    int row = 0;
    for (int i = 0; i < m_tests.size(); ++i) {
        if (m_tests[i].id == id)
            row = i;
    }
    PastTestList->setCurrentRow(-1);
    PastTestList->setCurrentRow(m_tests.isEmpty() ? -1 : row);
    PastTestList->setFocus(Qt::OtherFocusReason);
    Announcer::of(this)->announce(ReviewTitle->text());
}

void ReviewView::loadMore() {
    const QSignalBlocker quiet(PastTestList);
    if (m_more)
        delete PastTestList->takeItem(PastTestList->count() - 1);
    const QList<HistoryStore::Test> more = m_history.pastTests(
        m_tests.isEmpty() ? std::nullopt : std::optional(m_tests.last()), kPage);
    const QLocale locale = TrendChart::locale();
    for (const HistoryStore::Test& test : more) {
        const QString when =
            locale.toString(test.endedAt.toLocalTime(), QStringLiteral("d MMM yyyy, HH:mm"));
        QString text = (test.mock ? tr("%1, mock exam: %2 of %3") : tr("%1: %2 of %3"))
                           .arg(when)
                           .arg(test.correct)
                           .arg(test.answered);
        if (test.endedEarly)
            text += tr(", ended early");
        auto* item = new QListWidgetItem(text, PastTestList);
        item->setData(Qt::AccessibleTextRole, TrendChart::spoken(test));
    }
    m_tests += more;
    m_more = more.size() == kPage;
    if (m_more)
        new QListWidgetItem(tr("Earlier tests..."), PastTestList);
}

void ReviewView::show(int row) {
    if (row < 0)
        return;
    if (row >= m_tests.size()) { // "Earlier tests...": read the next page, and go on into it
        loadMore();
        PastTestList->setCurrentRow(qMin(row, int(m_tests.size()) - 1));
        return;
    }
    const HistoryStore::Test& listed = m_tests[row];
    const std::optional<FinishedTest> test = m_history.test(listed.id);
    ReviewTitle->setCaption(TrendChart::spoken(listed));
    ReviewText->setHtml(test ? TestReview::html(*test, m_bank, TestReview::Show::All)
                             : tr("The answers of this test were not kept."));
}

void ReviewView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closed();
        return;
    }
    QWidget::keyPressEvent(event);
}
