#pragma once

#include "content/questionbank.h"

#include <QStringList>

// Everything built into the program that the pages show, loaded once with the main window.
struct Content {
    QuestionBank bank;
    QStringList practiceList; // item p is practice question p + 1
    QStringList chapters;     // item c is chapter c + 1
    // Where the edition's pages are, below the working folder: "" for English (study/,
    // answers/), "fr/" for French (fr/study/, fr/answers/).
    QString pageFolder;

    // The content in `language` ("fr"), or in English where none is named.
    static Content builtIn(const QString& language = {});
};
