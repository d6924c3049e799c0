#pragma once

#include <QString>
#include <QStringList>

// One multiple-choice question as the bank holds it. The texts are kept exactly as stored, the
// option prefixes ("[A]     ") and trailing blanks included: the report and the window show
// them so. A question with another number of options is a longer or shorter `options`.
struct Question {
    int record = 0; // its place in the bank, 1..179
    QString text;   // "52. Name the capital city of Canada."
    QStringList options;
    int key = 0; // the correct option, 1..options.size()

    int optionCount() const { return int(options.size()); }
    // The letter that names option k (1-based): A, B, C, ...
    static QChar letter(int k) { return QChar(u'A' + k - 1); }
    // Option k without its prefix and blanks: "[C]     In the Arctic. " -> "In the Arctic."
    QString plainOption(int k) const;
    // Option k as a screen reader says it: "A: Ottawa."
    QString spokenOption(int k) const { return letter(k) + QStringLiteral(": ") + plainOption(k); }
};
