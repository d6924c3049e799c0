#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"

#include "base/apperror.h"
#include "base/errortext.h"
#include "base/intvalue.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTimer>

class TestTForm1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowProperties();
    void creationPreparesThePracticePageBeforeTheFirstShow();
    void activationLoadsTheFirstChapterOnce();
    void pagesBuiltAfterTheFirstFrameEndAsIfBuiltFirst();
    void handlerErrorsReachTheErrorBoxAndWorkGoesOn();
    void switchingPagesRunsNoHandler_data();
    void switchingPagesRunsNoHandler();
    void startPressedInAnInactiveWindowDrawsOnce();
    void errorBoxShowsPlainText_data();
    void errorBoxShowsPlainText();

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
    form.finishStartup();
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

// Every control as a user, a screen reader or the focus chain finds it, one line each in the
// order of the window's tree; the working folder is left out, as it differs between windows.
// The parts Qt makes inside a control (scroll bars, viewports) are laid out when they show.
static QStringList controlStates(const FormFixture& f) {
    QStringList lines;
    for (const QWidget* w : f.form->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString line = QStringLiteral("%1 %2 %3,%4 %5x%6 visible=%7 hidden=%8 enabled=%9")
                           .arg(w->metaObject()->className(), w->objectName())
                           .arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                           .arg(w->isVisible()).arg(w->isHidden()).arg(w->isEnabled());
        line += QStringLiteral(" focus=%1,%2 next=%3 polished=%4 name=%5 description=%6")
                    .arg(int(w->focusPolicy())).arg(w->hasFocus())
                    .arg(w->nextInFocusChain()->objectName())
                    .arg(w->testAttribute(Qt::WA_WState_Polished))
                    .arg(w->accessibleName(), w->accessibleDescription());
        for (const char* property : {"text", "plainText", "currentText", "currentIndex",
                                     "currentRow", "checked", "source", "count"}) {
            if (w->metaObject()->indexOfProperty(property) >= 0)
                line += QStringLiteral(" %1=%2").arg(property, w->property(property).toString());
        }
        lines << line.replace(f.path(QString()), QStringLiteral("<folder>/"));
    }
    return lines;
}

void TestTForm1::pagesBuiltAfterTheFirstFrameEndAsIfBuiltFirst() {
    // Built first: every page and the creation event before the window is shown.
    m_f->create().finishStartup();
    m_f->start();
    const QStringList builtFirst = controlStates(*m_f);
    QVERIFY(builtFirst.size() > 60);

    // Built after the first frame, as the program starts.
    m_f.reset();
    init();
    TForm1& form = m_f->create();
    QVERIFY(!form.TabSheet1 && !form.TabSheet4 && !form.TabSheet3);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.TabSheet1 && form.TabSheet4 && form.TabSheet3);
    m_f->start();
    const QStringList builtAfter = controlStates(*m_f);
    for (qsizetype i = 0; i < qMin(builtFirst.size(), builtAfter.size()); ++i)
        QCOMPARE(builtAfter[i], builtFirst[i]);
    QCOMPARE(builtAfter.size(), builtFirst.size());
    QVERIFY(m_f->errors.shown.isEmpty());
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

void TestTForm1::switchingPagesRunsNoHandler_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("ctrl+tab") << "next";
    QTest::newRow("ctrl+shift+tab") << "previous";
}

void TestTForm1::switchingPagesRunsNoHandler() {
    QFETCH(QString, how);
    TForm1& form = m_f->start();
    QTabBar* tabs = form.PageControl1->tabBar();
    const auto go = [&](int page) {
        if (how == "mouse")
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
        while (form.PageControl1->currentIndex() != page) {
            if (how == "next")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier);
        }
    };
    go(2); // the first visit
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 0);
    form.TabSheet4->Button1->setFocus(Qt::TabFocusReason); // draws question 1
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1);
    form.TabSheet4->RadioButton2->setChecked(true);
    go(0);
    go(2);
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1);
    QCOMPARE(form.TabSheet4->Button2->text(), QStringLiteral("Submit"));
    QCOMPARE(QApplication::focusWidget(), tabs);
}

void TestTForm1::startPressedInAnInactiveWindowDrawsOnce() {
    TForm1& form = m_f->start();
    form.PageControl1->setCurrentIndex(2);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QPushButton* start = form.TabSheet4->Button1;
    // The press is recorded while the window is inactive; Qt hands over the focus only when
    // the window is activated.
    QTest::mousePress(start, Qt::LeftButton);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1); // drawn on the press, as always
    QTest::mouseRelease(start, Qt::LeftButton);
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1);
    QCOMPARE(form.TabSheet4->Panel1->width(), 0);

    // Coming back to a window whose focus is still on the button draws nothing.
    form.TabSheet4->Button3->click();
    start->setFocus(Qt::TabFocusReason);
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1);
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), start);
    QCOMPARE(form.TabSheet4->state().QuestionNumber, 1);
}

void TestTForm1::errorBoxShowsPlainText_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("bold") << "<b>5</b>";
    QTest::newRow("picture") << "<img src=\"/dev/zero\">";
    QTest::newRow("right-to-left override") << "\u202e20";
}

void TestTForm1::errorBoxShowsPlainText() {
    QFETCH(QString, typed);
    MessageErrorBox box(QStringLiteral("Orvane"));
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(open);
        format = open->textFormat();
        shown = open->text();
        open->accept();
    });
    try {
        intValue(typed);
        QFAIL("no error raised");
    } catch (const AppError& error) {
        box.show(errorBoxText(error.message()));
    }
    QCOMPARE(format, Qt::PlainText);
    // The typed text stands isolated, so its marks cannot turn the message around.
    QCOMPARE(shown, QStringLiteral("'\u2068%1\u2069' is not a valid integer value.").arg(typed));
}
QTEST_MAIN(TestTForm1)
#include "tst_tform1.moc"
