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

void apply(QuestionState& state, const AskedQuestion& answer, qint64 at, qint64 order) {
    state.record = answer.record;
    state.rightRun = answer.right() ? state.rightRun + 1 : 0;
    state.misses += answer.right() ? 0 : 1;
    state.lastAt = at;
    state.lastAnswer = order;
}

QList<int> queue(const QList<QuestionState>& states) {
    QList<QuestionState> waiting;
    for (const QuestionState& s : states) {
        if (s.misses > 0 && s.rightRun < kRightInARowToLeave)
            waiting.append(s);
    }
    std::sort(waiting.begin(), waiting.end(), [](const QuestionState& x, const QuestionState& y) {
        if (x.misses != y.misses)
            return x.misses > y.misses;
        if (x.lastAt != y.lastAt)
            return x.lastAt < y.lastAt;
        return x.lastAnswer < y.lastAnswer;
    });
    QList<int> records;
    for (const QuestionState& s : waiting)
        records.append(s.record);
    return records;
}

QList<QuestionState> replay(const QList<Attempt>& attempts) {
    QMap<int, QuestionState> states;
    for (int i = 0; i < attempts.size(); ++i)
        apply(states[attempts[i].question.record], attempts[i].question, attempts[i].at, i + 1);
    return states.values();
}

QList<int> queue(const QList<Attempt>& attempts) {
    return queue(replay(attempts));
}

} // namespace drill
