#pragma once

#include "progress/drill.h"

#include <QHash>
#include <QList>
#include <QString>

class QuestionBank;

// The chapters of the study guide that teach each practice question, as the guide's own table
// says, and from it the chapters whose questions the learner missed most.
class ChapterReview {
public:
    struct Chapter {
        int chapter = 0;
        int questions = 0; // its questions still in the drill
        friend bool operator==(const Chapter&, const Chapter&) = default;
    };

    // Lines of "practice number, a tab, chapter numbers separated by blanks"; # starts a comment.
    static ChapterReview parse(const QString& table);
    static ChapterReview builtIn();

    QList<int> chaptersOf(int practice) const { return m_chapters.value(practice); }

    // The practice number a bank question line starts with ("12. Who ..."), 0 when none.
    static int practiceNumber(const QString& questionLine);

    // Every chapter with a question still to drill, the most such questions first, then by
    // number. A question counts once, however often it was missed: the list shrinks as the
    // drill does.
    QList<Chapter> toReview(const QList<drill::QuestionState>& states,
                            const QuestionBank& bank) const;

private:
    QHash<int, QList<int>> m_chapters;
};
