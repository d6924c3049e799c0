#include "app/tform1.h"

#include "app/aboutpage.h"
#include "app/guidefinder.h"
#include "base/apperror.h"
#include "base/errortext.h"
#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "progress/historystore.h"
#include "progress/progresspage.h"
#include "selftest/testpage.h"
#include "widgets/conceal.h"
#include "widgets/errorbox.h"
#include "widgets/firstframe.h"
#include "widgets/focusbutton.h"
#include "widgets/htmlview.h"
#include "widgets/jpegimage.h"
#include "widgets/label.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"
#include "widgets/picklist.h"
#include "widgets/wheelguard.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <utility>

namespace {

// An edition's own pictures sit in the folder its pages do.
QImage builtInLogo(const QString& pageFolder) {
    QFile file(QStringLiteral(":/app/%1logo.jpg").arg(pageFolder));
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
    conceal::markContainer(this, conceal::Container::Window);
    setWindowTitle(tr("Orvane 1.3 (jan-feb.2003)"));
    setFont(controls::windowFont());
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setFixedSize(kClientSize);
    move(kPosition);

    // Only the Study Guide page is on the first screen; the other pages get their tabs now and
    // their controls right after the first frame (finishStartup). Built in the order of their
    // tabs, the controls take the same places in the focus chain as if built here.
    PageControl1 = new PageControl(this, "PageControl1", {4, 3, 748, 422});
    // The pages, in the order of their tabs. My Progress joins them once a test is completed.
    PageControl1->addTab(tr("Study Guide")); // its page: buildFirstScreen()
    addPageLater(TabSheet1, tr("Practice Section"), [this] {
        return new PracticePage(this, m_content.practiceList, builtInLogo(m_content.pageFolder),
                                m_content.pageFolder);
    });
    addPageLater(TabSheet4, tr("Test Yourself"), [this] {
        auto* page = new TestPage(this, m_content.bank, m_services.seed);
        page->setReportKept(m_services.reportKept);
        return page;
    });
    addPageLater(TabSheet3, tr("About"),
                 [this] { return new AboutPage(this, m_services.openUrl); });
    PageControl1->setCurrentIndex(0);
    PageControl1->setFocus(Qt::OtherFocusReason);
    afterFirstFrame(this, [this] { finishStartup(); });
}

template <class Page, class Build>
void TForm1::addPageLater(Page*& member, const QString& caption, Build build) {
    const int index = PageControl1->addTab(caption);
    m_later.push_back([this, &member, index, build] {
        member = build();
        PageControl1->setPage(index, member);
        member->ensurePolished(); // as showing the window polishes every control built before
    });
}

// The Study Guide page is the first screen, yet the window need not wait for it to be mapped:
// building it loads the fonts, a third of the start-up. It is built after the display has been
// asked to map the window and before the window returns to the event loop, which draws the
// first frame; its controls are created first among the pages, so the focus chain is as before.
void TForm1::buildFirstScreen() {
    if (TabSheet2)
        return;
    TabSheet2 = new StudyPage(this, m_content.chapters, m_content.pageFolder);
    PageControl1->setPage(0, TabSheet2);
}

void TForm1::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (!visible || TabSheet2)
        return;
    if (m_services.sendToDisplay)
        m_services.sendToDisplay();
    buildFirstScreen();
}

// Why this order is safe: until it has run, the user has seen only the Study Guide page, whose
// controls exist, and has given no input (afterFirstFrame runs it before the window's first
// input, and the activation event runs it before its own handler). The creation event still
// comes before the activation event, and nothing else reads the later pages.
void TForm1::finishStartup() {
    if (m_started)
        return;
    m_started = true;
    buildFirstScreen();
    // Every size, so that a dock or a task switcher need not blow up the 16 px picture. Each
    // picture is read and handed to the desktop as it is given: a tenth of the start-up, which
    // the first frame need not wait for; the desktop shows the icon as soon as it is set.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const bool inApp = size == 16 || size == 64;
        icon.addFile(inApp ? QStringLiteral(":/app/icon%1.png").arg(size)
                           : QStringLiteral(":/app/icons/%1x%1.png").arg(size),
                     QSize(size, size));
    }
    setWindowIcon(icon);
    for (const auto& build : std::exchange(m_later, {}))
        build();
    for (HtmlView* view : findChildren<HtmlView*>())
        view->setGuideFolder(m_services.guideFolder);
    wire();
    makeFinder();
    // The creation event: the Practice page is ready with question 1 before any input.
    dispatch(&TForm1::ListBox1Click);
    // Only now is the history looked at: opening it loads the database driver, which the first
    // frame must not wait for.
    if (!TabSheet5 && m_services.history && m_services.history->hasCompletedTest())
        showProgress();
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
    wheelOnlyWhenFocused({TabSheet2->ComboBox1, TabSheet4->ComboBox2});
    ignoreWheel(PageControl1->tabBar());
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
    TabSheet5 = new ProgressPage(
        this, *m_services.history, m_content.bank, m_content.chapters,
        [this](const std::function<void()>& step) { dispatch(step); }, {}, m_services.seed);
    PageControl1->addPage(TabSheet5, tr("My Progress"));
    connect(TabSheet5, &ProgressPage::chapterChosen, this, &TForm1::openChapter);
    connect(TabSheet5, &ProgressPage::answerPageChosen, this, &TForm1::openAnswer);
    connect(TabSheet5, &ProgressPage::testYourselfChosen, this,
            [this] { PageControl1->setCurrentPage(TabSheet4); });
}

// A result of the guide search opens as choosing its chapter or question would; an answer is
// then shown, as the learner would ask for it there.
void TForm1::makeFinder() {
    GuideFinder::Services services;
    services.readPage = [view = TabSheet2->WebBrowser1](const QString& path) {
        return view->readPage(path);
    };
    services.openChapter = [this](int chapter) {
        openChapter(chapter);
        return TabSheet2->WebBrowser1;
    };
    services.openAnswer = [this](int practice) {
        openAnswer(practice);
        return TabSheet1->WebBrowser2;
    };
    m_finder = new GuideFinder(this, PageControl1, m_content, std::move(services));
}

// As choosing the chapter in the Study Guide's list would: a new choice runs the handler
// through the list's change, the chapter already chosen runs it again.
void TForm1::openChapter(int chapter) {
    PageControl1->setCurrentPage(TabSheet2);
    if (TabSheet2->ComboBox1->currentIndex() == chapter - 1)
        dispatch(&TForm1::ComboBox1Change);
    else
        TabSheet2->ComboBox1->setCurrentIndex(chapter - 1);
}

// As choosing the question in the Practice list and asking for its answer would.
void TForm1::openAnswer(int practice) {
    PageControl1->setCurrentPage(TabSheet1);
    if (TabSheet1->ListBox1->currentRow() == practice - 1)
        dispatch(&TForm1::ListBox1Click);
    else
        TabSheet1->ListBox1->setCurrentRow(practice - 1);
    dispatch(&TForm1::BitBtn1Click);
}

void TForm1::dispatch(Handler handler) {
    dispatch([this, handler] { (this->*handler)(); });
}

void TForm1::dispatch(const std::function<void()>& step) {
    QString message;
    try {
        step();
        return;
    } catch (const AppError& error) {
        message = errorMessage(error.error());
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
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        finishStartup(); // the creation event comes first
        dispatch(&TForm1::ComboBox1Change);
    }
    return result;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // With no control focused (after Start and after each Submit) the answer keys reach the
    // window; they belong to the test page.
    Page* page = PageControl1->currentPage();
    if (page && page->answerKey(event))
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
