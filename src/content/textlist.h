#pragma once

#include <QString>
#include <QStringList>

// Reads one of the built-in UTF-8 content lists, one item a line, exactly as stored:
// trailing blanks are part of the items and are kept.
QStringList loadTextList(const QString& resourcePath);
