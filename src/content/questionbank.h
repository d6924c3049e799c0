#pragma once

#include "content/question.h"

#include <QString>
#include <QStringList>

// The multiple-choice bank: 180 blocks of seven lines. Block r (1..179) is a record: an
// unread separator, the question, options A to D, and the number of the correct option.
class QuestionBank {
public:
    static constexpr int kRecords = 179;
    static constexpr int kOptions = 4;
    static constexpr int kBlock = kOptions + 3;
    static constexpr int kLines = kBlock * (kRecords + 1);

    explicit QuestionBank(QStringList lines);
    static QuestionBank builtIn();

    const QStringList& lines() const { return m_lines; }
    QString LineAt(int index) const;
    QString QuestionText(int record) const { return LineAt(kBlock * record + 1); }
    QString OptionText(int record, int option) const {
        return LineAt(kBlock * record + 1 + option);
    }
    int CorrectOption(int record) const;
    // Record 1..179 as one value; raises AppError for a record outside the bank.
    Question question(int record) const;

private:
    QStringList m_lines;
};
