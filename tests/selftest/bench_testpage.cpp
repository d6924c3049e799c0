// Not a test: times the advances and the completion of 178-question tests answered all wrong,
// so that the report lists every question. Each time covers the handler and the repaint it
// causes. The report view lays out what lies below its first screen later, in timer steps;
// that rest is timed apart, and finished before the next test so that it does not land in
// the next test's advances. tools/benchmark.sh runs it.
//   bench_testpage [tests]   (default 8: the first warms up and is not counted)
#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/htmlview.h"
#include "widgets/pagecontrol.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QAbstractTextDocumentLayout>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int kLength = 178;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The handler as the button runs it, then the posted layout and paint it leaves behind.
double timedClick(TForm1& form) {
    QElapsedTimer timer;
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
    QElapsedTimer timer;
    timer.start();
    page->WebBrowser3->document()->documentLayout()->documentSize(); // finishes the layout
    run.restOfReport = double(timer.nsecsElapsed()) / 1e6;
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
    std::printf("tests=%lld length=%d\n", qlonglong(worst.size()), kLength);
    std::printf("advance_median_ms=%.3f\n", median(typical));
    std::printf("advance_worst_ms=%.3f (highest %.3f)\n", median(worst),
                *std::max_element(worst.begin(), worst.end()));
    std::printf("completion_ms=%.3f (highest %.3f)\n", median(completion),
                *std::max_element(completion.begin(), completion.end()));
    std::printf("rest_of_report_layout_ms=%.3f (highest %.3f)\n", median(rest),
                *std::max_element(rest.begin(), rest.end()));
    return 0;
}
