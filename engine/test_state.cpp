#include "engine/test_state.h"

namespace varnoq {

void initTestState(TestState& state) { state = TestState{}; }

void resetTestState(TestState& state) {
    state.answeredCount = 0;
    state.correctCount = 0;
    state.wrongCount = 0;
    state.missedCount = 0;
    state.answerLog.clear();
    state.summaryValues.clear();
}

void releaseTestState(TestState& state) {
    // Give the memory back, not just the rows.
    std::vector<AnswerRecord>().swap(state.answerLog);
    std::vector<std::int32_t>().swap(state.summaryValues);
}

} // namespace varnoq
