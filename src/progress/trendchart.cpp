#include "progress/trendchart.h"

#include "selftest/testrules.h"
#include "widgets/focusframe.h"
#include "widgets/label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kLegendHeight = 14;

QFont smaller(const QFont& font) {
    QFont small = font;
    small.setPixelSize(qMax(8, font.pixelSize() - 2));
    return small;
}

} // namespace

TrendChart::TrendChart(QWidget* parent, QRect geometry) : QWidget(parent) {
    setObjectName(QStringLiteral("TrendChart"));
    setGeometry(geometry);
    // A stop on the Tab chain, so that a screen reader can read what the bars show.
    setFocusPolicy(Qt::TabFocus);
}

TrendChart::Average TrendChart::average(const QList<HistoryStore::Test>& tests) {
    Average a;
    for (auto it = tests.crbegin(); it != tests.crend() && a.tests < kAverageOf; ++it) {
        if (it->endedEarly)
            continue;
        a.right += it->correct;
        a.asked += it->answered;
        ++a.tests;
    }
    return a;
}

QString TrendChart::percent(double rate) {
    // The user's decimal separator, as the test page's rate has it.
    return tr("%1 %").arg(testrules::successRateText(std::round(rate * 10.0) / 10.0));
}

QLocale TrendChart::locale() {
    //: The locale whose month names the dates of this translation use.
    return QLocale(tr("en_CA"));
}

QString TrendChart::spoken(const HistoryStore::Test& test) {
    const QString day =
        locale().toString(test.endedAt.toLocalTime().date(), QStringLiteral("d MMMM"));
    const QString said =
        (test.mock ? tr("Mock exam of %1: %2 of %3, %4") : tr("Test of %1: %2 of %3, %4"))
            .arg(day)
            .arg(test.correct)
            .arg(test.answered)
            .arg(percent(test.rate));
    return test.endedEarly ? said + tr(", ended early") : said;
}

void TrendChart::setTests(const QList<HistoryStore::Test>& tests) {
    const qint64 chosen = m_current >= 0 ? m_tests[m_current].id : -1;
    m_tests = tests.mid(qMax(qsizetype(0), tests.size() - kMaxBars));
    m_average = average(tests);
    m_averageFrom = -1;
    m_averageTo = int(m_tests.size()) - 1;
    for (int i = int(m_tests.size()) - 1, counted = 0; i >= 0 && counted < m_average.tests; --i) {
        if (!m_tests[i].endedEarly) {
            if (counted == 0)
                m_averageTo = i; // early ends after the last completed test are not in it
            m_averageFrom = i;
            ++counted;
        }
    }
    if (m_average.tests > 0 && m_averageFrom < 0)
        m_averageFrom = 0;
    m_current = -1;
    for (int i = 0; i < m_tests.size(); ++i) {
        if (m_tests[i].id == chosen)
            m_current = i;
    }
    QStringList said;
    for (const HistoryStore::Test& test : m_tests)
        said << spoken(test);
    setAccessibleName(tr("Your recent tests"));
    setAccessibleDescription((said.isEmpty()
                                  ? tr("No tests yet")
                                  : tr("Oldest first: ") + said.join(QStringLiteral("; "))) +
                             tr(". Left and Right choose a test, Enter shows its questions."));
    update();
}

void TrendChart::setCurrent(int index) {
    if (m_tests.isEmpty())
        return;
    m_current = qBound(0, index, int(m_tests.size()) - 1);
    update();
    emit currentChanged(spoken(m_tests[m_current]));
}

void TrendChart::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrent(m_current < 0 ? int(m_tests.size()) - 1 : m_current - 1);
        return;
    case Qt::Key_Right:
        setCurrent(m_current < 0 ? int(m_tests.size()) - 1 : m_current + 1);
        return;
    case Qt::Key_Home:
        setCurrent(0);
        return;
    case Qt::Key_End:
        setCurrent(int(m_tests.size()) - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_current >= 0)
            emit testChosen(m_tests[m_current].id);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TrendChart::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < m_tests.size(); ++i) {
        // The whole column counts, so that a low bar is as easy to hit as a high one.
        const QRect bar = barRect(i);
        if (event->position().x() >= bar.left() - 2 && event->position().x() <= bar.right() + 2) {
            m_current = i;
            update();
            emit testChosen(m_tests[i].id);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

QRect TrendChart::plotRect() const {
    const QFontMetrics metrics(font());
    const QFontMetrics small(smaller(font()));
    // Room above the top line for a full bar's figure, and below the base for the days and the
    // legend.
    return rect().adjusted(metrics.horizontalAdvance(QStringLiteral("100 %")) + 8,
                           small.height() + 4, -8, -(small.height() + kLegendHeight + 5));
}

QRect TrendChart::barRect(int index) const {
    const QRect plot = plotRect();
    const int slot = plot.width() / kMaxBars;
    const int barWidth = slot * 2 / 3;
    const int x = plot.left() + index * slot + (slot - barWidth) / 2;
    const int top = plot.bottom() - int(std::lround(m_tests[index].rate / 100.0 * plot.height()));
    return QRect(x, top, barWidth, qMax(1, plot.bottom() - top + 1));
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
    const QColor text = palette().color(QPalette::WindowText);
    const QFont small = smaller(font());
    const int line = QFontMetrics(font()).height();
    const int smallLine = QFontMetrics(small).height();
    const QRect plot = plotRect();
    const auto yOf = [&](double rate) {
        return plot.bottom() - int(std::lround(rate / 100.0 * plot.height()));
    };
    for (int rate : {0, kPassPercent, 100}) {
        const int y = yOf(rate);
        p.setPen(QColor(0xD0, 0xD0, 0xD0));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(text);
        p.drawText(QRect(2, y - line / 2, plot.left() - 6, line), Qt::AlignRight | Qt::AlignVCenter,
                   tr("%1 %").arg(rate));
    }
    p.setPen(QPen(controls::kGreen, 1));
    p.drawLine(plot.left(), yOf(kPassPercent), plot.right(), yOf(kPassPercent));
    p.setFont(small);
    int month = 0;
    for (int i = 0; i < m_tests.size(); ++i) {
        const HistoryStore::Test& test = m_tests[i];
        const QRect bar = barRect(i);
        const QColor colour = test.mock ? controls::kMaroon : controls::kNavy;
        // An early end is drawn hollow: its rate covers only the questions answered.
        if (test.endedEarly) {
            p.setPen(colour);
            p.setBrush(Qt::NoBrush);
            p.drawRect(bar.adjusted(0, 0, -1, -1));
        } else {
            p.fillRect(bar, colour);
        }
        if (i == m_current) {
            p.setPen(QPen(text, 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(bar.adjusted(-3, -3, 2, 2));
        }
        p.setPen(text);
        const QRect column(bar.center().x() - 16, 0, 33, 0);
        // The rate: right of asked ("112/160") would run into the next bar's; the screen
        // reader's text for the bar says both.
        p.drawText(QRect(column.x(), bar.top() - smallLine - 1, column.width(), smallLine),
                   Qt::AlignHCenter | Qt::AlignBottom, QString::number(std::lround(test.rate)));
        // The day under each bar, the month under the first bar of a month.
        const QDate date = test.endedAt.toLocalTime().date();
        QString day = QString::number(date.day());
        if (date.month() != month)
            day = locale().toString(date, QStringLiteral("d MMM"));
        month = date.month();
        p.drawText(QRect(column.x() - 4, plot.bottom() + 2, column.width() + 8, smallLine),
                   Qt::AlignHCenter, day);
    }
    if (m_average.tests > 0 && m_averageFrom >= 0) {
        p.setPen(QPen(controls::kRed, 1, Qt::DashLine));
        const int y = yOf(m_average.rate());
        p.drawLine(barRect(m_averageFrom).left() - 2, y, barRect(m_averageTo).right() + 2, y);
    }
    paintLegend(p, QRect(plot.left(), height() - kLegendHeight - 2, width() - plot.left() - 4,
                         kLegendHeight));
}

void TrendChart::paintLegend(QPainter& p, QRect band) {
    const QColor text = palette().color(QPalette::WindowText);
    const QFontMetrics metrics(p.font());
    int x = band.left();
    const int mid = band.center().y();
    const auto words = [&](const QString& said) {
        x += 3;
        p.setPen(text);
        p.drawText(QRect(x, band.top(), metrics.horizontalAdvance(said) + 1, band.height()),
                   Qt::AlignVCenter, said);
        x += metrics.horizontalAdvance(said) + 9;
    };
    const auto swatch = [&](QColor colour, bool hollow) {
        const QRect box(x, mid - 4, 8, 8);
        if (hollow) {
            p.setPen(colour);
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(0, 0, -1, -1));
        } else {
            p.fillRect(box, colour);
        }
        x += box.width();
    };
    const auto rule = [&](QPen pen) {
        p.setPen(pen);
        p.drawLine(x, mid, x + 12, mid);
        x += 12;
    };
    swatch(controls::kNavy, false);
    words(tr("test"));
    swatch(controls::kNavy, true);
    words(tr("ended early"));
    swatch(controls::kMaroon, false);
    words(tr("mock exam"));
    rule(QPen(controls::kRed, 1, Qt::DashLine));
    words(tr("average"));
    rule(QPen(controls::kGreen, 1));
    words(tr("pass mark"));
}
