#include "selftest/testpage.h"

#include "base/apperror.h"
#include "base/intvalue.h"
#include "base/pageaddress.h"
#include "content/questionbank.h"
#include "selftest/reportfile.h"
#include "selftest/testrules.h"
#include "widgets/announcer.h"
#include "widgets/answerkeys.h"
#include "widgets/conceal.h"
#include "widgets/focus.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

namespace {

const QString kSubmit = QStringLiteral("Submit");
const QString kChooseFirst = QStringLiteral("Select one of the options. Then press this button");
const QString kDefaultLength = QStringLiteral("5");

using controls::kGreen;
using controls::kMaroon;
using controls::kNavy;

QString excludedNotice() {
    return QStringLiteral("            \n"
                          "   List of exluded questions:\n"
                          "\n"
                          "  34,43,50,51,53,54,58,75,76,135,136,137,147,163,165,177,191,193\n"
                          " \n"
                          "       Exluded from multiple choice test, because of their nature.");
}

} // namespace

TestPage::TestPage(QWidget* parent, const QuestionBank& bank, RandomDraw::SeedSource seed)
    : QWidget(parent), m_bank(bank), m_random(std::move(seed)) {
    setObjectName(QStringLiteral("TabSheet4"));
    const QFont plain = controls::windowFont();
    const QFont title = controls::verdanaTitle();
    const QColor text = palette().color(QPalette::WindowText);

    Bevel2 = controls::bevel(this, "Bevel2", {8, 144, 713, 169});
    Label17 = controls::headingBand(this, "Label17", {2, 4, 727, 17},
                                    QStringLiteral("Orvane: Test Yourself"));
    Label18 = new Label(this, "Label18", {58, 25, 639, 14},
                        QStringLiteral("Choose the number of questions you'd like to be asked and "
                                       "then click the \"Start the test!\" button."),
                        controls::font(QStringLiteral("Verdana"), 12, true), Qt::white);
    Label18->setBackground(kMaroon);
    Label1 = new Label(this, "Label1", {7, 48, 107, 12}, QStringLiteral("Number of questions:"),
                       title, kNavy);
    Label19 =
        new Label(this, "Label19", {8, 104, 49, 12}, QStringLiteral("Question:"), title, kNavy);
    Label20 = new Label(this, "Label20", {63, 102, 665, 16}, QString(),
                        controls::font(QStringLiteral("Trebuchet MS"), 11, true), kGreen,
                        Label::Sizing::WrapToWidth);
    Label26 = new Label(this, "Label26", {640, 321, 18, 13}, QStringLiteral("111"), plain, text);
    Label27 = new Label(this, "Label27", {543, 321, 90, 12}, QStringLiteral("Question Number:"),
                        title, kNavy);
    Label21 =
        new Label(this, "Label21", {640, 336, 38, 13}, QStringLiteral("Label21"), plain, text);
    Label23 =
        new Label(this, "Label23", {593, 336, 40, 12}, QStringLiteral("Correct:"), title, kGreen);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(118, 44, 46, 21);
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setCompleter(nullptr);
    ComboBox2->addItems({"5",   "10",  "15",  "20",  "25",  "30",  "35",  "40",
                         "45",  "50",  "60",  "70",  "80",  "90",  "100", "110",
                         "120", "130", "135", "140", "150", "160", "170", "178"});
    ComboBox2->setCurrentIndex(0);

    Button1 =
        new FocusButton(this, "Button1", {171, 44, 75, 21}, QStringLiteral("Start the Test!"));

    m_options = new QButtonGroup(this);
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    for (int k = 0; k < 4; ++k) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(k + 1));
        button->setGeometry(15, 160 + 40 * k, 697, 17);
        button->setAccessibleName(QStringLiteral("Option %1").arg(QChar(u'A' + k)));
        m_options->addButton(button, k + 1);
        *radios[k] = button;
    }
    // Only the checked option is a tab stop; with none checked, Tab passes over all four.
    connect(m_options, &QButtonGroup::buttonToggled, this, [](QAbstractButton* button) {
        conceal::setFocusPolicy(button, button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    });
    for (QAbstractButton* button : m_options->buttons())
        button->setFocusPolicy(Qt::ClickFocus);

    Button2 = new QPushButton(kSubmit, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(192, 326, 313, 23);
    Button2->setAutoDefault(true); // Enter presses the focused button

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(8, 72, 726, 313);
    Label28 = new Label(Panel1, "Label28", {24, 16, 114, 18}, QStringLiteral("Test Results:"),
                        controls::font(QStringLiteral("Verdana"), 16, true), Qt::black);
    Label29 =
        new Label(Panel1, "Label29", {266, 37, 38, 13}, QStringLiteral("Label29"), plain, text);
    Label31 =
        new Label(Panel1, "Label31", {216, 37, 40, 12}, QStringLiteral("Correct:"), title, kGreen);
    Label32 = new Label(Panel1, "Label32", {149, 21, 107, 12},
                        QStringLiteral("Number of questions:"), title, kNavy);
    Label33 = new Label(Panel1, "Label33", {265, 20, 18, 13}, QStringLiteral("111"), plain, text);
    Label36 = new Label(Panel1, "Label36", {206, 53, 50, 12}, QStringLiteral("Incorrect:"), title,
                        Qt::red);
    Label37 =
        new Label(Panel1, "Label37", {266, 53, 38, 13}, QStringLiteral("Label29"), plain, text);
    Label22 = new Label(Panel1, "Label22", {186, 69, 69, 12}, QStringLiteral("Success Rate:"),
                        title, kNavy);
    Label25 =
        new Label(Panel1, "Label25", {266, 69, 38, 13}, QStringLiteral("Label29"), plain, text);
    for (Label* label : resultLabels())
        label->hide();
    WebBrowser3 = new HtmlView(Panel1, "WebBrowser3");
    WebBrowser3->setGeometry(8, 96, 0, 209);
    // A report of many wrong answers takes more than a frame to read whole.
    WebBrowser3->setPieceMark(testrules::questionSeparator());
    WebBrowser3->setShowsFocusFrame(true);
    // The two never-visible lists hold plain strings: a model over them costs nothing per line,
    // where list items would be 1,260 objects at start-up and up to 1,781 at each completion.
    ListBox3 = new QListView(Panel1);
    ListBox3->setModel(new QStringListModel(ListBox3));
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setGeometry(360, 8, 121, 57);
    ListBox3->hide();
    Memo2 = new QPlainTextEdit(excludedNotice(), Panel1);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(192, 87, 345, 114);
    Memo2->setReadOnly(true);
    QPalette white = Memo2->palette();
    white.setColor(QPalette::Base, Qt::white);
    Memo2->setPalette(white);

    Button3 = new QPushButton(QStringLiteral("End the Test!"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(251, 44, 75, 21);
    Button3->setAutoDefault(true); // Enter presses the focused button
    Button3->hide();

    ListBox2 = new QListView(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(496, 80, 233, 57);
    ListBox2->setSelectionMode(QAbstractItemView::MultiSelection);
    ListBox2->setModel(new QStringListModel(bank.lines(), ListBox2));
    ListBox2->hide();

    ComboBox2->setAccessibleName(QStringLiteral("Number of questions"));
    ComboBox2->view()->setAccessibleName(QStringLiteral("Suggested numbers of questions"));
    ComboBox2->setAccessibleDescription(QStringLiteral("From 1 to 178"));
    Button2->setAccessibleDescription(
        QStringLiteral("Submits the chosen option. Keys: A to D or 1 to 4 choose an option, "
                       "Enter submits."));
    Memo2->setAccessibleName(QStringLiteral("Excluded questions"));
    WebBrowser3->setAccessibleName(QStringLiteral("Report of wrong answers"));
    ListBox2->setAccessibleName(QStringLiteral("Question bank"));
    ListBox3->setAccessibleName(QStringLiteral("Report lines"));

    setTabOrder(ComboBox2, Button1);
    setTabOrder(Button1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
    setTabOrder(RadioButton3, RadioButton4);
    setTabOrder(RadioButton4, Button2);
    setTabOrder(Button2, Memo2);
    setTabOrder(Memo2, Button3);
    Label1->setBuddy(ComboBox2); // the box is labelled by its caption
    concealOutOfSight();
}

void TestPage::concealOutOfSight() {
    const bool covered = Panel1->width() > 0;
    for (QWidget* control : std::initializer_list<QWidget*>{
             Bevel2, Label19, Label20, Label26, Label27, Label21, Label23, RadioButton1,
             RadioButton2, RadioButton3, RadioButton4, Button2})
        conceal::setConcealed(control, covered);
    conceal::setConcealed(Panel1, !covered);
    conceal::setConcealed(Memo2, !covered);
    conceal::setConcealed(WebBrowser3, !covered || WebBrowser3->width() == 0);
}

// A value label read with its caption label, "Correct: 3".
QString TestPage::spoken(const Label* caption, const Label* value) {
    return caption->text() + u' ' + value->text();
}

QList<Label*> TestPage::resultLabels() const {
    return {Label28, Label32, Label31, Label36, Label22, Label33, Label29, Label37, Label25};
}

QRadioButton* TestPage::radio(int k) const {
    return qobject_cast<QRadioButton*>(m_options->button(k));
}

void TestPage::uncheckAll() {
    m_options->setExclusive(false);
    for (int k = 1; k <= 4; ++k)
        radio(k)->setChecked(false);
    m_options->setExclusive(true);
}

bool TestPage::running() const {
    return m_state.QuestionNumber > 0 && Panel1->width() == 0;
}

bool TestPage::answerKey(QKeyEvent* event) {
    const int option = answerkeys::read(event);
    if (!running() || option == 0)
        return false;
    if (option == answerkeys::kSubmit) {
        Button2->click();
        return true;
    }
    radio(option)->setChecked(true);
    // A checked option that has no focus is not spoken by itself.
    Announcer::of(this)->announce(QStringLiteral("You chose ") + radio(option)->accessibleName());
    return true;
}

void TestPage::keyPressEvent(QKeyEvent* event) {
    if (!answerKey(event))
        QWidget::keyPressEvent(event);
}

void TestPage::ComboBox2Change() {
    if (ComboBox2->currentText().isEmpty())
        ComboBox2->setEditText(kDefaultLength);
    if (intValue(ComboBox2->currentText()) <= 0)
        ComboBox2->setEditText(kDefaultLength);
    if (intValue(ComboBox2->currentText()) > testrules::kMaxLength)
        ComboBox2->setEditText(kDefaultLength);
}

void TestPage::Button1Click() {
    // The press normally draws question 1 as the button takes the focus. Where it did not (the
    // button kept its focus, or the draw failed on a bad length), draw it now: a test must never
    // run with no question. The length may have been changed since question 1 was drawn: one
    // that is no number stops here, the page still idle, and a good one is the one shown.
    const int length = intValue(ComboBox2->currentText());
    if (m_state.QuestionNumber == 0)
        Button2Click();
    else
        showPosition(length);
    hideControl(Label18);
    Button2->setEnabled(true);
    m_state.CorrectCount = 0;
    disableControl(ComboBox2);
    Panel1->resize(0, Panel1->height());
    hideControl(Button1);
    Button3->show();
    concealOutOfSight();
    announceQuestion();
}

void TestPage::Button2Click() {
    TestState& s = m_state;
    if (s.QuestionNumber > 0) {
        if (m_options->checkedId() < 0) {
            Button2->setText(kChooseFirst);
            Announcer::of(this)->announce(kChooseFirst);
            return;
        }
        Button2->setText(kSubmit);
    }
    const int length = intValue(ComboBox2->currentText());

    s.QuestionNumber += 1;
    Label26->setCaption(QStringLiteral("%1 of %2").arg(s.QuestionNumber).arg(length));
    const int record = testrules::drawRecord(m_random, s);
    s.AskedQuestions[s.QuestionNumber] = record;

    const int first = 7 * record + 1;
    Label20->setCaption(m_bank.LineAt(first));
    for (int k = 1; k <= 4; ++k) {
        radio(k)->setText(m_bank.LineAt(first + k));
        radio(k)->setAccessibleName(QuestionBank::spokenOption(radio(k)->text()));
    }
    s.CorrectAnswers[s.QuestionNumber] = intValue(m_bank.LineAt(first + 5));

    if (s.QuestionNumber > 1) {
        for (int k = 1; k <= 4; ++k) {
            if (radio(k)->isChecked())
                s.GivenAnswers[s.QuestionNumber] = k;
        }
        if (s.GivenAnswers[s.QuestionNumber] == s.CorrectAnswers[s.QuestionNumber - 1])
            s.CorrectCount += 1;
        Label21->setCaption(QString::number(s.CorrectCount));
    }
    if (s.QuestionNumber < 2)
        Label21->setCaption(QStringLiteral("0"));
    uncheckAll();

    // ">=" rather than "=": questions drawn while no test was running (Submit pressed from the
    // keyboard under the panel) can outnumber a length lowered afterwards. The test then ends
    // at the next advance instead of drawing on past the bank.
    if (s.QuestionNumber >= length + 1) {
        complete();
        return;
    }
    // The last draw, never asked, lies under the panel; so does question 1 when the start
    // button draws it as it takes the focus, and Start announces it.
    if (running())
        announceQuestion();
}

void TestPage::announceQuestion() {
    QString text = QStringLiteral("Question %1: %2").arg(Label26->text(), Label20->text());
    for (int k = 1; k <= 4; ++k)
        text += u' ' + radio(k)->accessibleName();
    Announcer::of(this)->announce(text);
}

void TestPage::showPosition(int length) {
    const QString position = QStringLiteral("%1 of %2").arg(m_state.QuestionNumber).arg(length);
    if (Label26->text() == position)
        return; // a screen reader would announce the question again
    Label26->setCaption(position);
    Label20->setAccessibleName(QStringLiteral("Question %1 of %2: %3")
                                   .arg(m_state.QuestionNumber)
                                   .arg(length)
                                   .arg(Label20->text()));
}

void TestPage::complete() {
    TestState& s = m_state;
    WebBrowser3->resize(710, WebBrowser3->height());
    for (Label* label : resultLabels())
        label->show();
    disableControl(Button2);
    ComboBox2->setEnabled(true);
    Panel1->resize(726, Panel1->height());
    Button1->show();
    hideControl(Button3);

    const int answered = s.QuestionNumber - 1;
    Label33->setCaption(QString::number(answered));
    Label29->setCaption(QString::number(s.CorrectCount));
    Label37->setCaption(QString::number(answered - s.CorrectCount));
    s.SuccessRate = testrules::successRate(s.CorrectCount, answered);
    Label25->setCaption(testrules::successRateText(s.SuccessRate) + QStringLiteral(" %"));
    concealOutOfSight();
    // Before the report: a report that cannot be saved must not cost the history its test.
    emit testEnded(asked(answered, false));
    const QString summary =
        QStringLiteral("%1 %2, %3, %4, %5")
            .arg(Label28->text(), spoken(Label32, Label33), spoken(Label31, Label29),
                 spoken(Label36, Label37), spoken(Label22, Label25));

    const auto endTest = [&] {
        s.QuestionNumber = 0;
        hideControl(Memo2);
        s.clearSlots();
    };
    try {
        writeReport();
    } catch (const AppError&) {
        // The test is over all the same: the next one starts at question 1, and the panel
        // must not go on showing an earlier test's report as this one's.
        WebBrowser3->setHtml(QStringLiteral("<p>The report of this test could not be saved.</p>"));
        endTest();
        Announcer::of(this)->announce(summary);
        throw;
    }
    endTest();
    Announcer::of(this)->announce(summary);
}

void TestPage::writeReport() {
    const QStringList lines = testrules::reportLines(m_state, m_bank);
    static_cast<QStringListModel*>(ListBox3->model())->setStringList(lines);
    const QString path = PageAddress::fullPath(QStringLiteral("result.html"));
    m_finished = QDateTime::currentDateTime();
    if (!m_reportKept)
        refuseReportFile(path);
    saveReportFile(path, lines);
    WebBrowser3->Navigate(QStringLiteral("result.html"));
}

TestPage::Report TestPage::lastReport() const {
    Report report;
    report.lines = static_cast<const QStringListModel*>(ListBox3->model())->stringList();
    if (report.lines.isEmpty())
        return report;
    report.finished = m_finished;
    report.questions = Label33->text();
    report.correct = Label29->text();
    report.incorrect = Label37->text();
    report.successRate = Label25->text();
    return report;
}

// The choice for question k is recorded one advance later, in slot k + 1.
FinishedTest TestPage::asked(int length, bool endedEarly) const {
    FinishedTest test{QDateTime::currentDateTimeUtc(), length, endedEarly, {}};
    for (int k = 1; k < m_state.QuestionNumber; ++k)
        test.questions.append(
            {m_state.AskedQuestions[k], m_state.GivenAnswers[k + 1], m_state.CorrectAnswers[k]});
    return test;
}

void TestPage::Button3Click() {
    // The length box is locked while a test runs, so it still holds this test's length; the
    // end itself must go ahead whatever it holds.
    int length = 0;
    try {
        length = intValue(ComboBox2->currentText());
    } catch (const AppError&) {
    }
    const FinishedTest ended = asked(length, true);
    Label18->show();
    WebBrowser3->resize(0, WebBrowser3->height());
    for (Label* label : resultLabels())
        hideControl(label);
    Memo2->show();
    disableControl(Button2);
    ComboBox2->setEnabled(true);
    Panel1->resize(726, Panel1->height());
    m_state.QuestionNumber = 0;
    m_state.CorrectCount = 0;
    Button1->show();
    hideControl(Button3);
    concealOutOfSight();
    if (!ended.questions.isEmpty())
        emit testEnded(ended);
}
