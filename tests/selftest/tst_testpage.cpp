#include "content/questionbank.h"
#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/pagecontrol.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

class TestTestPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fiveQuestionTestScoresOneAdvanceLate();
    void tabbingOntoStartDrawsTheFirstQuestion();
    void warningCaptionCarriesIntoTheNextTest();
    void typedLength_data();
    void typedLength();
    void badLengthStopsTheAdvance();
    void badLengthNeverStartsATest();
    void lengthChangedAfterTheFirstDraw_data();
    void lengthChangedAfterTheFirstDraw();
    void focusGoesToTheWindow();
    void failedWriteStillEndsTheTest();
    void symbolicLinkReportIsReplaced();

private:
    TestPage* page() const { return m_f->form->TabSheet4; }
    QRadioButton* radio(int k) const {
        return m_f->find<QRadioButton>(qPrintable(QStringLiteral("RadioButton%1").arg(k)));
    }
    int correctOfShown() const {
        return m_bank.CorrectOption(page()->state().AskedQuestions[page()->state().QuestionNumber]);
    }
    void setLength(const QString& text) { page()->ComboBox2->setEditText(text); }
    void pressStart() { QTest::mouseClick(page()->Button1, Qt::LeftButton); }
    // Answers the question on screen, rightly or wrongly, and submits.
    int answer(bool right) {
        const int correct = correctOfShown();
        const int choice = right ? correct : correct % 4 + 1;
        // On the button's circle: a click past the end of the text misses it.
        QTest::mouseClick(radio(choice), Qt::LeftButton, {},
                          QPoint(6, radio(choice)->height() / 2));
        QTest::mouseClick(page()->Button2, Qt::LeftButton);
        return choice;
    }
    QString text(const char* label) const { return m_f->find<QLabel>(label)->text(); }

    std::unique_ptr<FormFixture> m_f;
    QuestionBank m_bank = QuestionBank::builtIn();
};

void TestTestPage::init() {
    m_f = std::make_unique<FormFixture>();
    m_f->start();
    m_f->form->PageControl1->setCurrentIndex(2);
}

void TestTestPage::cleanup() {
    m_f.reset();
}

void TestTestPage::fiveQuestionTestScoresOneAdvanceLate() {
    setLength("5");
    pressStart();
    QCOMPARE(text("Label26"), QStringLiteral("1 of 5"));
    QCOMPARE(text("Label21"), QStringLiteral("0"));
    QCOMPARE(page()->Panel1->width(), 0);
    QVERIFY(!page()->Button1->isVisible());
    QVERIFY(page()->Button3->isVisible());
    QVERIFY(!page()->ComboBox2->isEnabled());
    const int first = page()->state().AskedQuestions[1];
    QCOMPARE(text("Label20"), m_bank.QuestionText(first));
    QCOMPARE(radio(3)->text(), m_bank.OptionText(first, 3));

    const bool plan[] = {true, false, true, true, false};
    const char* running[] = {"1", "1", "2", "3"};
    for (int k = 0; k < 5; ++k) {
        answer(plan[k]);
        for (int j = 1; j <= 4; ++j)
            QVERIFY(!radio(j)->isChecked());
        if (k < 4) {
            QCOMPARE(text("Label26"), QStringLiteral("%1 of 5").arg(k + 2));
            QCOMPARE(text("Label21"), QString::fromLatin1(running[k]));
        }
    }
    QCOMPARE(text("Label33"), QStringLiteral("5"));
    QCOMPARE(text("Label29"), QStringLiteral("3"));
    QCOMPARE(text("Label37"), QStringLiteral("2"));
    QCOMPARE(text("Label25"), QStringLiteral("60 %"));
    QCOMPARE(page()->Panel1->width(), 726);
    QCOMPARE(page()->WebBrowser3->width(), 710);
    QVERIFY(!page()->Memo2->isVisible());
    QVERIFY(!page()->Button2->isEnabled());
    QVERIFY(page()->Button1->isVisible());
    QCOMPARE(page()->state().QuestionNumber, 0);
    QCOMPARE(page()->WebBrowser3->currentPath(), m_f->path("result.html"));
    QVERIFY(m_f->errors.shown.isEmpty());
}

void TestTestPage::tabbingOntoStartDrawsTheFirstQuestion() {
    page()->ComboBox2->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(page()->ComboBox2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page()->Button1);
    QCOMPARE(page()->state().QuestionNumber, 1);
    QCOMPARE(page()->Panel1->width(), 726); // drawn, not started
    // Away and back with no option chosen: only the caption changes.
    QTest::keyClick(page()->Button1, Qt::Key_Backtab);
    QTest::keyClick(page()->ComboBox2, Qt::Key_Tab);
    QCOMPARE(page()->state().QuestionNumber, 1);
    QCOMPARE(page()->Button2->text(),
             QStringLiteral("Select one of the options. Then press this button"));
}

void TestTestPage::warningCaptionCarriesIntoTheNextTest() {
    pressStart();
    QTest::mouseClick(page()->Button2, Qt::LeftButton);
    const QString warning = QStringLiteral("Select one of the options. Then press this button");
    QCOMPARE(page()->Button2->text(), warning);
    QCOMPARE(text("Label26"), QStringLiteral("1 of 5"));
    QTest::mouseClick(page()->Button3, Qt::LeftButton);
    QCOMPARE(page()->Panel1->width(), 726);
    QVERIFY(page()->Memo2->isVisible());
    pressStart();
    QCOMPARE(page()->Button2->text(), warning);
    QCOMPARE(text("Label26"), QStringLiteral("1 of 5"));
    answer(true);
    QCOMPARE(page()->Button2->text(), QStringLiteral("Submit"));
}

void TestTestPage::typedLength_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("errors");
    QTest::newRow("zero") << "0"
                          << "5" << 0;
    QTest::newRow("negative") << "-3"
                              << "5" << 1; // the lone "-" is no number yet
    QTest::newRow("above the bank") << "179"
                                    << "5" << 0;
    QTest::newRow("200 key by key") << "200"
                                    << "5" << 0;
    QTest::newRow("letters") << "abc"
                             << "abc" << 3;
    QTest::newRow("leading blank") << " 20"
                                   << " 20" << 1;
    QTest::newRow("hex") << "$14"
                         << "$14" << 1;
    QTest::newRow("trailing blank") << "20 "
                                    << "20 " << 1;
    QTest::newRow("largest") << "178"
                             << "178" << 0;
}

void TestTestPage::typedLength() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, errors);
    QLineEdit* edit = page()->ComboBox2->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QCOMPARE(page()->ComboBox2->currentText(), shown);
    QCOMPARE(m_f->errors.shown.size(), errors);
    for (const QString& message : m_f->errors.shown)
        QVERIFY(message.endsWith(QStringLiteral("is not a valid integer value.")));
}

void TestTestPage::badLengthStopsTheAdvance() {
    QLineEdit* edit = page()->ComboBox2->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(page()->ComboBox2->currentText(), QStringLiteral("5")); // emptied: back to 5
    pressStart();
    answer(true);
    QCOMPARE(page()->state().QuestionNumber, 2);
    // The length box is locked while the test runs; a length that went bad all the same stops
    // each advance at the conversion, after the caption.
    page()->ComboBox2->setEnabled(true);
    page()->ComboBox2->setEditText("x");
    m_f->errors.shown.clear();
    radio(1)->setChecked(true);
    QTest::mouseClick(page()->Button2, Qt::LeftButton);
    QCOMPARE(m_f->errors.shown,
             QStringList{QStringLiteral("'\u2068x\u2069' is not a valid integer value.")});
    QCOMPARE(page()->state().QuestionNumber, 2);
    QVERIFY(radio(1)->isChecked());
}

void TestTestPage::focusGoesToTheWindow() {
    setLength("5");
    pressStart();
    QCOMPARE(QApplication::focusWidget(), m_f->form.get());
    for (int k = 0; k < 5; ++k)
        answer(true);
    QCOMPARE(text("Label25"), QStringLiteral("100 %"));
    QCOMPARE(QApplication::focusWidget(), m_f->form.get());
    pressStart();
    QCOMPARE(page()->state().QuestionNumber, 1); // a new test from question 1
    QTest::mouseClick(page()->Button3, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), m_f->form.get());
    QCOMPARE(page()->state().QuestionNumber, 0);
    QVERIFY(page()->Label18->isVisible());
}

void TestTestPage::failedWriteStillEndsTheTest() {
    QVERIFY(QDir().mkdir("result.html"));
    setLength("5");
    pressStart();
    for (int k = 0; k < 5; ++k)
        answer(false);
    QCOMPARE(m_f->errors.shown,
             QStringList{QStringLiteral("Cannot create file \"\u2068%1\u2069\". Is a directory.")
                             .arg(m_f->path("result.html"))});
    QCOMPARE(text("Label37"), QStringLiteral("5"));
    QVERIFY(!page()->WebBrowser3->toPlainText().contains("Incorrect"));
    QVERIFY(QDir().rmdir("result.html"));

    pressStart();
    QCOMPARE(text("Label26"), QStringLiteral("1 of 5"));
    for (int k = 0; k < 5; ++k)
        answer(true);
    QCOMPARE(m_f->errors.shown.size(), 1);
    QCOMPARE(text("Label25"), QStringLiteral("100 %"));
    QVERIFY(page()->WebBrowser3->toPlainText().contains("Congratulation"));
}

void TestTestPage::symbolicLinkReportIsReplaced() {
    FormFixture::writeFile(m_f->path("notes.txt"), "my notes");
    QVERIFY(QFile::link(m_f->path("notes.txt"), m_f->path("result.html")));
    pressStart();
    for (int k = 0; k < 5; ++k)
        answer(true);
    QFile notes(m_f->path("notes.txt"));
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), QByteArray("my notes"));
    QVERIFY(!QFileInfo(m_f->path("result.html")).isSymLink());
    QCOMPARE(
        QFileInfo(m_f->path("result.html")).size(),
        qint64(qstrlen(
            R"(<font color="#FFFFFF" size="5"><span style="font-weight: 700; background-color: #FF5050">Congratulation, all of your answers were correct.</span></font><br><br><br>)")) +
            2);
}

void TestTestPage::badLengthNeverStartsATest() {
    setLength("abc");
    for (int press = 1; press <= 2; ++press) {
        pressStart(); // the second time the button already has the focus
        QCOMPARE(page()->state().QuestionNumber, 0);
        QCOMPARE(page()->Panel1->width(), 726);
        QVERIFY(page()->Button1->isVisible());
        QVERIFY(!page()->Button3->isVisible());
    }
    QVERIFY(m_f->errors.shown.size() >= 3);
    setLength("5");
    pressStart();
    QCOMPARE(text("Label26"), QStringLiteral("1 of 5"));
    QCOMPARE(page()->Panel1->width(), 0);
}
void TestTestPage::lengthChangedAfterTheFirstDraw_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("position"); // empty: refused, the page stays idle
    QTest::newRow("a longer test") << "10"
                                   << "1 of 10";
    QTest::newRow("no number") << "q"
                               << "";
}

// Question 1 is drawn as Tab reaches Start; the user goes back and types another length.
void TestTestPage::lengthChangedAfterTheFirstDraw() {
    QFETCH(QString, typed);
    QFETCH(QString, position);
    page()->ComboBox2->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(page()->ComboBox2, Qt::Key_Tab);
    QTest::keyClick(page()->Button1, Qt::Key_Backtab);
    page()->ComboBox2->lineEdit()->selectAll();
    QTest::keyClicks(page()->ComboBox2->lineEdit(), typed);
    QTest::keyClick(page()->ComboBox2, Qt::Key_Tab);
    m_f->errors.shown.clear();
    QTest::keyClick(page()->Button1, Qt::Key_Space);
    QCOMPARE(m_f->errors.shown.size(), position.isEmpty() ? 1 : 0);
    QCOMPARE(page()->Panel1->width(), position.isEmpty() ? 726 : 0);
    if (!position.isEmpty())
        QVERIFY(text("Label26") == position &&
                page()->Label20->accessibleName().startsWith("Question " + position + ":"));
}
QTEST_MAIN(TestTestPage)
#include "tst_testpage.moc"
