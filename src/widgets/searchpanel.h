#pragma once

#include "content/guideindex.h"

#include <QFrame>
#include <QPointer>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Search the guide (Ctrl+Shift+F): one search across every chapter and answer page, over the
// pages of the window. The results follow the typing: each names its chapter or question and
// shows the line it stands in; Enter or a click opens it. Escape closes the panel and gives
// the focus back to where it was.
class SearchPanel : public QFrame {
    Q_OBJECT
public:
    // The most results listed; the count says how many there are in all.
    static constexpr int kListed = 100;

    // `index` gives the index, finished: the panel asks for it at the first search.
    SearchPanel(QWidget* parent, std::function<const GuideIndex&()> index);

    void open(const QString& text, QWidget* returnTo);
    void closePanel();
    // Hides the panel with no control focused, for the page a result opens to take the focus;
    // returns where the focus was before the search.
    QWidget* leave();

    QString text() const;
    int resultCount() const;

signals:
    void resultChosen(const GuideIndex::Result& result, const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void search();
    void choose(int row);
    void announceRow(int row);

    std::function<const GuideIndex&()> m_index;
    QLabel* m_heading;
    QLineEdit* m_text;
    QLabel* m_status;
    QListWidget* m_results;
    QPushButton* m_close;
    QList<GuideIndex::Result> m_listed;
    bool m_typing = false; // the list is being refilled: its moves are not the learner's
    QPointer<QWidget> m_returnTo;
};
