#pragma once

#include "base/apperror.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// Every error's message, worded in the user's language: the one place where an error becomes
// words. Text the user typed and paths are set apart from the words around them.
QString errorMessage(const Error& error);

// Where every error raised in a handler ends up. The window is given one; tests give it a
// recorder so that nothing waits on a modal dialog.
class ErrorBox {
    Q_DECLARE_TR_FUNCTIONS(ErrorBox)
public:
    virtual ~ErrorBox() = default;
    virtual void show(const QString& text) = 0;
};

// The desktop's message box: critical icon, one OK button, the application title.
class MessageErrorBox : public ErrorBox {
public:
    explicit MessageErrorBox(QString title) : m_title(std::move(title)) {}
    void show(const QString& text) override;

private:
    QString m_title;
};
