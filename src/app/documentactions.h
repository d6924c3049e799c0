#pragma once

#include <QObject>
#include <QString>

#include <functional>

class ErrorBox;
class QTextDocument;
class QWidget;

// Ctrl+S and Ctrl+P on the window. The report of the last test is kept in the working folder
// and replaced by the next one; Ctrl+S on the Test Yourself page saves a copy of it wherever
// the user chooses, and Ctrl+P there prints it (or makes a PDF). On the Study Guide and
// Practice pages Ctrl+P prints the chapter or the answer being read.
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

    DocumentActions(QWidget* window, ErrorBox* errorBox, Dialogs dialogs = desktopDialogs());

    void saveReportCopy();
    void print();

private:
    QString currentPage() const;
    // The last report's bytes, or an empty array after telling the user why there are none.
    QByteArray lastReport();
    void fail(const QString& message);

    QWidget* m_window;
    ErrorBox* m_errorBox; // not owned
    Dialogs m_dialogs;
};
