// Not a test: times the guide search as the learner uses it, in a window working on a copy of
// the guide: the index, built in turns after the first frame (the longest turn, and all of
// them), and each keystroke typed into the search, up to the list of results repainted. Times
// are the process's time on the CPU. tools/benchmark.sh runs it.
//   bench_guidesearch guide-folder [rounds]   (default 8 rounds; the first warms up)
#include "app/guidefinder.h"
#include "pages/studypage.h"
#include "support/formfixture.h"
#include "widgets/htmlview.h"
#include "widgets/searchpanel.h"

#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <time.h>

namespace {

qint64 cpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Round {
    double indexTotal = 0;
    double indexTurn = 0;
    double keyWorst = 0;
};

Round round(const QString& guide) {
    FormFixture fixture;
    QDirIterator files(guide, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        QDir().mkpath(QFileInfo(fixture.path(QDir(guide).relativeFilePath(file))).path());
        QFile::copy(file, fixture.path(QDir(guide).relativeFilePath(file)));
    }
    TForm1& form = fixture.start();
    GuideFinder* finder = form.finder();
    Round round;
    // The turns left after start-up; start-up itself may have taken some.
    while (!finder->indexed()) {
        const qint64 start = cpuNow();
        QCoreApplication::processEvents();
        round.indexTurn = std::max(round.indexTurn, double(cpuNow() - start) / 1e6);
    }
    // The whole index, once more, in one go.
    const qint64 start = cpuNow();
    GuideIndex index;
    for (const GuideIndex::PageRef& page : GuideIndex::pagesOf(fixture.content))
        index.add(page, form.TabSheet2->WebBrowser1->readPage(page.relativePath));
    round.indexTotal = double(cpuNow() - start) / 1e6;
    finder->searchGuide();
    auto* text = form.findChild<QLineEdit*>(QStringLiteral("SearchText"));
    QCoreApplication::processEvents();
    // A single letter matches most often; names and phrases are what learners look for.
    for (const QString& words :
         {QStringLiteral("e"), QStringLiteral("metis"), QStringLiteral("lieutenant governor"),
          QStringLiteral("the governor general")}) {
        text->clear();
        QCoreApplication::processEvents();
        for (const QChar c : words) {
            const qint64 start = cpuNow();
            QTest::keyClick(text, c.toLatin1());
            QCoreApplication::processEvents();
            round.keyWorst = std::max(round.keyWorst, double(cpuNow() - start) / 1e6);
        }
    }
    if (finder->searchPanel()->resultCount() == 0)
        qFatal("the guide search found nothing: no guide in %s?", qPrintable(guide));
    return round;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_guidesearch guide-folder [rounds]");
    const QString guide = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const int rounds = argc > 2 ? std::max(2, std::atoi(argv[2])) : 8;
    QList<double> totals, turns, keys;
    for (int r = 0; r < rounds; ++r) {
        const Round measured = round(guide);
        if (r == 0)
            continue;
        totals << measured.indexTotal;
        turns << measured.indexTurn;
        keys << measured.keyWorst;
    }
    std::printf("search_index_total_ms=%.3f\n", median(totals));
    std::printf("search_index_turn_worst_ms=%.3f (highest %.3f)\n", median(turns),
                *std::max_element(turns.begin(), turns.end()));
    std::printf("search_key_worst_ms=%.3f (highest %.3f)\n", median(keys),
                *std::max_element(keys.begin(), keys.end()));
    return 0;
}
