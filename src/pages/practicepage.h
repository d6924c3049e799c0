#pragma once

#include "widgets/page.h"

class HtmlView;
class Label;
class ListBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Practice Section page: the practice questions, a box for the user's own answer, and the
// question's answer page, hidden until the user asks for it.
class PracticePage : public Page {
    Q_OBJECT
public:
    // `pageFolder`: where the answers are, "answers/" below it.
    PracticePage(QWidget* parent, const QStringList& practiceList, const QImage& logo,
                 const QString& pageFolder = {});

    QString print(const Printer& print) override;
    HtmlView* findView() const override;

    void ListBox1Click();
    void BitBtn1Click();

    static QString sectionLine(int index);

    Label* Label2;
    QLabel* Image1;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    QFrame* Bevel3;
    ListBox* ListBox1;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn1;
    HtmlView* WebBrowser2;

private:
    QString m_pageFolder;
    void buildControls(const QStringList& practiceList);
    void describeForScreenReaders();
};
