#include "app/aboutpage.h"
#include "support/formfixture.h"
#include "widgets/label.h"
#include "widgets/pagecontrol.h"

#include <QEnterEvent>
#include <QFrame>

namespace {

QFont face(const char* family, int pixelSize, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage rgb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestAboutPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsAreCreatedInPaintOrderAndTakeNoFocus();
    void labels_data();
    void labels();
    void headingBandShowsOnlyLabel16();
    void noticeWrapsAboveTheRule();
    void linkHandsOverItsAddress_data();
    void linkHandsOverItsAddress();
    void hoveringALinkChangesNothingButTheCursor_data();
    void hoveringALinkChangesNothingButTheCursor();

private:
    AboutPage* page() const { return m_f->form->TabSheet3; }
    std::unique_ptr<FormFixture> m_f;
};

void TestAboutPage::init() {
    m_f = std::make_unique<FormFixture>();
    m_f->start();
    m_f->form->PageControl1->setCurrentIndex(3);
    QCOMPARE(m_f->form->PageControl1->currentPage(), page());
}

void TestAboutPage::cleanup() {
    m_f.reset();
}

void TestAboutPage::controlsAreCreatedInPaintOrderAndTakeNoFocus() {
    QStringList names;
    for (QObject* child : page()->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            names << widget->objectName();
            // Only the links take the focus, and only from the keyboard.
            QCOMPARE(widget->focusPolicy(),
                     qobject_cast<TZelUrlLabel*>(widget) ? Qt::TabFocus : Qt::NoFocus);
        }
    }
    QCOMPARE(names, QStringList({"Bevel1", "Label7", "Label8", "ZelUrlLabel1", "ZelUrlLabel2",
                                 "Label11", "Label13", "Label14", "Label15", "Label16", "Label30",
                                 "Label39", "Label40", "Bevel4", "ZelUrlLabel4"}));
    for (const char* name : {"Bevel1", "Bevel4"})
        QCOMPARE(m_f->find<QFrame>(name)->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(m_f->find<QFrame>("Bevel1")->geometry(), QRect(56, 96, 641, 241));
    QCOMPARE(m_f->find<QFrame>("Bevel4")->geometry(), QRect(56, 195, 641, 2));
}

void TestAboutPage::labels_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("autoSized");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("background"); // invalid: the page's colour

    const QFont navy = face("Verdana", 9, true);
    const QFont window = face("MS Sans Serif", 11, false);
    const QFont heading = face("MS Sans Serif", 13, true);
    const QColor clNavy(0x00, 0x00, 0x80);
    const QColor clRed(0xFF, 0x00, 0x00);
    const QColor clWindowText; // the page's text colour
    const QColor page;
    QTest::newRow("Label7") << "Used Materials :" << QRect(75, 228, 80, 12) << true << navy
                            << clNavy << page;
    QTest::newRow("Label8") << "Contact Us :" << QRect(91, 269, 61, 12) << true << navy << clNavy
                            << page;
    QTest::newRow("ZelUrlLabel1") << "support@example.org" << QRect(163, 268, 121, 13) << false
                                  << window << clRed << page;
    QTest::newRow("ZelUrlLabel2") << "www.example.org/orvane" << QRect(294, 268, 129, 13) << false
                                  << window << clRed << page;
    QTest::newRow("Label11") << "Developed by: the Orvane team" << QRect(290, 30, 151, 13) << true
                             << window << clWindowText << page;
    QTest::newRow("Label13")
        << "- Booklet: A Look at Canada, Citizenship and Immigration Canada, Ottawa, 2002"
        << QRect(162, 228, 469, 13) << true << window << clWindowText << page;
    QTest::newRow("Label14") << "- Internet Resources" << QRect(162, 243, 96, 13) << true << window
                             << clWindowText << page;
    QTest::newRow("Label15") << "Orvane" << QRect(2, 4, 727, 17) << false << heading << clRed
                             << QColor(Qt::white);
    QTest::newRow("Label16") << "Orvane 1.3 (jan-feb.2003)" << QRect(5, 4, 727, 17) << false
                             << heading << clRed << QColor(Qt::white);
    QTest::newRow("Label30") << "Upgrades at :" << QRect(88, 296, 67, 12) << true << navy << clNavy
                             << page;
    QTest::newRow("Label39")
        << "This practice test consists of 178 multiple choice questions, including some that are "
           "specific to Ontario. I hope everyone of you understands, that it's hard task for to "
           "keep all Ontario political informations updated regularly. So, if in case you'll find "
           "that some answers are already outdated, please let us know by email. Also, for those "
           "who live outside of Ontario: please contact your local public library for information "
           "related to your area."
        << QRect(64, 112, 624, 65) << false << face("MS Sans Serif", 11, true) << QColor(Qt::white)
        << QColor(0x80, 0x00, 0x00);
    QTest::newRow("Label40") << "IMPORTANT :" << QRect(75, 98, 69, 12) << true << navy << clNavy
                             << page;
    QTest::newRow("ZelUrlLabel4") << "www.example.org/orvane" << QRect(165, 296, 129, 13) << false
                                  << window << clRed << page;
}

void TestAboutPage::labels() {
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(bool, autoSized);
    QFETCH(QFont, font);
    QFETCH(QColor, color);
    QFETCH(QColor, background);
    auto* label = m_f->find<QLabel>(QTest::currentDataTag());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), geometry.topLeft());
    if (autoSized)
        QCOMPARE(label->size(), label->sizeHint());
    else if (!label->wordWrap())
        QCOMPARE(label->size(), geometry.size());
    QCOMPARE(label->font().family(), font.family());
    QCOMPARE(label->font().pixelSize(), font.pixelSize());
    QCOMPARE(label->font().bold(), font.bold());
    QVERIFY(!label->font().underline());
    QCOMPARE(label->palette().color(QPalette::WindowText),
             color.isValid() ? color : page()->palette().color(QPalette::WindowText));
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::Window),
             background.isValid() ? background : page()->palette().color(QPalette::Window));
}

void TestAboutPage::headingBandShowsOnlyLabel16() {
    const QImage shot = rgb(page()->grab());
    QCOMPARE(shot.copy(m_f->find<QLabel>("Label16")->geometry()),
             rgb(m_f->find<QLabel>("Label16")->grab()));
    for (int x = 2; x <= 4; ++x)
        for (int y = 4; y <= 20; ++y)
            QCOMPARE(QColor(shot.pixel(x, y)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(1, 10)), page()->palette().color(QPalette::Window));
}

void TestAboutPage::noticeWrapsAboveTheRule() {
    auto* notice = m_f->find<QLabel>("Label39");
    QVERIFY(notice->wordWrap());
    QCOMPARE(notice->width(), 624);
    QCOMPARE(notice->height(), notice->heightForWidth(624));
    QVERIFY(notice->height() >= 4 * notice->fontMetrics().lineSpacing());
    QVERIFY(notice->geometry().bottom() < m_f->find<QFrame>("Bevel4")->y());
}

void TestAboutPage::linkHandsOverItsAddress_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QUrl>("opened");
    QTest::newRow("ZelUrlLabel1") << "mailto:support@example.org"
                                  << QUrl("mailto:support@example.org");
    QTest::newRow("ZelUrlLabel2") << "www.example.org/orvane"
                                  << QUrl("http://www.example.org/orvane");
    QTest::newRow("ZelUrlLabel4") << "www.example.org/orvane"
                                  << QUrl("http://www.example.org/orvane");
}

void TestAboutPage::linkHandsOverItsAddress() {
    QFETCH(QString, url);
    QFETCH(QUrl, opened);
    auto* link = m_f->find<TZelUrlLabel>(QTest::currentDataTag());
    QCOMPARE(link->Url(), url);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_f->opened, QList<QUrl>{opened});
}

void TestAboutPage::hoveringALinkChangesNothingButTheCursor_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"ZelUrlLabel1", "ZelUrlLabel2", "ZelUrlLabel4"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAboutPage::hoveringALinkChangesNothingButTheCursor() {
    QFETCH(QString, name);
    auto* link = m_f->find<TZelUrlLabel>(qPrintable(name));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    const QImage plain = rgb(link->grab());
    const QRect geometry = link->geometry();

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(link, &enter);
    QCOMPARE(rgb(link->grab()), plain);
    QCOMPARE(link->geometry(), geometry);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    QCOMPARE(rgb(link->grab()), plain);
    QCOMPARE(link->Caption(), link->HoverCaption());
}

QTEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
