#include "pages/practicepage.h"
#include "support/formfixture.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"
#include <QApplication>
#include <QMouseEvent>

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kSectionI = QStringLiteral("Section I. Questions about Canada (questions 1-180)");
const QString kSectionII =
    QStringLiteral("Section II. Questions about your region (questions 181-197)");
} // namespace

class TestPracticePage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithQuestionOneAndRevealsItsAnswer();
    void sectionLine_data();
    void sectionLine();
    void clicksShowTheClickedQuestion_data();
    void clicksShowTheClickedQuestion();
    void clickingTheCurrentItemAgainStartsAfresh();
    void downArrowMovesThroughTheList();
    void draggingShowsTheItemThatBecomesCurrent();
    void longQuestionWrapsDownwards();
    void imageIsTheLogoAtFullSize();

private:
    PracticePage* page() const { return m_f->form->TabSheet1; }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        ListBox* list = page()->ListBox1;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    }
    QString answerShown() const { return page()->WebBrowser2->currentPath(); }

    std::unique_ptr<FormFixture> m_f;
};

void TestPracticePage::init() {
    m_f = std::make_unique<FormFixture>();
    for (int n : {1, 3, 7, 180, 181})
        FormFixture::writeFile(m_f->path(QStringLiteral("answers/%1.html").arg(n)),
                               QStringLiteral("<p>Answer to question %1</p>").arg(n).toUtf8());
    m_f->start();
    m_f->form->PageControl1->setCurrentIndex(1);
}

void TestPracticePage::cleanup() {
    m_f.reset();
}

void TestPracticePage::startsWithQuestionOneAndRevealsItsAnswer() {
    QCOMPARE(page()->Label3->text(),
             QStringLiteral("1. Who are the Aboriginal peoples of Canada?"));
    QCOMPARE(page()->Label4->text(), kSectionI);
    QVERIFY(page()->Memo1->toPlainText().isEmpty());
    QCOMPARE(page()->WebBrowser2->size(), QSize(0, 57));
    QVERIFY(page()->ListBox1->selectedItems().isEmpty());
    QTest::mouseClick(page()->BitBtn1, Qt::LeftButton);
    QCOMPARE(page()->WebBrowser2->size(), QSize(713, 85));
    QCOMPARE(answerShown(), m_f->path("answers/1.html"));
    QVERIFY(page()->WebBrowser2->toPlainText().contains("Answer to question 1"));
    // Hidden again by the next choice, keeping the revealed height.
    click(2);
    QCOMPARE(page()->WebBrowser2->size(), QSize(0, 85));
}

void TestPracticePage::sectionLine_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("line");
    QTest::newRow("first") << 0 << kSectionI;
    QTest::newRow("question 180") << 179 << kSectionI;
    QTest::newRow("question 181") << 180 << kSectionII;
    QTest::newRow("last") << 196 << kSectionII;
}

void TestPracticePage::sectionLine() {
    QFETCH(int, index);
    QFETCH(QString, line);
    click(index);
    QCOMPARE(page()->Label4->text(), line);
    QCOMPARE(page()->Label3->text(), page()->ListBox1->item(index)->text());
    QCOMPARE(answerShown(), m_f->path(QStringLiteral("answers/%1.html").arg(index + 1)));
}

void TestPracticePage::clicksShowTheClickedQuestion_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("selected");
    QTest::newRow("shift from 3 to 7") << int(Qt::ShiftModifier) << 5;
    QTest::newRow("ctrl adds 7") << int(Qt::ControlModifier) << 2;
}

void TestPracticePage::clicksShowTheClickedQuestion() {
    QFETCH(int, modifiers);
    QFETCH(int, selected);
    click(2);
    page()->Memo1->setPlainText("my attempt");
    click(6, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(page()->Label3->text(), page()->ListBox1->item(6)->text());
    QCOMPARE(page()->ListBox1->selectedItems().size(), selected);
    QVERIFY(page()->Memo1->toPlainText().isEmpty());
    QCOMPARE(answerShown(), m_f->path("answers/7.html"));
}

void TestPracticePage::clickingTheCurrentItemAgainStartsAfresh() {
    click(2);
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        QTest::mouseClick(page()->BitBtn1, Qt::LeftButton);
        page()->Memo1->setPlainText("my attempt");
        click(2, modifiers);
        QVERIFY(page()->Memo1->toPlainText().isEmpty());
        QCOMPARE(page()->WebBrowser2->width(), 0);
        QCOMPARE(page()->Label3->text(), page()->ListBox1->item(2)->text());
    }
    QVERIFY(page()->ListBox1->selectedItems().isEmpty()); // Ctrl+click deselected it
}

void TestPracticePage::downArrowMovesThroughTheList() {
    click(0);
    for (int row = 1; row <= 3; ++row) {
        page()->Memo1->setPlainText("attempt");
        QTest::mouseClick(page()->BitBtn1, Qt::LeftButton);
        page()->ListBox1->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(page()->ListBox1, Qt::Key_Down);
        QCOMPARE(page()->Label3->text(), page()->ListBox1->item(row)->text());
        QVERIFY(page()->Memo1->toPlainText().isEmpty());
        QCOMPARE(page()->WebBrowser2->width(), 0);
    }
}

void TestPracticePage::longQuestionWrapsDownwards() {
    const int oneLine = page()->Label3->height();
    click(192); // the longest question
    QCOMPARE(page()->Label3->width(), 726);
    QCOMPARE(page()->Label3->y(), 213);
    QVERIFY(page()->Label3->height() > oneLine);
    click(0);
    QCOMPARE(page()->Label3->height(), oneLine);
}

void TestPracticePage::imageIsTheLogoAtFullSize() {
    QLabel* image = m_f->find<QLabel>("Image1");
    QCOMPARE(image->pos(), QPoint(5, 42));
    QCOMPARE(image->pixmap().size(), QSize(171, 74));
    QCOMPARE(image->size(), QSize(171, 74));
}

void TestPracticePage::draggingShowsTheItemThatBecomesCurrent() {
    ListBox* list = page()->ListBox1;
    QCOMPARE(list->textElideMode(), Qt::ElideNone); // long items are cut off, not shortened
    list->scrollToTop();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QMouseEvent move(QEvent::MouseMove, list->visualItemRect(list->item(3)).center(),
                     list->viewport()->mapToGlobal(list->visualItemRect(list->item(3)).center()),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(3)).center());
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(page()->Label3->text(), list->item(3)->text());
    QCOMPARE(answerShown(), m_f->path("answers/4.html"));
    // The right button leaves the selection and the question as they are.
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(page()->Label3->text(), list->item(3)->text());
}
QTEST_MAIN(TestPracticePage)
#include "tst_practicepage.moc"
