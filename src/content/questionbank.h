#pragma once

#include <QString>
#include <QStringList>

// The multiple-choice bank: 180 blocks of seven lines. Block r (1..179) is a record: an
// unread separator, the question, options A to D, and the number of the correct option.
class QuestionBank {
public:
    static constexpr int kRecords = 179;
    static constexpr int kLines = 7 * (kRecords + 1);

    explicit QuestionBank(QStringList lines);
    static QuestionBank builtIn();

    const QStringList& lines() const { return m_lines; }
    QString LineAt(int index) const;
    QString QuestionText(int record) const { return LineAt(7 * record + 1); }
    QString OptionText(int record, int option) const { return LineAt(7 * record + 1 + option); }
    int CorrectOption(int record) const;

    // An option as a screen reader says it: "[A]     Ottawa. " becomes "A: Ottawa."
    static QString spokenOption(const QString& line);

private:
    QStringList m_lines;
};
