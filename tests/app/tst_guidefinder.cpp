#include "app/guidefinder.h"
#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/announcer.h"
#include "widgets/findbar.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"
#include "widgets/picklist.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

class TestGuideFinder : public QObject {
    Q_OBJECT
private slots:
    void findBarWalksTheMatchesAndGivesTheFocusBack();
    void resultOpensItsAnswerShownAtTheMatch();
    void closingTheSearchDrawsNoQuestion();
};

// Ctrl+F, typing, F3, Shift+Enter and Escape, as the learner presses them.
void TestGuideFinder::findBarWalksTheMatchesAndGivesTheFocusBack() {
    FormFixture f;
    FormFixture::writeFile(f.path("study/1.html"), "<p>Ottawa, then ottawa.</p><p>OTTAWA</p>");
    TForm1& form = f.start();
    QSignalSpy said(Announcer::of(&form), &Announcer::announced);
    form.TabSheet2->ComboBox1->setFocus();
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
    auto* text = f.find<QLineEdit>("FindText");
    QTRY_VERIFY(text->hasFocus());
    QTest::keyClicks(text, "ottawa");
    auto* count = f.find<QLabel>("FindCount");
    QCOMPARE(count->text(), QStringLiteral("1 of 3"));
    QCOMPARE(said.last().first().toString(), QStringLiteral("1 of 3"));
    HtmlView* view = form.TabSheet2->WebBrowser1;
    QCOMPARE(view->extraSelections().size(), 3);
    QCOMPARE(view->extraSelections()[1].cursor.selectedText(), QStringLiteral("ottawa"));
    QTest::keyClick(text, Qt::Key_F3);
    QTest::keyClick(text, Qt::Key_F3);
    QCOMPARE(count->text(), QStringLiteral("3 of 3"));
    QCOMPARE(view->textCursor().position(), view->extraSelections()[2].cursor.selectionStart());
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(count->text(), QStringLiteral("2 of 3"));
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!f.find<FindBar>("WebBrowser1Find")->isVisible());
    QVERIFY(form.TabSheet2->ComboBox1->hasFocus());
    QVERIFY(view->extraSelections().isEmpty());
}

// An answer opens through the practice list and is shown, with its match current.
void TestGuideFinder::resultOpensItsAnswerShownAtTheMatch() {
    FormFixture f;
    FormFixture::writeFile(f.path("answers/5.html"), "<p>From the M\xc3\xa9tis people.</p>");
    TForm1& form = f.start();
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* text = f.find<QLineEdit>("SearchText");
    QTRY_VERIFY(text->hasFocus());
    QTest::keyClicks(text, "metis");
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(form.PageControl1->currentPage(), form.TabSheet1);
    QCOMPARE(form.TabSheet1->ListBox1->currentRow(), 4);
    QCOMPARE(form.TabSheet1->WebBrowser2->width(), 713);
    QCOMPARE(f.find<QLabel>("FindCount")->text(), QStringLiteral("1 of 1"));
    QVERIFY(f.find<QLineEdit>("FindText")->hasFocus());
    QVERIFY(f.errors.shown.isEmpty());
}

// Entering the start button draws a question; coming back to it from the search must not.
void TestGuideFinder::closingTheSearchDrawsNoQuestion() {
    FormFixture f;
    TForm1& form = f.start();
    form.PageControl1->setCurrentPage(form.TabSheet4);
    form.TabSheet4->Button1->setFocus();
    QTRY_COMPARE(form.TabSheet4->state().QuestionNumber, 1);
    form.finder()->searchGuide();
    QTest::keyClick(f.find<QLineEdit>("SearchText"), Qt::Key_Escape);
    QVERIFY(form.TabSheet4->Button1->hasFocus());
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1);
}

QTEST_MAIN(TestGuideFinder)
#include "tst_guidefinder.moc"
