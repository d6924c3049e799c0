#pragma once

#include <QString>
#include <exception>
#include <string>

// The one error type that handlers raise. It travels up to the dispatch point of the main
// window, which shows it in the error box; it never crosses Qt's event loop.
class AppError : public std::exception {
public:
    explicit AppError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}

    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};
