#pragma once

#include "progress/finishedtest.h"

#include <QList>

#include <iterator>

#include <optional>

// Which missed questions are still worth drilling, and in what order. A question joins once it
// has been answered wrongly, and leaves once its last two answers, in tests or in drills, were
// both right. Most misses come first; among equals, the one last tried longest ago.
//
// A question that left comes back for single checks, spaced wider each time it is still known:
// 3 days after it left, then 10, then 30 days after each check passed. A check passed three
// times is done with. A miss, at a check or anywhere else, puts it back in the drill. Due checks
// come before the drill's own questions: they are what the learner is about to forget.
namespace drill {

constexpr int kRightInARowToLeave = 2;
constexpr int kCheckDays[] = {3, 10, 30};
constexpr int kChecks = int(std::size(kCheckDays));

// What the history keeps of one question, updated with each answer, so that nothing has to be
// worked out again from every answer ever given.
struct QuestionState {
    int record = 0;
    int misses = 0;
    int rightRun = 0;            // right answers since the last miss
    qint64 lastAt = 0;           // milliseconds since the epoch
    qint64 lastAnswer = 0;       // orders answers given in the same millisecond
    std::optional<qint64> dueAt; // the start of the day its next check is due; none: no check
    int checks = 0;              // checks passed since it last left the drill
    friend bool operator==(const QuestionState&, const QuestionState&) = default;
};

// `order` grows with every answer, in the order they were written.
void apply(QuestionState& state, const AskedQuestion& answer, qint64 at, qint64 order);

bool inDrill(const QuestionState& state);
// Out of the drill, with a check due at `now` (milliseconds since the epoch).
bool checkDue(const QuestionState& state, qint64 now);
// The start of the local day `days` after the day of `at`: a check is due for the whole day,
// whatever the hour the question left the drill.
qint64 dayStart(qint64 at, int days);

// Record numbers: the checks due at `now`, longest due first, then the drill's questions.
QList<int> queue(const QList<QuestionState>& states, qint64 now = 0);
QList<int> queue(const QList<Attempt>& attempts, qint64 now = 0); // attempts in the order given
// The kept state that these answers, in this order, leave; by record number.
QList<QuestionState> replay(const QList<Attempt>& attempts);

} // namespace drill
