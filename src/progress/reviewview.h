#pragma once

#include "progress/historystore.h"

#include <QWidget>

class Label;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QuestionBank;

// Any past test shown again: the list of tests, newest first and read from the history a page
// at a time, and the questions of the one chosen with the answers given and the right ones.
class ReviewView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPage = 50; // tests read at a time

    ReviewView(QWidget* parent, HistoryStore& history, const QuestionBank& bank);

    // Lists the tests from the newest and shows the one with this id (the newest for 0).
    void open(qint64 id);

    QListWidget* PastTestList;
    Label* ReviewTitle;
    QTextBrowser* ReviewText;
    QPushButton* ReviewBack;

signals:
    void closed();
    void answerPageChosen(int practice);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadMore();
    void show(int row);

    HistoryStore& m_history;
    const QuestionBank& m_bank;
    QList<HistoryStore::Test> m_tests; // as listed
    bool m_more = false;               // the last row offers earlier tests
};
