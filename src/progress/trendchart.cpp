#include "progress/trendchart.h"

#include "selftest/testrules.h"
#include "widgets/focusframe.h"
#include "widgets/label.h"

#include <QPainter>

#include <cmath>

TrendChart::TrendChart(QWidget* parent, QRect geometry) : QWidget(parent) {
    setObjectName(QStringLiteral("TrendChart"));
    setGeometry(geometry);
    // A stop on the Tab chain, so that a screen reader can read what the bars show.
    setFocusPolicy(Qt::TabFocus);
}

double TrendChart::average(const QList<HistoryStore::Test>& tests) {
    double sum = 0.0;
    int counted = 0;
    for (auto it = tests.crbegin(); it != tests.crend() && counted < kAverageOf; ++it) {
        if (it->endedEarly)
            continue;
        sum += it->rate;
        ++counted;
    }
    return counted == 0 ? -1.0 : sum / counted;
}

QString TrendChart::percent(double rate) {
    // The user's decimal separator, as the test page's rate has it.
    return tr("%1 %").arg(testrules::successRateText(std::round(rate * 10.0) / 10.0));
}

void TrendChart::setTests(const QList<HistoryStore::Test>& tests) {
    m_tests = tests.mid(qMax(qsizetype(0), tests.size() - kMaxBars));
    m_average = average(tests);
    QStringList spoken;
    for (const HistoryStore::Test& test : m_tests)
        spoken << tr("%1 of %2 questions%3")
                      .arg(percent(test.rate))
                      .arg(test.answered)
                      .arg(test.endedEarly ? tr(", ended early") : QString());
    setAccessibleName(tr("Your recent tests"));
    setAccessibleDescription(
        (spoken.isEmpty() ? tr("No tests yet")
                          : tr("Oldest first: ") + spoken.join(QStringLiteral("; "))) +
        (m_average < 0 ? QString() : tr(". Average of the last five: %1").arg(percent(m_average))));
    update();
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // Drawn by hand, as the chapter selector draws it: the style's own focus rectangle is left
    // out by some styles, and the chart showed nothing.
    if (hasFocus())
        drawFocusFrame(p, rect().adjusted(2, 2, -2, -2), palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    // Room above the top line for a full bar's rate, and below the base for the lengths.
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("100 %")) + 8,
                                       line + 4, -8, -(line + 6));
    const auto yOf = [&](double rate) {
        return plot.bottom() - int(std::lround(rate / 100.0 * plot.height()));
    };
    for (int rate : {0, 50, 100}) {
        const int y = yOf(rate);
        p.setPen(QColor(0xD0, 0xD0, 0xD0));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(2, y - line / 2, plot.left() - 6, line), Qt::AlignRight | Qt::AlignVCenter,
                   tr("%1 %").arg(rate));
    }
    if (m_tests.isEmpty())
        return;
    const int slot = plot.width() / kMaxBars;
    const int barWidth = slot * 2 / 3;
    for (int i = 0; i < m_tests.size(); ++i) {
        const HistoryStore::Test& test = m_tests[i];
        const int x = plot.left() + i * slot + (slot - barWidth) / 2;
        const int top = yOf(test.rate);
        const QRect bar(x, top, barWidth, qMax(1, plot.bottom() - top + 1));
        // An early end is drawn hollow: its rate covers only the questions answered.
        if (test.endedEarly) {
            p.setPen(controls::kNavy);
            p.setBrush(Qt::NoBrush);
            p.drawRect(bar.adjusted(0, 0, -1, -1));
        } else {
            p.fillRect(bar, controls::kNavy);
        }
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(x - 6, plot.bottom() + 3, barWidth + 12, line), Qt::AlignHCenter,
                   QString::number(test.answered));
        QFont small = font();
        small.setPixelSize(qMax(8, font().pixelSize() - 2));
        p.setFont(small);
        p.drawText(QRect(x - 8, top - line, barWidth + 16, line),
                   Qt::AlignHCenter | Qt::AlignBottom, QString::number(std::lround(test.rate)));
        p.setFont(font());
    }
    if (m_average >= 0) {
        QPen dashed(controls::kRed, 1, Qt::DashLine);
        p.setPen(dashed);
        p.drawLine(plot.left(), yOf(m_average), plot.right(), yOf(m_average));
    }
}
