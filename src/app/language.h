#pragma once

#include <QStringList>

class QCoreApplication;

// The language of the words and the content, chosen as the desktop's other programs choose it:
// the first of the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the program has.
// English is the program's own; French is the other one it has.
namespace language {

// "fr" where French comes before English among `preferred`; empty for English, which is also
// what any language the program lacks gives.
QString chosen(const QStringList& preferred);
// The user's languages, first preferred first.
QStringList preferred();
// Installs the program's translation and Qt's own (its dialogs and buttons) for `chosen`.
void install(QCoreApplication* app, const QString& chosen);

} // namespace language
