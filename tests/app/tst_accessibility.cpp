#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/focusbutton.h"
#include "widgets/label.h"
#include "widgets/pagecontrol.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFocusableControlHasAName();
    void wholeTestFromTheKeyboard();

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
    QVERIFY(tabTo(page->Button1)); // draws question 1
    QTest::keyClick(page->Button1, Qt::Key_Return);
    QCOMPARE(page->Panel1->width(), 0);
    const QList<QRadioButton*> options = {page->RadioButton1, page->RadioButton2,
                                          page->RadioButton3, page->RadioButton4};
    for (int k = 1; k <= 5; ++k) {
        // With none checked, Tab passes over the options; a letter or digit checks one, and
        // then the checked one is a tab stop, its arrows moving the choice.
        page->Button3->setFocus(Qt::TabFocusReason);
        QVERIFY(!tabUntil([](QWidget* w) { return qobject_cast<QRadioButton*>(w) != nullptr; }));
        QTest::keyClick(QApplication::focusWidget(), k % 2 ? Qt::Key_A : Qt::Key_3);
        QVERIFY(options[k % 2 ? 0 : 2]->isChecked());
        QVERIFY(tabUntil([](QWidget* w) { return qobject_cast<QRadioButton*>(w) != nullptr; }));
        auto* option = static_cast<QRadioButton*>(QApplication::focusWidget());
        QTest::keyClick(option, Qt::Key_Down);
        QVERIFY(static_cast<QRadioButton*>(QApplication::focusWidget())->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(page->Label33->text(), QStringLiteral("5"));
    QCOMPARE(page->Label29->accessibleName(), QStringLiteral("Correct: ") + page->Label29->text());
    QVERIFY(QFileInfo::exists(m_f->path("result.html")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
