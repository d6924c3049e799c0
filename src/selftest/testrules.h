#pragma once

#include "selftest/randomdraw.h"
#include "selftest/teststate.h"

#include <QLocale>
#include <QString>

class QuestionBank;

namespace testrules {

constexpr int kMaxLength = 178;

// A record number 1..179 not yet among the questions before the current one. Raises AppError
// rather than looping for ever if every record has been asked.
int drawRecord(RandomDraw& random, const TestState& state);

// Correct answers as a percentage of those answered, worked out in extended precision and
// rounded once to a double, so that its 15 digits come out the same on every machine.
double successRate(int correct, int answered);

// The success rate in the general format: up to 15 significant digits, with the decimal
// separator of the locale (the user's by default) and no digit grouping.
QString successRateText(double rate, const QLocale& locale = QLocale());

// The lines of the wrong-answers report, in the order the questions were asked.
QStringList reportLines(const TestState& state, const QuestionBank& bank);
// What ends each question in the report.
QString questionSeparator();

} // namespace testrules
