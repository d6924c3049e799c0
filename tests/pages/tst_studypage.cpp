#include "pages/studypage.h"
#include "support/formfixture.h"
#include "widgets/htmlview.h"
#include "widgets/pagecontrol.h"
#include "widgets/picklist.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>

class TestStudyPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstChapterAtStart();
    void lastTitleOpensChapterTwentyOne();
    void arrowKeysOpenEachChapterOnce();
    void heldArrowKeyOpensOnlyWhereItStops_data();
    void heldArrowKeyOpensOnlyWhereItStops();
    void quickTypingExtendsThePrefix();
    void backspaceReloadsToTheTop();
    void switchingPagesKeepsThePlace();
    void droppedDownListChoosesAsItMoves();
    void closedFieldDrawsTheChosenItem();

private:
    StudyPage* page() const { return m_f->form->TabSheet2; }
    HtmlView* view() const { return page()->WebBrowser1; }
    void scrollDown() {
        view()->resize(729, 329);
        view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->maximum());
    }
    std::unique_ptr<FormFixture> m_f;
};

void TestStudyPage::init() {
    m_f = std::make_unique<FormFixture>();
    QByteArray longPage = "<h1>Chapter</h1>";
    for (int i = 0; i < 200; ++i)
        longPage += "<p>line</p>";
    for (int c = 1; c <= 21; ++c)
        FormFixture::writeFile(m_f->path(QStringLiteral("study/%1.html").arg(c)),
                               QByteArray("<p>Chapter ") + QByteArray::number(c) + "</p>" +
                                   longPage);
    m_f->start();
    page()->ComboBox1->setFocus(Qt::OtherFocusReason);
}

void TestStudyPage::cleanup() {
    m_f.reset();
}

void TestStudyPage::firstChapterAtStart() {
    QCOMPARE(page()->ComboBox1->currentText(), QStringLiteral("Message to Our Readers "));
    QCOMPARE(view()->currentPath(), m_f->path("study/1.html"));
}

void TestStudyPage::lastTitleOpensChapterTwentyOne() {
    QTest::keyClick(page()->ComboBox1, Qt::Key_End);
    QCOMPARE(page()->ComboBox1->currentIndex(), 20);
    QCOMPARE(view()->currentPath(), m_f->path("study/21.html"));
}

void TestStudyPage::arrowKeysOpenEachChapterOnce() {
    QSignalSpy loads(view(), &QTextBrowser::sourceChanged);
    for (int c = 2; c <= 5; ++c) {
        QTest::keyClick(page()->ComboBox1, Qt::Key_Down);
        QCOMPARE(view()->currentPath(), m_f->path(QStringLiteral("study/%1.html").arg(c)));
    }
    QCOMPARE(loads.size(), 4);
}

void TestStudyPage::heldArrowKeyOpensOnlyWhereItStops_data() {
    QTest::addColumn<bool>("dropped");
    QTest::newRow("closed field") << false;
    QTest::newRow("dropped-down list") << true;
}

void TestStudyPage::heldArrowKeyOpensOnlyWhereItStops() {
    QFETCH(bool, dropped);
    PickList* box = page()->ComboBox1;
    QWidget* target = box;
    if (dropped) {
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        target = box->view();
    }
    QSignalSpy loads(view(), &QTextBrowser::sourceChanged);
    // Repeats that came in while a chapter was loading arrive together: one load, at the end.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(target, &repeat);
    }
    QCOMPARE(loads.size(), 0);
    QTRY_COMPARE(view()->currentPath(), m_f->path("study/4.html"));
    // A key pressed anew comes after the held key's move.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &repeat);
    QTest::keyClick(target, Qt::Key_Up);
    QCOMPARE(view()->currentPath(), m_f->path("study/4.html"));
    QCOMPARE(box->currentIndex(), 3);
    QCOMPARE(loads.size(), 3);
}

void TestStudyPage::quickTypingExtendsThePrefix() {
    QTest::keyClicks(page()->ComboBox1, "the n");
    QCOMPARE(page()->ComboBox1->currentText(), QStringLiteral("The North "));
    QCOMPARE(view()->currentPath(), m_f->path("study/13.html"));
    // After a pause a key starts a new prefix.
    QTest::qWait(PickList::kSearchInterval + 50);
    QTest::keyClicks(page()->ComboBox1, "c");
    QCOMPARE(page()->ComboBox1->currentText(), QStringLiteral("Canada's History and Symbols "));
}

void TestStudyPage::backspaceReloadsToTheTop() {
    scrollDown();
    QVERIFY(view()->verticalScrollBar()->value() > 0);
    QTest::keyClick(page()->ComboBox1, Qt::Key_Backspace);
    QCOMPARE(page()->ComboBox1->currentIndex(), 0);
    QCOMPARE(view()->verticalScrollBar()->value(), 0);
}

void TestStudyPage::switchingPagesKeepsThePlace() {
    scrollDown();
    const int place = view()->verticalScrollBar()->value();
    QSignalSpy loads(view(), &QTextBrowser::sourceChanged);
    m_f->form->PageControl1->setCurrentIndex(1);
    m_f->form->PageControl1->setCurrentIndex(0);
    QCOMPARE(loads.size(), 0);
    QCOMPARE(view()->verticalScrollBar()->value(), place);
}

void TestStudyPage::droppedDownListChoosesAsItMoves() {
    PickList* box = page()->ComboBox1;
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    // Drawn in the selector's own font, not the application's.
    QCOMPARE(list->font().pixelSize(), box->font().pixelSize());
    QCOMPARE(list->font().family(), box->font().family());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(view()->currentPath(), m_f->path("study/2.html"));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(view()->currentPath(), m_f->path("study/21.html"));
    QTest::keyClicks(list, "the n");
    QCOMPARE(view()->currentPath(), m_f->path("study/13.html"));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentIndex(), 12);
}
// The title in the closed field is drawn as an item, highlighted while the selector has the focus.
void TestStudyPage::closedFieldDrawsTheChosenItem() {
    PickList* box = page()->ComboBox1;
    const auto highlighted = [box] {
        const QImage field = box->grab(QRect(4, 4, 200, 14)).toImage();
        int count = 0;
        for (int y = 0; y < field.height(); ++y)
            for (int x = 0; x < field.width(); ++x)
                count += field.pixel(x, y) == box->palette().color(QPalette::Highlight).rgb();
        return count > field.width() * field.height() / 3;
    };
    view()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!box->hasFocus() && !highlighted());
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(box->hasFocus() && highlighted());
}

QTEST_MAIN(TestStudyPage)
#include "tst_studypage.moc"
