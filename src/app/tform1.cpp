#include "app/tform1.h"

#include "app/aboutpage.h"
#include "base/apperror.h"
#include "base/errortext.h"
#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "progress/historystore.h"
#include "progress/progresspage.h"
#include "selftest/testpage.h"
#include "widgets/conceal.h"
#include "widgets/errorbox.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/jpegimage.h"
#include "widgets/label.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"
#include "widgets/picklist.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

QImage builtInLogo() {
    QFile file(QStringLiteral(":/app/logo.jpg"));
    return file.open(QIODevice::ReadOnly) ? decodeJpeg(file.readAll()) : QImage();
}

} // namespace

TForm1::TForm1(Content content, FormServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_content(std::move(content)), m_services(std::move(services)) {
    controls::installFontSubstitutes();
    conceal::installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvane 1.3 (jan-feb.2003)"));
    // Every size, so that a dock or a task switcher need not blow up the 16 px picture.
    // Given with their sizes, the pictures are read only when the desktop asks for them.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const bool inApp = size == 16 || size == 64;
        icon.addFile(inApp ? QStringLiteral(":/app/icon%1.png").arg(size)
                           : QStringLiteral(":/app/icons/%1x%1.png").arg(size),
                     QSize(size, size));
    }
    setWindowIcon(icon);
    setFont(controls::windowFont());
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setFixedSize(kClientSize);
    move(kPosition);

    PageControl1 = new PageControl(this, "PageControl1", {4, 3, 748, 422});
    TabSheet2 = new StudyPage(this, m_content.chapters);
    TabSheet1 = new PracticePage(this, m_content.practiceList, builtInLogo());
    TabSheet4 = new TestPage(this, m_content.bank, m_services.seed);
    TabSheet3 = new AboutPage(this, m_services.openUrl);
    PageControl1->addPage(TabSheet2, QStringLiteral("Study Guide"));
    PageControl1->addPage(TabSheet1, QStringLiteral("Practice Section"));
    PageControl1->addPage(TabSheet4, QStringLiteral("Test Yourself"));
    PageControl1->addPage(TabSheet3, QStringLiteral("About"));
    PageControl1->setCurrentIndex(0);
    PageControl1->setFocus(Qt::OtherFocusReason);

    for (HtmlView* view : findChildren<HtmlView*>())
        view->setGuideFolder(m_services.guideFolder);
    wire();
    // The creation event: the Practice page is ready with question 1 before the first show.
    dispatch(&TForm1::ListBox1Click);
}

TForm1::~TForm1() = default;

void TForm1::wire() {
    const auto run = [this](Handler handler) { return [this, handler] { dispatch(handler); }; };
    connect(TabSheet2->ComboBox1, &QComboBox::currentIndexChanged, this,
            run(&TForm1::ComboBox1Change));
    connect(TabSheet2->ComboBox1, &PickList::chosenAgain, this, run(&TForm1::ComboBox1Change));
    connect(TabSheet1->ListBox1, &ListBox::chosen, this, run(&TForm1::ListBox1Click));
    connect(TabSheet1->BitBtn1, &QPushButton::clicked, this, run(&TForm1::BitBtn1Click));
    connect(TabSheet4->ComboBox2, &QComboBox::editTextChanged, this, run(&TForm1::ComboBox2Change));
    connect(TabSheet4->Button1, &QPushButton::clicked, this, run(&TForm1::Button1Click));
    connect(TabSheet4->Button1, &FocusButton::focusEntered, this, run(&TForm1::Button2Click));
    connect(TabSheet4->Button2, &QPushButton::clicked, this, run(&TForm1::Button2Click));
    connect(TabSheet4->Button3, &QPushButton::clicked, this, run(&TForm1::Button3Click));
    connect(TabSheet4, &TestPage::testEnded, this, &TForm1::recordTest);
}

void TForm1::recordTest(const FinishedTest& test) {
    if (!m_services.history)
        return;
    m_services.history->recordTest(test);
    if (!test.endedEarly || TabSheet5)
        showProgress();
}

void TForm1::showProgress() {
    if (TabSheet5) {
        TabSheet5->refresh();
        return;
    }
    TabSheet5 = new ProgressPage(this, *m_services.history, m_content.bank, m_content.chapters);
    PageControl1->addPage(TabSheet5, QStringLiteral("My Progress"));
    // As choosing the chapter in the Study Guide's list would: a new choice runs the handler
    // through the list's change, the chapter already chosen runs it again.
    connect(TabSheet5, &ProgressPage::chapterChosen, this, [this](int chapter) {
        PageControl1->setCurrentIndex(0);
        if (TabSheet2->ComboBox1->currentIndex() == chapter - 1)
            dispatch(&TForm1::ComboBox1Change);
        else
            TabSheet2->ComboBox1->setCurrentIndex(chapter - 1);
    });
    connect(TabSheet5, &ProgressPage::answerPageChosen, this, [this](int practice) {
        PageControl1->setCurrentIndex(1);
        if (TabSheet1->ListBox1->currentRow() == practice - 1)
            dispatch(&TForm1::ListBox1Click);
        else
            TabSheet1->ListBox1->setCurrentRow(practice - 1);
        dispatch(&TForm1::BitBtn1Click);
    });
    connect(TabSheet5, &ProgressPage::testYourselfChosen, this,
            [this] { PageControl1->setCurrentIndex(2); });
}

void TForm1::dispatch(Handler handler) {
    QString message;
    try {
        (this->*handler)();
        return;
    } catch (const AppError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    if (!m_services.errorBox)
        return;
    // Showing the box can fail too (out of memory); nothing may escape into Qt's event loop.
    try {
        m_services.errorBox->show(errorBoxText(message));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvane: %s\n", error.what());
    }
}

bool TForm1::event(QEvent* event) {
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::Show && !m_activated && !isActiveWindow())
        activateWindow(); // showing a window activates it, as on any desktop
    // The history is looked at only once the window is on the screen: opening it loads the
    // database driver, which a start-up must not wait for.
    if (event->type() == QEvent::Paint && !m_historyLooked && m_services.history) {
        m_historyLooked = true;
        QTimer::singleShot(0, this, [this] {
            if (!TabSheet5 && m_services.history->hasCompletedTest())
                showProgress();
        });
    }
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        dispatch(&TForm1::ComboBox1Change);
    }
    return result;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // With no control focused (after Start and after each Submit) the answer keys reach the
    // window; they belong to the test page.
    if (PageControl1->currentPage() == TabSheet4 && TabSheet4->answerKey(event))
        return;
    if (TabSheet5 && PageControl1->currentPage() == TabSheet5 && TabSheet5->answerKey(event))
        return;
    QWidget::keyPressEvent(event);
}

void TForm1::ListBox1Click() {
    TabSheet1->ListBox1Click();
}
void TForm1::BitBtn1Click() {
    TabSheet1->BitBtn1Click();
}
void TForm1::ComboBox1Change() {
    TabSheet2->ComboBox1Change();
}
void TForm1::Button2Click() {
    TabSheet4->Button2Click();
}
void TForm1::Button1Click() {
    TabSheet4->Button1Click();
}
void TForm1::Button3Click() {
    TabSheet4->Button3Click();
}
void TForm1::ComboBox2Change() {
    TabSheet4->ComboBox2Change();
}
