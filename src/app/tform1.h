#pragma once

#include "content/content.h"
#include "selftest/randomdraw.h"
#include "widgets/zelurllabel.h"

#include <QWidget>

#include <functional>
#include <vector>

class AboutPage;
class GuideFinder;
class ErrorBox;
class HistoryStore;
class ProgressPage;
struct FinishedTest;
class PageControl;
class PracticePage;
class StudyPage;
class TestPage;

// What the window is given from outside, so that tests can control it.
struct FormServices {
    ErrorBox* errorBox = nullptr; // not owned
    RandomDraw::SeedSource seed;
    UrlOpener openUrl;
    // The installed guide pages, which the views may read besides the working folder; empty
    // where the working folder holds the pages itself.
    QString guideFolder;
    // The record of tests and drills (not owned); none: no history and no My Progress page.
    HistoryStore* history = nullptr;
    // Whether the working folder may receive the report; where the user has no folder of their
    // own, the test still runs, and its end says that the report cannot be saved.
    bool reportKept = true;
    // Sends what the window has asked of the display so far (being shown) at once; none:
    // nothing to send.
    std::function<void()> sendToDisplay = {};
};

// The main window. It builds the four pages, holds the wiring of every control event to its
// handler, and runs each handler through one dispatch point that turns errors into the error
// box. The handlers' logic lives with their pages.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{757, 427};
    static constexpr QPoint kPosition{262, 221};

    TForm1(Content content, FormServices services);
    ~TForm1() override;

    void ListBox1Click();
    void BitBtn1Click();
    void ComboBox1Change();
    void Button2Click();
    void Button1Click();
    void Button3Click();
    void ComboBox2Change();

    // Builds the pages the first screen does not show and raises the creation event, unless
    // that is done already. The window does it itself right after its first frame, before any
    // input; a test that looks at those pages before the window is shown calls it first.
    void finishStartup();
    // Builds the Study Guide page, unless that is done already. The window does it itself as it
    // is shown, once the display has been asked to show it and before anything is drawn.
    void buildFirstScreen();
    void setVisible(bool visible) override;

    using Handler = void (TForm1::*)();
    // Runs a handler; an error it raises ends it there and goes to the error box.
    void dispatch(Handler handler);
    void dispatch(const std::function<void()>& step);

    PageControl* PageControl1 = nullptr;
    StudyPage* TabSheet2 = nullptr;
    // Built by finishStartup(), after the first frame.
    PracticePage* TabSheet1 = nullptr;
    TestPage* TabSheet4 = nullptr;
    AboutPage* TabSheet3 = nullptr;
    // My Progress: made once a completed test exists, this run or an earlier one.
    ProgressPage* TabSheet5 = nullptr;
    // Ctrl+F and Ctrl+Shift+F; made with the later pages.
    GuideFinder* finder() const { return m_finder; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Gives a page its tab at once and builds it in finishStartup().
    template <class Page, class Build>
    void addPageLater(Page*& member, const QString& caption, Build build);
    void wire();
    void recordTest(const FinishedTest& test);
    void showProgress();
    void makeFinder();
    void openChapter(int chapter);
    void openAnswer(int practice);

    Content m_content;
    FormServices m_services;
    bool m_activated = false;
    std::vector<std::function<void()>> m_later; // the pages to build, in the order of their tabs
    bool m_started = false;
    GuideFinder* m_finder = nullptr;
};
