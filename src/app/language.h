#pragma once

#include <QLocale>
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
// How numbers and dates are written in the `chosen` language: as the system writes them where
// it writes that language (or where English is chosen), else as the first of `preferred` in
// that language does ("fr-CA": French of Canada). Started with LANGUAGE=fr on an English
// desktop, the French edition must not show "66.6666666666667 %".
QLocale formats(const QString& chosen, const QStringList& preferred, const QLocale& system);
// Installs the program's translation and Qt's own (its dialogs and buttons) for `chosen`, and
// its formats as the default locale.
void install(QCoreApplication* app, const QString& chosen);

} // namespace language
