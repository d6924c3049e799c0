#include "content/questionbank.h"

#include "base/apperror.h"
#include "base/intvalue.h"
#include "content/textlist.h"

#include <QRegularExpression>

QuestionBank::QuestionBank(QStringList lines) : m_lines(std::move(lines)) {}

QuestionBank QuestionBank::builtIn() {
    return QuestionBank(loadTextList(QStringLiteral(":/content/question_bank.txt")));
}

QString QuestionBank::LineAt(int index) const {
    if (index < 0 || index >= m_lines.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_lines.at(index);
}

int QuestionBank::CorrectOption(int record) const {
    return intValue(LineAt(7 * record + 6));
}

QString QuestionBank::spokenOption(const QString& line) {
    static const QRegularExpression prefix(QStringLiteral("^\\[([A-D])\\]\\s*"));
    return QString(line).replace(prefix, QStringLiteral("\\1: ")).trimmed();
}
