#pragma once

#include <QDateTime>
#include <QList>

// One question as it was asked and answered: its bank record, the option chosen (1 to 4) and
// the bank's key, the correct option.
struct AskedQuestion {
    int record = 0;
    int given = 0;
    int key = 0;

    bool right() const { return given == key; }
    friend bool operator==(const AskedQuestion&, const AskedQuestion&) = default;
};

// A test as it ended: completed at the advance that showed the summary, or ended early with
// "End the Test!" after the questions answered so far.
struct FinishedTest {
    QDateTime endedAt;
    int length = 0; // the number of questions the test was set to
    bool endedEarly = false;
    QList<AskedQuestion> questions; // answered ones, in the order asked
    bool mock = false;              // a mock exam of My Progress, not the Test Yourself page's

    int correct() const;
    int incorrect() const { return int(questions.size()) - correct(); }
    double rate() const; // percent of the answered questions; 0 when none was answered
};

// One answer as the history holds it, tests and drills alike, in the order given.
struct Attempt {
    AskedQuestion question;
    qint64 at = 0; // milliseconds since the epoch
    bool drill = false;
};
