#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/announcer.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/pagecontrol.h"

#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "widgets/picklist.h"

#include <QAccessible>
#include <QTabBar>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <functional>

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFocusableControlHasAName();
    void wholeTestFromTheKeyboard();
    void namesRolesAndRelations();
    void hiddenControlsAreOutOfReach();
    void aboutLinksOpenFromTheKeyboard();

private:
    // Presses Tab until the focus reaches a control that passes the test; false if it never does.
    template <class Test> bool tabUntil(Test reached) {
        for (int i = 0; i < 40; ++i) {
            if (reached(QApplication::focusWidget()))
                return true;
            QWidget* from =
                QApplication::focusWidget() ? QApplication::focusWidget() : m_f->form.get();
            QTest::keyClick(from, Qt::Key_Tab);
        }
        return false;
    }
    bool tabTo(QWidget* target) {
        return tabUntil([target](QWidget* w) { return w == target; });
    }
    // Every name a screen reader can reach from the window.
    QStringList treeNames() const {
        QStringList names;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* face) {
            names << face->text(QAccessible::Name);
            for (int i = 0; i < face->childCount(); ++i)
                if (QAccessibleInterface* child = face->child(i))
                    walk(child);
        };
        walk(QAccessible::queryAccessibleInterface(m_f->form.get()));
        return names;
    }
    std::unique_ptr<FormFixture> m_f;
};

void TestAccessibility::init() {
    m_f = std::make_unique<FormFixture>();
    m_f->start();
}

void TestAccessibility::cleanup() {
    m_f.reset();
}

void TestAccessibility::everyFocusableControlHasAName() {
    QStringList unnamed;
    for (QWidget* w : m_f->form->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << (w->objectName().isEmpty()
                            ? QString::fromLatin1(w->metaObject()->className())
                            : w->objectName());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

void TestAccessibility::wholeTestFromTheKeyboard() {
    TestPage* page = m_f->form->TabSheet4;
    QTest::keyClick(m_f->form.get(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(m_f->form.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(m_f->form->PageControl1->currentPage(), page);
    QSignalSpy heard(Announcer::of(page), &Announcer::announced);
    const auto said = [&heard](const QString& start) {
        return !heard.isEmpty() && heard.takeFirst().at(0).toString().startsWith(start);
    };
    QVERIFY(tabTo(page->Button1)); // draws question 1, still under the panel: not announced
    QVERIFY(heard.isEmpty());
    QTest::keyClick(page->Button1, Qt::Key_Return);
    QCOMPARE(page->Panel1->width(), 0);
    QVERIFY(said("Question 1 of 5: "));
    const QList<QRadioButton*> options = {page->RadioButton1, page->RadioButton2,
                                          page->RadioButton3, page->RadioButton4};
    for (int k = 1; k <= 5; ++k) {
        // With none checked, Tab passes over the options; a letter or digit checks one, and
        // then the checked one is a tab stop, its arrows moving the choice.
        page->Button3->setFocus(Qt::TabFocusReason);
        QVERIFY(!tabUntil([](QWidget* w) { return qobject_cast<QRadioButton*>(w) != nullptr; }));
        QTest::keyClick(QApplication::focusWidget(), k % 2 ? Qt::Key_A : Qt::Key_3);
        QVERIFY(options[k % 2 ? 0 : 2]->isChecked());
        QVERIFY(said(k % 2 ? "You chose A: " : "You chose C: "));
        QVERIFY(tabUntil([](QWidget* w) { return qobject_cast<QRadioButton*>(w) != nullptr; }));
        auto* option = static_cast<QRadioButton*>(QApplication::focusWidget());
        QTest::keyClick(option, Qt::Key_Down);
        QVERIFY(static_cast<QRadioButton*>(QApplication::focusWidget())->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (k < 5)
            QVERIFY(said(QStringLiteral("Question %1 of 5: ").arg(k + 1)));
    }
    // The last draw, never asked, is not announced; the summary is.
    QVERIFY(said("Test Results: Number of questions: 5, Correct: "));
    QVERIFY(heard.isEmpty());
    QCOMPARE(page->Label33->text(), QStringLiteral("5"));
    // Read beside its caption "Correct:", the value label says only its value.
    QCOMPARE(QAccessible::queryAccessibleInterface(page->Label29)->text(QAccessible::Name),
             page->Label29->text());
    QVERIFY(QFileInfo::exists(m_f->path("result.html")));
}

void TestAccessibility::namesRolesAndRelations() {
    TForm1& form = *m_f->form;
    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Window);
    TestPage* page = form.TabSheet4;
    QAccessibleInterface* length = QAccessible::queryAccessibleInterface(page->ComboBox2);
    const auto labels = length->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->object(), page->Label1);
    QCOMPARE(form.TabSheet2->WebBrowser1->accessibleName(),
             QStringLiteral("Chapter 1: ") + form.TabSheet2->ComboBox1->itemText(0).trimmed());
    // A chapter is one stop on the Tab chain, however many links it has.
    FormFixture::writeFile(m_f->path("study/1.html"),
                           "<a href=\"2.html\">2</a> <a href=\"3.html\">3</a>");
    form.TabSheet2->ComboBox1Change();
    form.TabSheet2->WebBrowser1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.TabSheet2->WebBrowser1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.TabSheet2->ComboBox1);
    form.PageControl1->setCurrentIndex(2);
    QCOMPARE(form.PageControl1->tabBar()->accessibleName(), QStringLiteral("Test Yourself"));
    QVERIFY(page->Button2->accessibleDescription().contains("A to D"));
}

void TestAccessibility::hiddenControlsAreOutOfReach() {
    TForm1& form = *m_f->form;
    TestPage* page = form.TabSheet4;
    form.PageControl1->setCurrentIndex(1);
    // The answer is not given away before the reveal.
    QVERIFY(!treeNames().contains("Answer to question 1"));
    QTest::mouseClick(form.TabSheet1->BitBtn1, Qt::LeftButton);
    QVERIFY(treeNames().contains("Answer to question 1"));

    form.PageControl1->setCurrentIndex(2);
    for (const char* placeholder : {"111", "Label21", "Option A", "Submit"})
        QVERIFY2(!treeNames().contains(placeholder), placeholder);
    QVERIFY(treeNames().contains("Excluded questions"));
    page->Button1->setFocus(Qt::TabFocusReason);
    page->Button1->click();
    QVERIFY(!treeNames().contains("Excluded questions"));
    QVERIFY(treeNames().contains(page->Label20->text()));
    // From Submit, Tab goes to a control in sight.
    page->RadioButton1->setChecked(true);
    page->Button2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page->Button2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page->Button3);
    for (int k = 0; k < 5; ++k) {
        page->RadioButton1->setChecked(true);
        page->Button2->click();
    }
    // After the test: no stale question, no option on the Tab chain.
    QVERIFY(!treeNames().contains(page->Label20->text()));
    QVERIFY(!tabUntil([](QWidget* w) { return qobject_cast<QRadioButton*>(w) != nullptr; }));
}

void TestAccessibility::aboutLinksOpenFromTheKeyboard() {
    m_f->form->PageControl1->setCurrentIndex(3);
    QVERIFY(tabUntil([](QWidget* w) { return w && w->objectName() == "ZelUrlLabel1"; }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ZelUrlLabel2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_f->opened.size(), 2);
    QCOMPARE(m_f->opened.first().scheme(), QStringLiteral("mailto"));
}
QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
