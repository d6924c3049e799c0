#pragma once

#include "progress/finishedtest.h"

#include <QCoreApplication>

class QuestionBank;

// A past test shown again from what the history kept of it: each question, the answer given,
// the right one, and a link to the question's answer page ("answer:12" for practice question
// 12). Our own page, written fresh: nothing here touches result.html.
class TestReview {
    Q_DECLARE_TR_FUNCTIONS(TestReview)
public:
    enum class Show { All, Missed };
    static QString html(const FinishedTest& test, const QuestionBank& bank, Show show);
    // The practice number of a link made by html(); 0 for any other link.
    static int answerPage(const QUrl& link);
};
