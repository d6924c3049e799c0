#include "progress/testreview.h"

#include "content/questionbank.h"
#include "progress/chapterreview.h"

#include <QUrl>

QString TestReview::html(const FinishedTest& test, const QuestionBank& bank, Show show) {
    QString page;
    int number = 0;
    for (const AskedQuestion& asked : test.questions) {
        ++number;
        if (show == Show::Missed && asked.right())
            continue;
        const Question q = bank.question(asked.record);
        const int practice = ChapterReview::practiceNumber(q.text);
        const auto option = [&](int k) {
            return QStringLiteral("%1: %2").arg(Question::letter(k),
                                                q.plainOption(k).toHtmlEscaped());
        };
        page += QStringLiteral("<p><b>%1.</b> %2<br>")
                    .arg(number)
                    .arg(q.text.trimmed().toHtmlEscaped());
        const QString given = asked.given == 0 ? tr("none") : option(asked.given);
        page += QStringLiteral("<span style=\"color:%1\">%2</span><br>")
                    .arg(asked.right() ? QStringLiteral("#008000") : QStringLiteral("#C00000"),
                         tr("Your answer: %1").arg(given));
        if (!asked.right())
            page += QStringLiteral("<span style=\"color:#008000\">%1</span><br>")
                        .arg(tr("The right answer: %1").arg(option(asked.key)));
        if (practice > 0)
            page += QStringLiteral("<a href=\"answer:%1\">%2</a>")
                        .arg(practice)
                        .arg(tr("Answer page %1").arg(practice));
        page += QStringLiteral("</p>");
    }
    if (page.isEmpty())
        page = QStringLiteral("<p>%1</p>")
                   .arg(show == Show::Missed ? tr("No question was missed.")
                                             : tr("No question was answered."));
    return page;
}

int TestReview::answerPage(const QUrl& link) {
    return link.scheme() == QLatin1String("answer") ? link.path().toInt() : 0;
}
