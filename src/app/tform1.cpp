#include "app/tform1.h"

#include "app/aboutpage.h"
#include "base/apperror.h"
#include "base/errortext.h"
#include "pages/practicepage.h"
#include "pages/studypage.h"
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

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <utility>

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
    setWindowIcon(QIcon(QStringLiteral(":/app/icon16.png")));
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
    TabSheet2 = new StudyPage(this, m_content.chapters);
    PageControl1->addPage(TabSheet2, QStringLiteral("Study Guide"));
    addPageLater(TabSheet1, QStringLiteral("Practice Section"), [this] {
        return new PracticePage(this, m_content.practiceList, builtInLogo());
    });
    addPageLater(TabSheet4, QStringLiteral("Test Yourself"),
                 [this] { return new TestPage(this, m_content.bank, m_services.seed); });
    addPageLater(TabSheet3, QStringLiteral("About"),
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

// Why this order is safe: until it has run, the user has seen only the Study Guide page, whose
// controls exist, and has given no input (afterFirstFrame runs it before the window's first
// input, and the activation event runs it before its own handler). The creation event still
// comes before the activation event, and nothing else reads the later pages.
void TForm1::finishStartup() {
    if (m_started)
        return;
    m_started = true;
    for (const auto& build : std::exchange(m_later, {}))
        build();
    for (HtmlView* view : findChildren<HtmlView*>())
        view->setGuideFolder(m_services.guideFolder);
    wire();
    // The creation event: the Practice page is ready with question 1 before any input.
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
    if (PageControl1->currentPage() == TabSheet4 && TabSheet4->answerKey(event))
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
