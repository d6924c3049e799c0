#pragma once

#include "progress/historystore.h"

#include <QLocale>
#include <QWidget>

// The recent tests as bars, oldest on the left: a bar's height is its rate, the figure above it
// the questions right of those answered, the day under it when it was taken. An early end is
// hollow, a mock exam maroon. A dashed line spans the tests the average is taken over, a solid
// one marks the pass mark; a legend along the bottom says so. Left and Right choose a bar,
// Enter or a click opens that test. Painted by hand: a chart library would be loaded with the
// window only to draw these few bars, and start-up is held to within a few per cent of a bare
// window.
class TrendChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxBars = 15;
    static constexpr int kAverageOf = 5;
    static constexpr int kPassPercent = 60;

    // Questions right of those asked over the last five completed tests.
    struct Average {
        int tests = 0;
        int right = 0;
        int asked = 0;
        double rate() const { return asked == 0 ? 0.0 : 100.0 * right / asked; }
    };

    TrendChart(QWidget* parent, QRect geometry);

    void setTests(const QList<HistoryStore::Test>& tests);
    static Average average(const QList<HistoryStore::Test>& tests);
    static QString percent(double rate);
    // The dates of this translation's language.
    static QLocale locale();
    // "Test of 12 March: 15 of 20, 75 %", as a screen reader hears a bar.
    static QString spoken(const HistoryStore::Test& test);
    int current() const { return m_current; } // the chosen bar; -1 for none

signals:
    void testChosen(qint64 id);
    void currentChanged(const QString& spoken);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect plotRect() const;
    QRect barRect(int index) const;
    void paintLegend(class QPainter& p, QRect band);
    void setCurrent(int index);

    QList<HistoryStore::Test> m_tests; // the bars, oldest first
    Average m_average;
    int m_averageFrom = -1; // the first bar the average covers
    int m_averageTo = -1;   // and the last
    int m_current = -1;
};
