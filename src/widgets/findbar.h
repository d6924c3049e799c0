#pragma once

#include "content/textmatch.h"

#include <QFrame>
#include <QPointer>

class HtmlView;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;

// Find in the page (Ctrl+F), as browsers and document readers do it: a bar over the bottom of
// one HTML view. Typing highlights every match and moves to the first; Enter or F3 goes to the
// next, Shift+Enter or Shift+F3 to the previous; Escape closes the bar and gives the focus back
// to where it was. The page's text is matched as the guide search matches it (textmatch).
// Hidden, the bar is out of the layout and of the Tab order.
class FindBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 24;

    explicit FindBar(HtmlView* view);

    HtmlView* view() const { return m_view; }
    // Shows the bar with `text` (the text it had, when null) and goes to match `occurrence`
    // (counted from 0, in the page's order). The focus goes to the bar; `returnTo` has it back
    // when the bar closes.
    void open(const QString& text, int occurrence, QWidget* returnTo);
    void closeBar();
    void next();
    void previous();

    QString text() const;
    int matchCount() const { return int(m_matches.size()); }
    int current() const { return m_current; }
    QWidget* returnTo() const { return m_returnTo; }

signals:
    void guideSearchAsked(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void findAll(int wanted);
    void goTo(int index);
    void highlight();
    void placeOverView();
    QString countText() const;

    HtmlView* m_view;
    QLineEdit* m_text;
    QLabel* m_count;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPushButton* m_guide;
    QPushButton* m_close;
    QList<QShortcut*> m_keys; // F3, Shift+F3 and Escape, while the bar is open
    QList<textmatch::Match> m_matches;
    int m_current = -1;
    QPointer<QWidget> m_returnTo;
};
