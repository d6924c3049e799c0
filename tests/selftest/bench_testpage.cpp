// Not a test: times each advance, the completion and the report write of a 178-question test.
// tools/benchmark.sh runs it.
#include "content/questionbank.h"
#include "selftest/testpage.h"
#include "support/formfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FormFixture fixture;
    TForm1& form = fixture.start();
    TestPage* page = form.TabSheet4;
    page->ComboBox2->setEditText(QStringLiteral("178"));
    form.dispatch(&TForm1::Button2Click);
    form.dispatch(&TForm1::Button1Click);
    QList<double> advances;
    double last = 0;
    QElapsedTimer timer;
    for (int k = 1; k <= 178; ++k) {
        page->RadioButton2->setChecked(true);
        timer.start();
        form.dispatch(&TForm1::Button2Click);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (k < 178)
            advances << ms;
        else
            last = ms;
    }
    std::sort(advances.begin(), advances.end());
    std::printf("advance: median %.3f ms, worst %.3f ms over %lld advances\n",
                advances[advances.size() / 2], advances.last(), qlonglong(advances.size()));
    std::printf("last advance with completion, report build, write and display: %.3f ms\n", last);
    std::printf("errors shown: %lld\n", qlonglong(fixture.errors.shown.size()));
    return 0;
}
