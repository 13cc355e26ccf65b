#include "engine/test_report.h"

#include "runtime/control_names.h"
#include "runtime/value_conversions.h"

namespace varnoq {

using namespace names;

namespace {

constexpr WindowName ResultsWindow = WindowName::ResultsWindow;

// Element n (from 1) of the summary; the results can only be opened once all five exist, and a
// missing one reads as 0 rather than past the end.
std::int32_t summaryValue(const TestState& state, size_t n) {
    return n <= state.summaryValues.size() ? state.summaryValues[n - 1] : 0;
}

} // namespace

std::string percentText(std::int32_t part, std::int32_t answered) {
    // With no answer the rate is 0 / 0; the user sees "0%", not "-1.#IND%".
    if (answered == 0)
        return "0%";
    // Divide first, then multiply: 23 of 40 gives 57.49999999999999, which the nudge lifts to 58.
    const double share = double(part) / double(answered);
    const double percent = share * 100.0;
    return concatText({toText(roundHalfAway(percent, 0)), "%"});
}

std::string answersPerMinuteText(std::int32_t answered, std::int32_t testLengthSeconds) {
    const double minutes = double(testLengthSeconds) / 60.0;
    return toText(roundHalfAway(double(answered) / minutes, 0));
}

void showTestReport(Engine& engine) {
    const TestState& state = engine.state;
    ControlOperations& controls = engine.controls;

    const size_t rows = state.answerLog.size();
    for (size_t i = 1; i <= rows; ++i) {
        const AnswerRecord& record = state.answerLog[i - 1];
        const auto row = std::int32_t(i - 1);
        controls.appendRow(ResultsWindow, 超级列表框1, toText(std::int32_t(i)));
        controls.setCellText(ResultsWindow, 超级列表框1, row, 1, record.expression);
        controls.setCellText(ResultsWindow, 超级列表框1, row, 2, record.wrongMark);
    }

    const std::int32_t answered = summaryValue(state, 1);
    const std::int32_t correct = summaryValue(state, 2);
    const std::int32_t wrong = summaryValue(state, 3);
    const std::int32_t testLength = summaryValue(state, 4);
    const std::int32_t missed = summaryValue(state, 5);

    controls.writeText(ResultsWindow, 标签9, toText(answered));
    controls.writeText(ResultsWindow, 标签10, toText(correct));
    controls.writeText(ResultsWindow, 标签11, toText(wrong));
    controls.writeText(ResultsWindow, 标签12, percentText(correct, answered));
    controls.writeText(ResultsWindow, 标签13, percentText(wrong, answered));
    controls.writeText(ResultsWindow, 标签14, toText(testLength));
    controls.writeText(ResultsWindow, 标签15, answersPerMinuteText(answered, testLength));
    controls.writeText(ResultsWindow, 标签16, toText(missed));
}

} // namespace varnoq
