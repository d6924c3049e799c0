#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <functional>

class HtmlView;
class QKeyEvent;
class QTextDocument;

// One page of the window. The window keeps its pages in one list and asks each, through this,
// what Ctrl+P prints and Ctrl+S saves there, and what the keys that reach the window with no
// control focused do. A new page is one more class of this kind and one more entry in the
// window's list.
class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(QWidget* parent);

    // Ctrl+P: hands `print` the document to print and returns nothing, or returns why there is
    // nothing to print here.
    using Printer = std::function<void(QTextDocument&)>;
    virtual QString print(const Printer& print);

    // Ctrl+S: a page that keeps a document of its own offers a copy of it, or says why there is
    // none yet; elsewhere Ctrl+S does nothing.
    struct Copy {
        bool offered = false;
        QByteArray bytes; // empty: nothing to save yet, for the reason in `why`
        QString suggestedName;
        QString why;
    };
    virtual Copy copy() const { return {}; }

    // A key that reached the window with no control focused; whether the page took it.
    virtual bool answerKey(QKeyEvent*) { return false; }

    // Ctrl+F: the view whose page the learner is reading here, if any is shown.
    virtual HtmlView* findView() const { return nullptr; }
};
