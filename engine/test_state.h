#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnoq {

struct AnswerRecord {
    std::string expression; // the question and the answer as shown, e.g. "12+7=19"
    std::string wrongMark;  // "" or "错"
};

// The one record of the current test. Row n of answerLog (from 1) is answerLog[n - 1].
struct TestState {
    std::int32_t operand1 = 0;
    std::int32_t operand2 = 0;
    std::int32_t correctCount = 0;
    std::int32_t wrongCount = 0;
    std::int32_t answeredCount = 0;
    std::vector<AnswerRecord> answerLog;
    std::int32_t operationMode = 0;
    std::int32_t maxNumber = 0;
    std::int32_t missedCount = 0;
    // answeredCount, correctCount, wrongCount, test length in seconds, missedCount; or nothing.
    std::vector<std::int32_t> summaryValues;
};

void initTestState(TestState& state);
// Counters to 0, log and summary emptied; operands, mode and largest number kept.
void resetTestState(TestState& state);
void releaseTestState(TestState& state);

inline constexpr double EPSILON = 0.0000001;

} // namespace varnoq
