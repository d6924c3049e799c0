#pragma once

#include "progress/finishedtest.h"
#include "selftest/testengine.h"
#include "widgets/page.h"

#include <QDateTime>
#include <QStringList>

class FocusButton;
class HtmlView;
class Label;
class QuestionBank;
class QComboBox;
class QFrame;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QuestionOptions;
class QKeyEvent;

// The Test Yourself page: a view of the test engine. It shows the question drawn, the running
// score, and the summary and wrong-answers report at the end, and hands the engine the length
// and the choices the user gives.
class TestPage : public Page {
    Q_OBJECT
public:
    TestPage(QWidget* parent, const QuestionBank& bank, RandomDraw::SeedSource seed);

    QString print(const Printer& print) override;
    Copy copy() const override;

    void ComboBox2Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    const TestEngine& engine() const { return m_engine; }
    const TestState& state() const { return m_engine.state(); }

    // Whether there is a place for the report: where the user has no folder of their own,
    // the test still runs, and its end says that the report cannot be saved.
    void setReportKept(bool kept) { m_reportKept = kept; }

    // The last test finished in this window: its report lines and summary. No lines where
    // none has been finished here.
    struct Report {
        QStringList lines;
        QDateTime finished;
        QString questions, correct, incorrect, successRate;
    };
    Report lastReport() const;

    // While a question is shown: A to D or 1 to 4 check that option, Enter presses Submit.
    // Returns whether the key was one of them. The window hands it the keys that reach it with
    // no control focused.
    bool answerKey(QKeyEvent* event) override;

    QFrame* Bevel2;
    Label* Label17;
    Label* Label18;
    Label* Label1;
    Label* Label19;
    Label* Label20;
    Label* Label26;
    Label* Label27;
    Label* Label21;
    Label* Label23;
    QComboBox* ComboBox2;
    FocusButton* Button1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* Button2;
    QFrame* Panel1;
    Label* Label28;
    Label* Label29;
    Label* Label31;
    Label* Label32;
    Label* Label33;
    Label* Label36;
    Label* Label37;
    Label* Label22;
    Label* Label25;
    HtmlView* WebBrowser3;
    QPlainTextEdit* Memo2;
    QPushButton* Button3;

signals:
    // What was asked and answered: at completion, and at an early end with at least one answer.
    void testEnded(const FinishedTest& test);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLabels(QWidget* parent, bool onPanel);
    void buildQuestionArea();
    void buildResultsPanel();
    void describeForScreenReaders();
    // The controls under the results panel while it covers them, and the panel while it has no
    // width, are out of sight.
    void concealOutOfSight();
    // "k of N" for the question shown, and its announcement, with the length N.
    void showPosition(int length);
    void showQuestion(int length);
    static QString positionText(int number, int length);
    static QString submitText() { return tr("Submit"); }
    static QString chooseFirst() { return tr("Select one of the options. Then press this button"); }
    void complete();
    // The question on screen, its position and its options, to a screen reader.
    void announceQuestion();
    void writeReport();
    QList<Label*> resultLabels() const;
    static QString spoken(const Label* caption, const Label* value);

    bool m_reportKept = true;
    TestEngine m_engine;
    QuestionOptions* m_options;
    Report m_lastReport;
};
