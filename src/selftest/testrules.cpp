#include "selftest/testrules.h"

#include "base/apperror.h"
#include "content/questionbank.h"

#include <QCoreApplication>
#include <QStringList>

namespace testrules {

int drawRecord(RandomDraw& random, const TestState& state) {
    const int asked = state.QuestionNumber - 1;
    if (asked >= QuestionBank::kRecords)
        throw AppError(Error::Code::BankExhausted);
    random.reseed();
    for (;;) {
        const int d = random.next(QuestionBank::kRecords);
        bool seen = false;
        for (int k = 1; k <= asked && !seen; ++k)
            seen = state.AskedQuestions[k] == d + 1;
        if (!seen)
            return d + 1;
    }
}

double successRate(int correct, int answered) {
    const long double rate = static_cast<long double>(correct) / answered * 100.0L;
    return static_cast<double>(rate);
}

QString successRateText(double rate, const QLocale& locale) {
    // The digits stay the C locale's, as the rest of the window's numbers are.
    QString text = QString::number(rate, 'g', 15);
    return text.replace(u'.', locale.decimalPoint());
}

namespace {

// The report's words are in the user's language; its markup is the same in every language.
QString header(const char* words) {
    return QStringLiteral(
               R"(<font color="#FFFFFF" size="5"><span style="font-weight: 700; background-color: #FF5050">%1</span></font><br><br><br>)")
        .arg(QCoreApplication::translate("Report", words));
}
QString marker(const char* colour, const char* words) {
    return QStringLiteral(
               R"(<b><font face="Verdana" size="1" color="#FFFFFF"><span style="background-color: %1">&nbsp;- %2</span></font></b><br>)")
        .arg(QLatin1String(colour), QCoreApplication::translate("Report", words));
}
const QString kBreak = QStringLiteral("<br>");
const QString kCorrectOpener = QStringLiteral(R"(<span style="background-color: #00ff00">)");
const QString kChosenOpener = QStringLiteral(R"(<span style="background-color: #ff0000">)");
const QString kCloser = QStringLiteral("</span>");
const QString kSeparator = QStringLiteral("<br><hr><br>");

} // namespace

QStringList reportLines(const TestState& state, const QuestionBank& bank) {
    const int answered = state.QuestionNumber - 1;
    const QString correctSuffix = marker("#008000", QT_TRANSLATE_NOOP("Report", "CORRECT ANSWER"));
    const QString chosenSuffix = marker("#FF5050", QT_TRANSLATE_NOOP("Report", "YOUR ANSWER"));
    QStringList lines;
    lines << (answered == state.CorrectCount
                  ? header(QT_TRANSLATE_NOOP("Report",
                                             "Congratulation, all of your answers were correct."))
                  : header(QT_TRANSLATE_NOOP("Report", "List of All Incorrect Answers")));
    for (int i = 1; i <= answered; ++i) {
        const int correct = state.CorrectAnswers[i];
        const int given = state.GivenAnswers[i + 1];
        if (correct == given)
            continue;
        const int first = QuestionBank::kBlock * state.AskedQuestions[i] + 1;
        lines << bank.LineAt(first) + kBreak;
        for (int j = 1; j <= QuestionBank::kOptions; ++j) {
            const QString option = bank.LineAt(first + j);
            if (j == correct)
                lines << kCorrectOpener << option + correctSuffix << kCloser;
            else if (j == given)
                lines << kChosenOpener << option + chosenSuffix << kCloser;
            else
                lines << option + kBreak;
        }
        lines << kSeparator;
    }
    return lines;
}

QString questionSeparator() {
    return kSeparator;
}

} // namespace testrules
