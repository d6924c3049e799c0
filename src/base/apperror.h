#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <string>

// What went wrong: a code and the data its message is worded with. The core names no sentence;
// the interface words every error in one place (errorMessage), in the user's language.
struct Error {
    enum class Code {
        NotAnInteger,     // the text
        ListIndex,        // the index
        BankExhausted,    //
        MissingList,      // the resource path
        CannotCreateFile, // the full path, the system's error text
        NoFolderOfYourOwn // the full path
    };
    Code code;
    QStringList args;
};

// The one error type that handlers raise. It travels up to the dispatch point of the main
// window, which shows it in the error box; it never crosses Qt's event loop.
class AppError : public std::exception {
public:
    explicit AppError(Error::Code code, QStringList args = {})
        : m_error{code, std::move(args)}, m_what(QStringLiteral("error %1: %2")
                                                     .arg(int(code))
                                                     .arg(m_error.args.join(QStringLiteral(", ")))
                                                     .toStdString()) {}

    const Error& error() const { return m_error; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    Error m_error;
    std::string m_what;
};
