#pragma once

#include "progress/historystore.h"

#include <QWidget>

// The rates of the recent tests as bars, oldest on the left, each with its number of questions
// under it, and the average of the last five completed tests as a dashed line. Painted by hand:
// a chart library would be loaded with the window only to draw these few bars, and start-up is
// held to within a few per cent of a bare window.
class TrendChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxBars = 15;
    static constexpr int kAverageOf = 5;

    TrendChart(QWidget* parent, QRect geometry);

    void setTests(const QList<HistoryStore::Test>& tests);
    // The average rate of the last five completed tests; negative when there is none.
    static double average(const QList<HistoryStore::Test>& tests);
    static QString percent(double rate);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<HistoryStore::Test> m_tests; // the bars, oldest first
    double m_average = -1.0;
};
