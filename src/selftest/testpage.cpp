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
#include "widgets/questionoptions.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace {

const QString kDefaultLength = QStringLiteral("5");

using controls::kGreen;
using controls::kMaroon;
using controls::kNavy;

// The page's captions and values, where they stand and how they look. The value labels show
// "111" and "Label29" until a test fills them in, as the layout has them.
enum class Look { Plain, Title, Question, Results };
struct LabelPlace {
    Label* TestPage::*member;
    bool onPanel;
    const char* name;
    QRect geometry;
    const char* text;
    Look look;
    QColor color;
};
const LabelPlace kLabels[] = {
    {&TestPage::Label1,
     false,
     "Label1",
     {7, 48, 107, 12},
     QT_TRANSLATE_NOOP("TestPage", "Number of questions:"),
     Look::Title,
     kNavy},
    {&TestPage::Label19,
     false,
     "Label19",
     {8, 104, 49, 12},
     QT_TRANSLATE_NOOP("TestPage", "Question:"),
     Look::Title,
     kNavy},
    {&TestPage::Label20, false, "Label20", {63, 102, 665, 16}, "", Look::Question, kGreen},
    {&TestPage::Label26, false, "Label26", {640, 321, 18, 13}, "111", Look::Plain, {}},
    {&TestPage::Label27,
     false,
     "Label27",
     {543, 321, 90, 12},
     QT_TRANSLATE_NOOP("TestPage", "Question Number:"),
     Look::Title,
     kNavy},
    {&TestPage::Label21, false, "Label21", {640, 336, 38, 13}, "Label21", Look::Plain, {}},
    {&TestPage::Label23,
     false,
     "Label23",
     {593, 336, 40, 12},
     QT_TRANSLATE_NOOP("TestPage", "Correct:"),
     Look::Title,
     kGreen},
    {&TestPage::Label28,
     true,
     "Label28",
     {24, 16, 114, 18},
     QT_TRANSLATE_NOOP("TestPage", "Test Results:"),
     Look::Results,
     Qt::black},
    {&TestPage::Label29, true, "Label29", {266, 37, 38, 13}, "Label29", Look::Plain, {}},
    {&TestPage::Label31,
     true,
     "Label31",
     {216, 37, 40, 12},
     QT_TRANSLATE_NOOP("TestPage", "Correct:"),
     Look::Title,
     kGreen},
    {&TestPage::Label32,
     true,
     "Label32",
     {149, 21, 107, 12},
     QT_TRANSLATE_NOOP("TestPage", "Number of questions:"),
     Look::Title,
     kNavy},
    {&TestPage::Label33, true, "Label33", {265, 20, 18, 13}, "111", Look::Plain, {}},
    {&TestPage::Label36,
     true,
     "Label36",
     {206, 53, 50, 12},
     QT_TRANSLATE_NOOP("TestPage", "Incorrect:"),
     Look::Title,
     Qt::red},
    {&TestPage::Label37, true, "Label37", {266, 53, 38, 13}, "Label29", Look::Plain, {}},
    {&TestPage::Label22,
     true,
     "Label22",
     {186, 69, 69, 12},
     QT_TRANSLATE_NOOP("TestPage", "Success Rate:"),
     Look::Title,
     kNavy},
    {&TestPage::Label25, true, "Label25", {266, 69, 38, 13}, "Label29", Look::Plain, {}},
};

const char* const kLengths[] = {"5",   "10",  "15",  "20",  "25",  "30",  "35",  "40",
                                "45",  "50",  "60",  "70",  "80",  "90",  "100", "110",
                                "120", "130", "135", "140", "150", "160", "170", "178"};

QString excludedNotice() {
    return TestPage::tr("            \n"
                        "   List of exluded questions:\n"
                        "\n"
                        "  34,43,50,51,53,54,58,75,76,135,136,137,147,163,165,177,191,193\n"
                        " \n"
                        "       Exluded from multiple choice test, because of their nature.");
}

} // namespace

TestPage::TestPage(QWidget* parent, const QuestionBank& bank, RandomDraw::SeedSource seed)
    : Page(parent), m_engine(bank, std::move(seed)) {
    conceal::markContainer(this, conceal::Container::Pane);
    setObjectName(QStringLiteral("TabSheet4"));
    Bevel2 = controls::bevel(this, "Bevel2", {8, 144, 713, 169});
    Label17 = controls::headingBand(this, "Label17", {2, 4, 727, 17}, tr("Orvane: Test Yourself"));
    Label18 = new Label(this, "Label18", {58, 25, 639, 14},
                        tr("Choose the number of questions you'd like to be asked and then click "
                           "the \"Start the test!\" button."),
                        controls::font(QStringLiteral("Verdana"), 12, true), Qt::white);
    Label18->setBackground(kMaroon);
    // In the order of the layout, which is the order of the focus chain and of painting: the
    // panel, made after the question area, covers it.
    buildLabels(this, false);
    buildQuestionArea();
    Panel1 = new QFrame(this);
    conceal::markContainer(Panel1, conceal::Container::Pane);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(8, 72, 726, 313);
    buildLabels(Panel1, true);
    buildResultsPanel();
    describeForScreenReaders();
    concealOutOfSight();
}

void TestPage::buildLabels(QWidget* parent, bool onPanel) {
    const QColor text = palette().color(QPalette::WindowText);
    const QFont looks[] = {controls::windowFont(), controls::verdanaTitle(),
                           controls::font(QStringLiteral("Trebuchet MS"), 11, true),
                           controls::font(QStringLiteral("Verdana"), 16, true)};
    for (const LabelPlace& place : kLabels) {
        if (place.onPanel != onPanel)
            continue;
        const bool value = place.look == Look::Plain;
        this->*place.member = new Label(
            parent, place.name, place.geometry, value ? QLatin1String(place.text) : tr(place.text),
            looks[int(place.look)], value ? text : place.color,
            place.look == Look::Question ? Label::Sizing::WrapToWidth : Label::Sizing::Auto);
    }
}

void TestPage::buildQuestionArea() {
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(118, 44, 46, 21);
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setCompleter(nullptr);
    for (const char* length : kLengths)
        ComboBox2->addItem(QLatin1String(length));
    ComboBox2->setCurrentIndex(0);
    Button1 = new FocusButton(this, "Button1", {171, 44, 75, 21}, tr("Start the Test!"));

    m_options = new QuestionOptions(this, QStringLiteral("RadioButton"), {15, 160, 697, 17}, 40,
                                    QuestionBank::kOptions);
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    for (int k = 1; k <= QuestionBank::kOptions; ++k) {
        m_options->button(k)->setAccessibleName(tr("Option %1").arg(Question::letter(k)));
        m_options->button(k)->setFocusPolicy(Qt::ClickFocus);
        *radios[k - 1] = m_options->button(k);
    }
    connect(m_options, &QuestionOptions::chosenChanged, this, [this](int option) {
        // Only the checked option is a tab stop; with none checked, Tab passes over all four.
        for (QRadioButton* button : m_options->buttons())
            conceal::setFocusPolicy(button, button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        m_engine.choose(option);
    });
    Button2 = controls::pushButton(this, "Button2", {192, 326, 313, 23}, submitText());
}

void TestPage::buildResultsPanel() {
    for (Label* label : resultLabels())
        label->hide();
    WebBrowser3 = new HtmlView(Panel1, "WebBrowser3");
    WebBrowser3->setGeometry(8, 96, 0, 209);
    // A report of many wrong answers takes more than a frame to read whole.
    WebBrowser3->setPieceMark(testrules::questionSeparator());
    WebBrowser3->setShowsFocusFrame(true);
    Memo2 = new QPlainTextEdit(excludedNotice(), Panel1);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(192, 87, 345, 114);
    Memo2->setReadOnly(true);
    QPalette white = Memo2->palette();
    white.setColor(QPalette::Base, Qt::white);
    Memo2->setPalette(white);
    Button3 = controls::pushButton(this, "Button3", {251, 44, 75, 21}, tr("End the Test!"));
    Button3->hide();
}

void TestPage::describeForScreenReaders() {
    ComboBox2->setAccessibleName(tr("Number of questions"));
    ComboBox2->view()->setAccessibleName(tr("Suggested numbers of questions"));
    ComboBox2->setAccessibleDescription(tr("From 1 to 178"));
    Button2->setAccessibleDescription(tr("Submits the chosen option. Keys: A to D or 1 to 4 "
                                         "choose an option, Enter submits."));
    Memo2->setAccessibleName(tr("Excluded questions"));
    WebBrowser3->setAccessibleName(tr("Report of wrong answers"));
    setTabOrder(ComboBox2, Button1);
    setTabOrder(Button1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
    setTabOrder(RadioButton3, RadioButton4);
    setTabOrder(RadioButton4, Button2);
    setTabOrder(Button2, Memo2);
    setTabOrder(Memo2, Button3);
    Label1->setBuddy(ComboBox2); // the box is labelled by its caption
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

bool TestPage::answerKey(QKeyEvent* event) {
    const int option = answerkeys::read(event);
    if (!m_engine.running() || option == 0)
        return false;
    if (option == answerkeys::kSubmit) {
        Button2->click();
        return true;
    }
    m_options->check(option);
    // A checked option that has no focus is not spoken by itself.
    Announcer::of(this)->announce(
        tr("You chose %1").arg(m_options->button(option)->accessibleName()));
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
    if (m_engine.state().QuestionNumber == 0)
        Button2Click();
    else
        showPosition(length);
    hideControl(Label18);
    Button2->setEnabled(true);
    m_engine.Start();
    disableControl(ComboBox2);
    Panel1->resize(0, Panel1->height());
    hideControl(Button1);
    Button3->show();
    concealOutOfSight();
    announceQuestion();
}

void TestPage::Button2Click() {
    if (m_engine.state().QuestionNumber > 0) {
        if (m_engine.chosen() == 0) {
            Button2->setText(chooseFirst());
            Announcer::of(this)->announce(chooseFirst());
            return;
        }
        Button2->setText(submitText());
    }
    const int length = intValue(ComboBox2->currentText());
    const TestEngine::Step step = m_engine.Advance(length);
    showQuestion(length);
    if (step == TestEngine::Step::Completed) {
        complete();
        return;
    }
    // The last draw, never asked, lies under the panel; so does question 1 when the start
    // button draws it as it takes the focus, and Start announces it.
    if (m_engine.running())
        announceQuestion();
}

// The question drawn last, its position and the score so far; the options unchecked.
void TestPage::showQuestion(int length) {
    const int number = m_engine.currentNumber();
    Label26->setCaption(positionText(number, length));
    Label20->setCaption(m_engine.current().text);
    m_options->show(m_engine.current());
    Label21->setCaption(QString::number(number > 1 ? m_engine.CorrectCount() : 0));
}

QString TestPage::positionText(int number, int length) {
    return tr("%1 of %2").arg(number).arg(length);
}

void TestPage::announceQuestion() {
    Announcer::of(this)->announce(tr("Question %1: %2").arg(Label26->text(), Label20->text()) +
                                  u' ' + m_options->spoken());
}

void TestPage::showPosition(int length) {
    const QString position = positionText(m_engine.state().QuestionNumber, length);
    if (Label26->text() == position)
        return; // a screen reader would announce the question again
    Label26->setCaption(position);
    Label20->setAccessibleName(tr("Question %1: %2").arg(position, Label20->text()));
}

void TestPage::complete() {
    WebBrowser3->resize(710, WebBrowser3->height());
    for (Label* label : resultLabels())
        label->show();
    disableControl(Button2);
    ComboBox2->setEnabled(true);
    Panel1->resize(726, Panel1->height());
    Button1->show();
    hideControl(Button3);

    const TestEngine::Summary& summary = m_engine.summary();
    Label33->setCaption(QString::number(summary.questions));
    Label29->setCaption(QString::number(summary.correct));
    Label37->setCaption(QString::number(summary.incorrect));
    Label25->setCaption(testrules::successRateText(summary.successRate) + QStringLiteral(" %"));
    concealOutOfSight();
    // Before the report: a report that cannot be saved must not cost the history its test.
    emit testEnded(m_engine.lastCompleted());
    m_lastReport = {m_engine.reportLines(), QDateTime::currentDateTime(),
                    Label33->text(),        Label29->text(),
                    Label37->text(),        Label25->text()};
    const QString spokenSummary =
        tr("%1 %2, %3, %4, %5")
            .arg(Label28->text(), spoken(Label32, Label33), spoken(Label31, Label29),
                 spoken(Label36, Label37), spoken(Label22, Label25));

    try {
        writeReport();
    } catch (const AppError&) {
        // The panel must not go on showing an earlier test's report as this one's.
        WebBrowser3->setHtml(tr("<p>The report of this test could not be saved.</p>"));
        hideControl(Memo2);
        Announcer::of(this)->announce(spokenSummary);
        throw;
    }
    hideControl(Memo2);
    Announcer::of(this)->announce(spokenSummary);
}

void TestPage::writeReport() {
    const QString path = PageAddress::fullPath(QStringLiteral("result.html"));
    if (!m_reportKept)
        refuseReportFile(path);
    saveReportFile(path, m_engine.reportLines());
    WebBrowser3->Navigate(QStringLiteral("result.html"));
}

TestPage::Report TestPage::lastReport() const {
    return m_lastReport;
}

void TestPage::Button3Click() {
    // The length box is locked while a test runs, so it still holds this test's length; the
    // end itself must go ahead whatever it holds.
    int length = 0;
    try {
        length = intValue(ComboBox2->currentText());
    } catch (const AppError&) {
    }
    const FinishedTest ended = m_engine.End(length);
    Label18->show();
    WebBrowser3->resize(0, WebBrowser3->height());
    for (Label* label : resultLabels())
        hideControl(label);
    Memo2->show();
    disableControl(Button2);
    ComboBox2->setEnabled(true);
    Panel1->resize(726, Panel1->height());
    Button1->show();
    hideControl(Button3);
    concealOutOfSight();
    if (!ended.questions.isEmpty())
        emit testEnded(ended);
}

namespace {

// What the printed report opens with; the report itself names no test.
QString reportHeading(const TestPage::Report& report) {
    const QLocale locale;
    const QString date = locale.toString(report.finished.date(), QLocale::LongFormat) +
                         QStringLiteral(", ") +
                         locale.toString(report.finished.time(), QLocale::ShortFormat);
    QString rows;
    const std::pair<QString, QString> items[] = {
        {TestPage::tr("Date"), date},
        {TestPage::tr("Number of questions"), report.questions},
        {TestPage::tr("Correct"), report.correct},
        {TestPage::tr("Incorrect"), report.incorrect},
        {TestPage::tr("Success Rate"), report.successRate}};
    for (const auto& [caption, value] : items)
        rows +=
            QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>").arg(caption, value.toHtmlEscaped());
    return QStringLiteral("<h2>%1</h2><table cellpadding=\"2\">%2</table><hr>")
        .arg(TestPage::tr("Orvane Test Results"), rows);
}

} // namespace

// The report this window built, not result.html: another window, or a failed write, may have
// left another test's report there.
Page::Copy TestPage::copy() const {
    Copy copy{true, {}, QStringLiteral("orvane-report.html"), {}};
    if (m_lastReport.lines.isEmpty())
        copy.why = tr("No test has been finished in this window yet. Its report can be saved when "
                      "it ends.");
    else
        copy.bytes = reportBytes(m_lastReport.lines);
    return copy;
}

QString TestPage::print(const Printer& print) {
    if (m_lastReport.lines.isEmpty())
        return tr("No test has been finished in this window yet. Its report can be printed when "
                  "it ends.");
    // A child of the report's view: every picture or style sheet it names is read through the
    // view's checks, never by the document itself.
    QTextDocument document(WebBrowser3);
    document.setDefaultFont(WebBrowser3->font());
    document.setHtml(reportHeading(m_lastReport) + m_lastReport.lines.join(u'\n'));
    document.setMetaInformation(QTextDocument::DocumentTitle, tr("Orvane test report"));
    print(document);
    return {};
}
