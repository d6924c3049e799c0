// libFuzzer entry point for testrules::reportLines; see run_fuzz.sh.
#include "base/apperror.h"
#include "content/questionbank.h"
#include "selftest/testrules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // A test as the page leaves it: distinct records, answers 1..4, and the count that
    // advancing keeps. Now and then answers outside 1..4 stand in for a bank line's odd number.
    TestState s;
    s.QuestionNumber = in.ConsumeIntegralInRange(2, testrules::kMaxLength + 1);
    const bool odd = in.ConsumeBool();
    std::array<int, QuestionBank::kRecords> records;
    std::iota(records.begin(), records.end(), 1);
    for (int i = 0; i < s.QuestionNumber - 1; ++i)
        std::swap(records[i], records[in.ConsumeIntegralInRange<int>(i, records.size() - 1)]);
    const int answered = s.QuestionNumber - 1;
    int wrong = 0;
    std::size_t expected = 1;
    for (int i = 1; i <= answered; ++i) {
        s.AskedQuestions[i] = records[i - 1];
        s.CorrectAnswers[i] = odd ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(1, 4);
        s.GivenAnswers[i + 1] = odd ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(1, 4);
        const int c = s.CorrectAnswers[i], g = s.GivenAnswers[i + 1];
        if (c != g) {
            ++wrong;
            // Question, four options, separator; a marked option adds an opener and a closer.
            expected += 6 + 2 * ((c >= 1 && c <= 4) + (g >= 1 && g <= 4));
        }
    }
    s.CorrectCount = answered - wrong;

    const std::string text = in.ConsumeRemainingBytesAsString();
    const QStringList parts = QString::fromUtf8(text.data(), qsizetype(text.size())).split(u'\n');
    QStringList lines;
    for (int k = 0; k < QuestionBank::kLines; ++k)
        lines << parts[k % parts.size()];
    const QuestionBank bank(lines);

    const QStringList report = testrules::reportLines(s, bank);
    if (report.size() != qsizetype(expected) || (wrong == 0) != report[0].contains(u"all of your"))
        std::abort();
    for (int i = 1; i <= answered; ++i) {
        try {
            bank.CorrectOption(s.AskedQuestions[i]);
        } catch (const AppError&) {
        }
    }
    return 0;
}
