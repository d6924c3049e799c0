#include "content/questionbank.h"

#include "base/apperror.h"
#include "base/intvalue.h"
#include "content/textlist.h"

QuestionBank::QuestionBank(QStringList lines) : m_lines(std::move(lines)) {}

QuestionBank QuestionBank::builtIn() {
    return QuestionBank(loadTextList(QStringLiteral(":/content/question_bank.txt")));
}

QString QuestionBank::LineAt(int index) const {
    if (index < 0 || index >= m_lines.size())
        throw AppError(Error::Code::ListIndex, {QString::number(index)});
    return m_lines.at(index);
}

int QuestionBank::CorrectOption(int record) const {
    return intValue(LineAt(kBlock * record + kOptions + 2));
}

Question QuestionBank::question(int record) const {
    Question question{record, QuestionText(record), {}, CorrectOption(record)};
    for (int k = 1; k <= kOptions; ++k)
        question.options << OptionText(record, k);
    return question;
}
