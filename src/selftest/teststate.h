#pragma once

#include <array>

// The state of a running test. Slot k of AskedQuestions and CorrectAnswers belongs to
// question k; the choice made for question k is recorded one advance later, in slot k + 1 of
// GivenAnswers.
struct TestState {
    static constexpr int kSlots = 251;

    int QuestionNumber = 0; // questions drawn so far; 0 when no test runs
    int CorrectCount = 0;
    std::array<int, kSlots> AskedQuestions{};
    std::array<int, kSlots> CorrectAnswers{};
    std::array<int, kSlots> GivenAnswers{};
    double SuccessRate = 0.0;

    void clearSlots() {
        AskedQuestions.fill(0);
        CorrectAnswers.fill(0);
        GivenAnswers.fill(0);
    }
};
