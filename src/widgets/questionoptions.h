#pragma once

#include "content/question.h"

#include <QObject>
#include <QRect>

class QButtonGroup;
class QKeyEvent;
class QRadioButton;
class QWidget;

// The options of a multiple-choice question as radio buttons, in the test and in the drill
// alike: one button per option, placed one under another on the page that owns them, named
// <prefix>1, <prefix>2, ... and read to a screen reader as "A: Ottawa.". The page keeps its own
// layout and focus chain; the buttons are its children.
class QuestionOptions : public QObject {
    Q_OBJECT
public:
    QuestionOptions(QWidget* page, const QString& namePrefix, QRect first, int step, int count);

    // Shows the options as stored, prefixes included, each unchecked.
    void show(const Question& question);
    void uncheckAll();
    void check(int option) const;
    int chosen() const; // 1-based; 0 for none
    QRadioButton* button(int option) const;
    const QList<QRadioButton*>& buttons() const { return m_buttons; }
    // The options as spoken, one after another: "A: Toronto. B: Ottawa. ..."
    QString spoken() const;

signals:
    void chosenChanged(int option); // 0: none
    void clicked(int option);

private:
    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
};
