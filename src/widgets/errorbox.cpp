#include "widgets/errorbox.h"

#include "base/errortext.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

void MessageErrorBox::show(const QString& text) {
    QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(QMessageBox::Critical, m_title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // The message quotes what the user typed or pasted; as rich text, "<img src=...>" would
    // read a file from disk.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Back to where the user was: the window is re-activated and focus restored.
    if (focused)
        focused->setFocus(Qt::ActiveWindowFocusReason);
}

QString errorMessage(const Error& error) {
    const auto arg = [&](int i) { return error.args.value(i); };
    switch (error.code) {
    case Error::Code::NotAnInteger:
        return ErrorBox::tr("'%1' is not a valid integer value").arg(isolated(arg(0)));
    case Error::Code::ListIndex:
        return ErrorBox::tr("List index out of bounds (%1)").arg(arg(0));
    case Error::Code::BankExhausted:
        return ErrorBox::tr("Every question of the bank has been asked");
    case Error::Code::MissingList:
        return ErrorBox::tr("Cannot open the built-in list %1").arg(arg(0));
    case Error::Code::CannotCreateFile:
        return ErrorBox::tr("Cannot create file \"%1\". %2").arg(isolated(arg(0)), arg(1));
    case Error::Code::NoFolderOfYourOwn:
        return ErrorBox::tr("Cannot create file \"%1\". %2")
            .arg(isolated(arg(0)), ErrorBox::tr("There is no folder of your own to keep it in."));
    }
    return {};
}
