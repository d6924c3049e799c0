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
        int misses = 0;
        friend bool operator==(const Chapter&, const Chapter&) = default;
    };

    // Lines of "practice number, a tab, chapter numbers separated by blanks"; # starts a comment.
    static ChapterReview parse(const QString& table);
    static ChapterReview builtIn();

    QList<int> chaptersOf(int practice) const { return m_chapters.value(practice); }

    // The practice number a bank question line starts with ("12. Who ..."), 0 when none.
    static int practiceNumber(const QString& questionLine);

    // Chapters by misses, most first, then by number; at most `limit` of them.
    QList<Chapter> mostMissed(const QList<drill::QuestionState>& states, const QuestionBank& bank,
                              int limit) const;

private:
    QHash<int, QList<int>> m_chapters;
};
