#include "progress/drill.h"

#include <QMap>

#include <algorithm>

int FinishedTest::correct() const {
    return int(std::count_if(questions.begin(), questions.end(),
                             [](const AskedQuestion& q) { return q.right(); }));
}

double FinishedTest::rate() const {
    return questions.isEmpty() ? 0.0 : 100.0 * correct() / double(questions.size());
}

namespace drill {

bool inDrill(const QuestionState& state) {
    return state.misses > 0 && state.rightRun < kRightInARowToLeave;
}

bool checkDue(const QuestionState& state, qint64 now) {
    return !inDrill(state) && state.dueAt && *state.dueAt <= now;
}

qint64 dayStart(qint64 at, int days) {
    return QDateTime::fromMSecsSinceEpoch(at).date().addDays(days).startOfDay().toMSecsSinceEpoch();
}

void apply(QuestionState& state, const AskedQuestion& answer, qint64 at, qint64 order) {
    const bool wasInDrill = inDrill(state);
    const bool wasDue = checkDue(state, at);
    state.record = answer.record;
    state.rightRun = answer.right() ? state.rightRun + 1 : 0;
    state.misses += answer.right() ? 0 : 1;
    state.lastAt = at;
    state.lastAnswer = order;
    if (!answer.right()) {
        state.dueAt.reset();
        state.checks = 0;
    } else if (wasInDrill && !inDrill(state)) {
        state.checks = 0;
        state.dueAt = dayStart(at, kCheckDays[0]);
    } else if (wasDue) {
        // A right answer before the day comes is no check: it says nothing about forgetting.
        ++state.checks;
        state.dueAt.reset();
        if (state.checks < kChecks)
            state.dueAt = dayStart(at, kCheckDays[state.checks]);
    }
}

QList<int> queue(const QList<QuestionState>& states, qint64 now) {
    QList<QuestionState> due;
    QList<QuestionState> waiting;
    for (const QuestionState& s : states) {
        if (checkDue(s, now))
            due.append(s);
        else if (inDrill(s))
            waiting.append(s);
    }
    std::sort(due.begin(), due.end(), [](const QuestionState& x, const QuestionState& y) {
        return x.dueAt != y.dueAt ? *x.dueAt < *y.dueAt : x.record < y.record;
    });
    std::sort(waiting.begin(), waiting.end(), [](const QuestionState& x, const QuestionState& y) {
        if (x.misses != y.misses)
            return x.misses > y.misses;
        if (x.lastAt != y.lastAt)
            return x.lastAt < y.lastAt;
        return x.lastAnswer < y.lastAnswer;
    });
    QList<int> records;
    for (const QuestionState& s : due + waiting)
        records.append(s.record);
    return records;
}

QList<QuestionState> replay(const QList<Attempt>& attempts) {
    QMap<int, QuestionState> states;
    for (int i = 0; i < attempts.size(); ++i)
        apply(states[attempts[i].question.record], attempts[i].question, attempts[i].at, i + 1);
    return states.values();
}

QList<int> queue(const QList<Attempt>& attempts, qint64 now) {
    return queue(replay(attempts), now);
}

} // namespace drill
