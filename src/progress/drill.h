#pragma once

#include "progress/finishedtest.h"

#include <QList>

#include <optional>

// Which missed questions are still worth drilling, and in what order. A question joins once it
// has been answered wrongly, and leaves once its last two answers, in tests or in drills, were
// both right. Most misses come first; among equals, the one last tried longest ago.
namespace drill {

constexpr int kRightInARowToLeave = 2;

// What the history keeps of one question, updated with each answer, so that nothing has to be
// worked out again from every answer ever given.
struct QuestionState {
    int record = 0;
    int misses = 0;
    int rightRun = 0;            // right answers since the last miss
    qint64 lastAt = 0;           // milliseconds since the epoch
    qint64 lastAnswer = 0;       // orders answers given in the same millisecond
    std::optional<qint64> dueAt; // when it should be asked again; none yet
    friend bool operator==(const QuestionState&, const QuestionState&) = default;
};

// `order` grows with every answer, in the order they were written.
void apply(QuestionState& state, const AskedQuestion& answer, qint64 at, qint64 order);

QList<int> queue(const QList<QuestionState>& states); // record numbers
QList<int> queue(const QList<Attempt>& attempts);     // attempts in the order given
// The kept state that these answers, in this order, leave; by record number.
QList<QuestionState> replay(const QList<Attempt>& attempts);

} // namespace drill
