#include "engine/answer_evaluation.h"

#include "engine/question_generator.h"
#include "runtime/control_names.h"
#include "runtime/value_conversions.h"

#include <cmath>

namespace varnoq {

using namespace names;

namespace {
constexpr WindowName MainWindow = WindowName::MainWindow;
} // namespace

std::int32_t expectedResult(const std::string& operatorCaption, std::int32_t operand1,
                            std::int32_t operand2) {
    const double a = operand1;
    const double b = operand2;
    if (compareText(operatorCaption, "+") == 0)
        return truncToInt(a + b);
    if (compareText(operatorCaption, "-") == 0)
        return truncToInt(a - b);
    if (compareText(operatorCaption, "×") == 0)
        return truncToInt(a * b);
    if (compareText(operatorCaption, "÷") == 0)
        return truncToInt(a / b);
    return 0;
}

void submitAnswer(Engine& engine) {
    TestState& state = engine.state;
    ControlOperations& controls = engine.controls;

    controls.writePosition(MainWindow, 进度条2, 0);

    const std::int32_t expected = expectedResult(controls.readText(MainWindow, 标签框运算符1),
                                                 state.operand1, state.operand2);
    const std::string answer = controls.readText(MainWindow, 编辑框结果);
    const double given = toNumber(answer);
    // A text that starts with no number ("", "-", "--", "--0") reads as 0: no answer to 6 - 6.
    const bool correct = std::fabs(given - double(expected)) <= EPSILON &&
                         compareText(answer, "") != 0 && holdsNumber(answer);

    const auto expression = [&] {
        return concatText({controls.readText(MainWindow, 标签框数字1),
                           controls.readText(MainWindow, 标签框运算符1),
                           controls.readText(MainWindow, 标签框数字2),
                           controls.readText(MainWindow, 标签框等号), answer});
    };
    AnswerRecord record;
    if (correct) {
        state.correctCount += 1;
        record = {expression(), ""};
        controls.writeText(MainWindow, 标签正确数, toText(state.correctCount));
    } else {
        state.wrongCount += 1;
        controls.writeText(MainWindow, 标签错误数, toText(state.wrongCount));
        record = {expression(), "错"};
    }

    state.answeredCount += 1;
    state.answerLog.resize(size_t(state.answeredCount));
    state.answerLog.back() = std::move(record);

    generateQuestion(engine);
    controls.writeText(MainWindow, 标签总题数, toText(state.answeredCount));
    controls.writeText(MainWindow, 标签框数字1, toText(state.operand1));
    controls.writeText(MainWindow, 标签框数字2, toText(state.operand2));
    controls.writeText(MainWindow, 编辑框结果, "");
    controls.setFocus(MainWindow, 编辑框结果);
}

} // namespace varnoq
