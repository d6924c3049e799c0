#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "support/formfixture.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>

class TestTForm1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowProperties();
    void creationPreparesThePracticePageBeforeTheFirstShow();
    void activationLoadsTheFirstChapterOnce();
    void handlerErrorsReachTheErrorBoxAndWorkGoesOn();

private:
    std::unique_ptr<FormFixture> m_f;
};

void TestTForm1::init() {
    m_f = std::make_unique<FormFixture>();
    FormFixture::writeFile(m_f->path("study/1.html"), "<p>Chapter one</p>");
    FormFixture::writeFile(m_f->path("answers/1.html"), "<p>Answer one</p>");
}

void TestTForm1::cleanup() {
    m_f.reset();
}

void TestTForm1::windowProperties() {
    TForm1& form = m_f->start();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Orvane 1.3 (jan-feb.2003)"));
    QCOMPARE(form.size(), QSize(757, 427));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(form.font().pixelSize(), 11);

    QTabBar* tabs = form.PageControl1->tabBar();
    const QStringList captions = {"Study Guide", "Practice Section", "Test Yourself", "About"};
    const QStringList pages = {"TabSheet2", "TabSheet1", "TabSheet4", "TabSheet3"};
    QCOMPARE(tabs->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->tabText(i), captions[i]);
        form.PageControl1->setCurrentIndex(i);
        QCOMPARE(form.PageControl1->currentPage()->objectName(), pages[i]);
    }
    m_f->form.reset();
    m_f->create();
    TForm1& fresh = m_f->start();
    QCOMPARE(fresh.PageControl1->currentIndex(), 0);
    QVERIFY(fresh.PageControl1->hasFocus());
}

void TestTForm1::creationPreparesThePracticePageBeforeTheFirstShow() {
    TForm1& form = m_f->create();
    QVERIFY(!form.isVisible());
    PracticePage* practice = form.TabSheet1;
    QCOMPARE(practice->Label3->text(), practice->ListBox1->item(0)->text());
    QCOMPARE(practice->Label4->text(),
             QStringLiteral("Section I. Questions about Canada (questions 1-180)"));
    QCOMPARE(practice->WebBrowser2->currentPath(), m_f->path("answers/1.html"));
    QVERIFY(form.TabSheet2->WebBrowser1->currentPath().isEmpty()); // not yet activated
    QVERIFY(m_f->errors.shown.isEmpty());
}

void TestTForm1::activationLoadsTheFirstChapterOnce() {
    TForm1& form = m_f->create();
    HtmlView* view = form.TabSheet2->WebBrowser1;
    QSignalSpy loads(view, &QTextBrowser::sourceChanged);
    m_f->start();
    QCOMPARE(loads.size(), 1);
    QCOMPARE(view->currentPath(), m_f->path("study/1.html"));
    QVERIFY(view->toPlainText().contains("Chapter one"));

    // Another window takes the focus and gives it back, as an error box or another program
    // would: the chapter is not loaded again.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.close();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.showMinimized();
    form.showNormal();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(loads.size(), 1);
}

void TestTForm1::handlerErrorsReachTheErrorBoxAndWorkGoesOn() {
    TForm1& form = m_f->start();
    // No current item: the practice handler stops at its first step with the list error,
    // which keeps its closing parenthesis and gets no full stop.
    PracticePage* practice = form.TabSheet1;
    {
        const QSignalBlocker quiet(practice->ListBox1);
        practice->ListBox1->setCurrentRow(-1);
    }
    practice->Memo1->setPlainText("kept");
    form.dispatch(&TForm1::ListBox1Click);
    QCOMPARE(m_f->errors.shown, QStringList{"List index out of bounds (-1)"});
    QCOMPARE(practice->Memo1->toPlainText(), QStringLiteral("kept"));

    // A bad test length raised from an event, the start button's focus-enter, is shown with
    // a full stop, and the window carries on.
    m_f->errors.shown.clear();
    form.PageControl1->setCurrentIndex(2);
    QComboBox* length = m_f->find<QComboBox>("ComboBox2");
    length->setEditText("x");
    length->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(length, Qt::Key_Tab);
    QCOMPARE(m_f->errors.shown,
             (QStringList{QStringLiteral("'\u2068x\u2069' is not a valid integer value."),
                          QStringLiteral("'\u2068x\u2069' is not a valid integer value.")}));
    QVERIFY(form.isVisible());
    length->setEditText("5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(length, Qt::Key_Tab);
    QCOMPARE(m_f->find<QLabel>("Label26")->text(), QStringLiteral("1 of 5"));
}

QTEST_MAIN(TestTForm1)
#include "tst_tform1.moc"
