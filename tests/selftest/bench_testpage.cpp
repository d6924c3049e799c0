// Not a test: times what one keystroke sets off, each time covering the handler and the repaint
// it causes: a change of chapter (all 21, in a fresh window each round, so that every chapter
// is a first visit), a change of practice item (every answer page), and the advances and the
// completion of 178-question tests answered all wrong, so that the report lists every
// question. The report view lays out what lies below its first screen later, in timer steps;
// that rest is timed apart, and finished before the next test so that it does not land in
// the next test's advances. Times are the process's time on the CPU, so that other work on a
// shared machine does not count; alone on a machine, that is the time the user waits.
// tools/benchmark.sh runs it.
//   bench_testpage [rounds] [guide-folder]   (default 8 rounds: the first warms up and is not
//   counted; without the guide's pages the chapters and answers are not timed)
#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/htmlview.h"
#include "widgets/listbox.h"
#include "widgets/pagecontrol.h"
#include "widgets/picklist.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <time.h>

namespace {

constexpr int kLength = 178;

class CpuTimer {
public:
    void start() { m_start = now(); }
    qint64 nsecsElapsed() const { return now() - m_start; }

private:
    static qint64 now() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }
    qint64 m_start = 0;
};

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A change made as the user's key makes it, up to the page it loads and the repaint it leaves.
double timedLoad(HtmlView* view, const QString& path, const std::function<void()>& change) {
    CpuTimer timer;
    timer.start();
    change();
    while (view->currentPath() != path)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The longest the window is held by the work a load leaves behind (the layout below the first
// screen): a key pressed meanwhile waits that long.
double longestLaterStep(int forMs) {
    QElapsedTimer timer;
    timer.start();
    double longest = 0;
    while (timer.elapsed() < forMs) {
        CpuTimer step;
        step.start();
        QCoreApplication::processEvents();
        longest = std::max(longest, double(step.nsecsElapsed()) / 1e6);
    }
    return longest;
}

struct Pages {
    double worstChapter = 0;
    double worstLaterStep = 0;
    double worstAnswer = 0;
};

// Every chapter and every answer page once, in a fresh window working on a copy of the guide.
Pages timePages(const QString& guide) {
    FormFixture fixture;
    QDirIterator files(guide, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        QFile::copy(file, fixture.path(QDir(guide).relativeFilePath(file)));
    }
    TForm1& form = fixture.start();
    Pages pages;
    StudyPage* study = form.TabSheet2;
    for (int chapter :
         {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 1}) {
        const double ms = timedLoad(study->WebBrowser1,
                                    fixture.path(QStringLiteral("study/%1.html").arg(chapter)),
                                    [&] { study->ComboBox1->setCurrentIndex(chapter - 1); });
        pages.worstChapter = std::max(pages.worstChapter, ms);
        pages.worstLaterStep = std::max(pages.worstLaterStep, longestLaterStep(100));
    }
    form.PageControl1->setCurrentIndex(1);
    PracticePage* practice = form.TabSheet1;
    for (int item = 2; item <= 197; ++item) {
        const double ms = timedLoad(practice->WebBrowser2,
                                    fixture.path(QStringLiteral("answers/%1.html").arg(item)),
                                    [&] { practice->ListBox1->setCurrentRow(item - 1); });
        pages.worstAnswer = std::max(pages.worstAnswer, ms);
    }
    return pages;
}

// The handler as the button runs it, then the posted layout and paint it leaves behind.
double timedClick(TForm1& form) {
    CpuTimer timer;
    timer.start();
    form.dispatch(&TForm1::Button2Click);
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Run {
    double worstAdvance = 0;
    double medianAdvance = 0;
    double completion = 0;
    double restOfReport = 0;
};

Run runTest(FormFixture& fixture, std::mt19937& seeds) {
    TForm1& form = *fixture.form;
    TestPage* page = form.TabSheet4;
    QRadioButton* options[] = {page->RadioButton1, page->RadioButton2, page->RadioButton3,
                               page->RadioButton4};
    // Start, as the button does it: focus draws question 1, the click starts the test.
    form.dispatch(&TForm1::Button2Click);
    form.dispatch(&TForm1::Button1Click);
    QCoreApplication::processEvents();
    QList<double> advances;
    Run run;
    for (int k = 1; k <= kLength; ++k) {
        const TestState& s = page->state();
        const int correct = s.CorrectAnswers[s.QuestionNumber];
        if (correct < 1 || correct > 4)
            qFatal("question %d has no correct option 1 to 4 (%d)", s.QuestionNumber, correct);
        options[correct % 4]->setChecked(true); // the option after the correct one: wrong
        // A new seed for every draw, as the clock gives the program: a fixed one would make
        // each draw walk the same sequence past every question already asked.
        fixture.seed = std::uint32_t(seeds());
        const double ms = timedClick(form);
        if (k < kLength)
            advances << ms;
        else
            run.completion = ms;
    }
    // The rest of the report, read in pieces in later turns: the longest turn.
    while (page->WebBrowser3->isReading()) {
        CpuTimer step;
        step.start();
        QCoreApplication::processEvents();
        run.restOfReport = std::max(run.restOfReport, double(step.nsecsElapsed()) / 1e6);
    }
    CpuTimer timer;
    timer.start();
    page->WebBrowser3->document()->documentLayout()->documentSize(); // finishes the layout
    run.restOfReport = std::max(run.restOfReport, double(timer.nsecsElapsed()) / 1e6);
    run.worstAdvance = *std::max_element(advances.begin(), advances.end());
    run.medianAdvance = median(advances);
    if (page->state().QuestionNumber != 0 || page->state().CorrectCount != 0)
        qFatal("the test did not end all wrong (question %d, %d correct)",
               page->state().QuestionNumber, page->state().CorrectCount);
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int tests = argc > 1 ? std::max(2, std::atoi(argv[1])) : 8;
    const QString guide = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QList<double> chapters, laterSteps, answers;
    for (int t = 0; t < tests && !guide.isEmpty(); ++t) {
        const Pages pages = timePages(guide);
        if (t == 0)
            continue;
        chapters << pages.worstChapter;
        laterSteps << pages.worstLaterStep;
        answers << pages.worstAnswer;
    }
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.PageControl1->setCurrentIndex(2); // the clicks land on the page the user sees
    form.TabSheet4->ComboBox2->setEditText(QString::number(kLength));
    QCoreApplication::processEvents();

    std::mt19937 seeds(20030101);
    QList<double> worst, typical, completion, rest;
    for (int t = 0; t < tests; ++t) {
        const Run run = runTest(fixture, seeds);
        if (t == 0)
            continue;
        worst << run.worstAdvance;
        typical << run.medianAdvance;
        completion << run.completion;
        rest << run.restOfReport;
    }
    if (!fixture.errors.shown.isEmpty())
        qFatal("the window showed an error: %s", qPrintable(fixture.errors.shown.first()));
    // Medians over the tests; the highest is there to show how noisy the machine was.
    if (!chapters.isEmpty()) {
        std::printf("chapter_worst_ms=%.3f (highest %.3f)\n", median(chapters),
                    *std::max_element(chapters.begin(), chapters.end()));
        std::printf("chapter_later_step_worst_ms=%.3f (highest %.3f)\n", median(laterSteps),
                    *std::max_element(laterSteps.begin(), laterSteps.end()));
        std::printf("practice_worst_ms=%.3f (highest %.3f)\n", median(answers),
                    *std::max_element(answers.begin(), answers.end()));
    }
    std::printf("tests=%lld length=%d\n", qlonglong(worst.size()), kLength);
    std::printf("advance_median_ms=%.3f\n", median(typical));
    std::printf("advance_worst_ms=%.3f (highest %.3f)\n", median(worst),
                *std::max_element(worst.begin(), worst.end()));
    std::printf("completion_ms=%.3f (highest %.3f)\n", median(completion),
                *std::max_element(completion.begin(), completion.end()));
    std::printf("rest_of_report_worst_step_ms=%.3f (highest %.3f)\n", median(rest),
                *std::max_element(rest.begin(), rest.end()));
    return 0;
}
