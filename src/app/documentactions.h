#pragma once

#include <QObject>
#include <QString>

#include <functional>

class ErrorBox;
class Page;
class QTextDocument;
class QWidget;

// Ctrl+S and Ctrl+P on the window: the page shown says what it saves or prints, and the dialogs
// and the error box are here. On the Test Yourself page Ctrl+S saves a copy of the report of the
// last test finished in this window wherever the user chooses, and Ctrl+P prints it (or makes a
// PDF) under a heading with its summary. On the Study Guide and Practice pages Ctrl+P prints the
// chapter or the answer being read.
class DocumentActions : public QObject {
    Q_OBJECT
public:
    // The desktop's dialogs by default; tests answer them without a modal wait.
    struct Dialogs {
        std::function<QString(QWidget* parent, const QString& suggested)> saveName;
        std::function<void(QWidget* parent, QTextDocument& document)> print;
        std::function<void(QWidget* parent, const QString& text)> inform;
    };
    static Dialogs desktopDialogs();
    // Where the dialogs open: the user's documents folder, else the home folder; never the
    // working folder, which is hidden for an installed program.
    static QString startFolder();

    DocumentActions(QWidget* window, ErrorBox* errorBox, Dialogs dialogs = desktopDialogs());

    void saveReportCopy();
    void print();

private:
    Page* currentPage() const;
    void fail(const QString& message);

    QWidget* m_window;
    ErrorBox* m_errorBox; // not owned
    Dialogs m_dialogs;
};
