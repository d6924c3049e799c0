#include "progress/chapterreview.h"

#include "content/questionbank.h"

#include <QFile>
#include <QMap>

#include <algorithm>

ChapterReview ChapterReview::parse(const QString& table) {
    ChapterReview review;
    for (const QString& line : table.split(u'\n')) {
        if (line.startsWith(u'#'))
            continue;
        const QStringList fields = line.simplified().split(u' ', Qt::SkipEmptyParts);
        bool ok = false;
        const int practice = fields.value(0).toInt(&ok);
        if (!ok)
            continue;
        QList<int> chapters;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            if (const int chapter = fields[i].toInt(&ok); ok)
                chapters.append(chapter);
        }
        review.m_chapters.insert(practice, chapters);
    }
    return review;
}

ChapterReview ChapterReview::builtIn() {
    QFile file(QStringLiteral(":/progress/practice_chapters.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

int ChapterReview::practiceNumber(const QString& questionLine) {
    qsizetype digits = 0;
    while (digits < questionLine.size() && questionLine[digits].isDigit())
        ++digits;
    return questionLine.left(digits).toInt();
}

QList<ChapterReview::Chapter> ChapterReview::toReview(const QList<drill::QuestionState>& states,
                                                      const QuestionBank& bank) const {
    QMap<int, int> waiting;
    for (const drill::QuestionState& state : states) {
        if (!drill::inDrill(state))
            continue;
        const int practice = practiceNumber(bank.QuestionText(state.record));
        for (int chapter : chaptersOf(practice))
            ++waiting[chapter];
    }
    QList<Chapter> chapters;
    for (auto it = waiting.cbegin(); it != waiting.cend(); ++it)
        chapters.append({it.key(), it.value()});
    std::stable_sort(chapters.begin(), chapters.end(),
                     [](const Chapter& a, const Chapter& b) { return a.questions > b.questions; });
    return chapters;
}
