#pragma once

#include <QString>
#include <QStringList>

// The languages the program has besides English, its own: each has its words in
// src/i18n/orvane_<name>.ts, its content in src/content/<name>/ and its pages in guide/<name>/.
namespace editions {

inline QStringList others() {
    return {QStringLiteral("fr")};
}

} // namespace editions
