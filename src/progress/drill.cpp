#include "progress/drill.h"

#include <QHash>

#include <algorithm>

int FinishedTest::correct() const {
    return int(std::count_if(questions.begin(), questions.end(),
                             [](const AskedQuestion& q) { return q.right(); }));
}

double FinishedTest::rate() const {
    return questions.isEmpty() ? 0.0 : 100.0 * correct() / double(questions.size());
}

namespace drill {

QList<int> queue(const QList<Attempt>& attempts) {
    struct Standing {
        int misses = 0;
        int rightInARow = 0;
        qint64 lastAt = 0;
        int lastIndex = 0; // ties of the clock (two answers in one millisecond) keep their order
    };
    QHash<int, Standing> standings;
    for (int i = 0; i < attempts.size(); ++i) {
        const Attempt& a = attempts[i];
        Standing& s = standings[a.question.record];
        s.rightInARow = a.question.right() ? s.rightInARow + 1 : 0;
        s.misses += a.question.right() ? 0 : 1;
        s.lastAt = a.at;
        s.lastIndex = i;
    }
    QList<int> records;
    for (auto it = standings.cbegin(); it != standings.cend(); ++it) {
        if (it->misses > 0 && it->rightInARow < kRightInARowToLeave)
            records.append(it.key());
    }
    std::sort(records.begin(), records.end(), [&](int a, int b) {
        const Standing& x = standings[a];
        const Standing& y = standings[b];
        if (x.misses != y.misses)
            return x.misses > y.misses;
        if (x.lastAt != y.lastAt)
            return x.lastAt < y.lastAt;
        return x.lastIndex < y.lastIndex;
    });
    return records;
}

} // namespace drill
