#pragma once

#include "selftest/randomdraw.h"
#include "selftest/teststate.h"

#include <QString>

class QuestionBank;

namespace testrules {

constexpr int kMaxLength = 178;

// A record number 1..179 not yet among the questions before the current one. Raises AppError
// rather than looping for ever if every record has been asked.
int drawRecord(RandomDraw& random, const TestState& state);

// The success rate in the general format: up to 15 significant digits, "." as the separator.
QString successRateText(double rate);

// The lines of the wrong-answers report, in the order the questions were asked.
QStringList reportLines(const TestState& state, const QuestionBank& bank);

} // namespace testrules
