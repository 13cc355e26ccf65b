#include "engine/test_flow.h"

#include "engine/answer_evaluation.h"
#include "engine/question_generator.h"
#include "runtime/control_names.h"
#include "runtime/value_conversions.h"

namespace varnoq {

using namespace names;

namespace {

constexpr WindowName MainWindow = WindowName::MainWindow;

// Reads the position, adds 1 as a real and writes the truncated sum back; returns what the bar
// then reads.
std::int32_t countTick(ControlOperations& controls, std::string_view bar) {
    const double next = double(controls.readPosition(MainWindow, bar)) + 1.0;
    controls.writePosition(MainWindow, bar, truncToInt(next));
    return controls.readPosition(MainWindow, bar);
}

// Whether the ticks counted have passed the limit given in seconds by the drop-down's text now.
bool limitPassed(ControlOperations& controls, std::int32_t ticks, std::string_view secondsList) {
    const double seconds = toNumber(controls.readText(MainWindow, secondsList));
    return double(ticks) - seconds * TICKS_PER_SECOND > EPSILON;
}

} // namespace

void mainWindowCreated(Engine& engine) {
    ControlOperations& controls = engine.controls;
    controls.setFocus(MainWindow, 按钮重置);
    engine.random.seedRandom(tickCount());
    controls.disable(MainWindow, 按钮测试结果);
    controls.disable(MainWindow, 按钮下一题);
    controls.disable(MainWindow, 编辑框结果);
}

void startTest(Engine& engine) {
    ControlOperations& controls = engine.controls;
    controls.disable(MainWindow, 按钮开始);
    controls.enable(MainWindow, 按钮下一题);
    controls.disable(MainWindow, 按钮测试结果);

    const double testLength = toNumber(controls.readText(MainWindow, 组合框总时长));
    controls.writeMaximum(MainWindow, 进度条1, truncToInt(testLength * TICKS_PER_SECOND));
    controls.setPeriod(MainWindow, 时钟1, TIMER_PERIOD_MS);

    if (controls.readChecked(MainWindow, 选择框1) == 1) {
        const double questionLength = toNumber(controls.readText(MainWindow, 组合框单题时长));
        controls.writeMaximum(MainWindow, 进度条2, truncToInt(questionLength * TICKS_PER_SECOND));
        controls.setPeriod(MainWindow, 时钟单题2, TIMER_PERIOD_MS);
    } else {
        controls.setPeriod(MainWindow, 时钟单题2, 0);
    }

    prepareFirstQuestion(engine);
}

void perQuestionTimingToggled(Engine& engine) {
    ControlOperations& controls = engine.controls;
    if (controls.readChecked(MainWindow, 选择框1) == 1) {
        controls.show(MainWindow, 进度条2);
        controls.enable(MainWindow, 组合框单题时长);
    } else {
        controls.disable(MainWindow, 组合框单题时长);
        controls.hide(MainWindow, 进度条2);
    }
}

void questionTimerTick(Engine& engine) {
    ControlOperations& controls = engine.controls;
    const std::int32_t questionTicks = countTick(controls, 进度条2);
    if (!limitPassed(controls, questionTicks, 组合框单题时长))
        return;
    controls.repaintNow(MainWindow, 进度条2);
    submitAnswer(engine);
    engine.state.missedCount += 1;
}

void testTimerTick(Engine& engine) {
    ControlOperations& controls = engine.controls;
    const std::int32_t testTicks = countTick(controls, 进度条1);
    if (limitPassed(controls, testTicks, 组合框总时长))
        finishTest(engine);
}

void finishTest(Engine& engine) {
    TestState& state = engine.state;
    ControlOperations& controls = engine.controls;

    controls.repaintNow(MainWindow, 进度条1);
    controls.setPeriod(MainWindow, 时钟1, 0);
    controls.setPeriod(MainWindow, 时钟单题2, 0);
    controls.disable(MainWindow, 编辑框结果);
    controls.disable(MainWindow, 按钮开始);
    controls.disable(MainWindow, 按钮下一题);
    controls.messageBox("时间结束！");
    controls.enable(MainWindow, 按钮测试结果);

    state.summaryValues.push_back(state.answeredCount);
    state.summaryValues.push_back(state.correctCount);
    state.summaryValues.push_back(state.wrongCount);
    // The length the test really ran: the test ends on the tick after its last full second, and
    // the length setting may have been changed while it ran.
    const double testTicks = controls.readPosition(MainWindow, 进度条1);
    state.summaryValues.push_back(truncToInt((testTicks - 1.0) / TICKS_PER_SECOND));
    state.summaryValues.push_back(state.missedCount);
}

void resetTest(Engine& engine) {
    ControlOperations& controls = engine.controls;
    controls.setPeriod(MainWindow, 时钟1, 0);
    controls.setPeriod(MainWindow, 时钟单题2, 0);
    controls.writePosition(MainWindow, 进度条1, 0);
    controls.writePosition(MainWindow, 进度条2, 0);
    controls.writeText(MainWindow, 编辑框结果, "");
    controls.disable(MainWindow, 编辑框结果);
    controls.writeText(MainWindow, 标签框数字1, "");
    controls.writeText(MainWindow, 标签框数字2, "");
    controls.writeText(MainWindow, 标签框运算符1, "");
    controls.enable(MainWindow, 按钮开始);
    controls.disable(MainWindow, 按钮下一题);
    controls.disable(MainWindow, 按钮测试结果);
    controls.writeText(MainWindow, 标签总题数, "");
    controls.writeText(MainWindow, 标签正确数, "");
    controls.writeText(MainWindow, 标签错误数, "");
    resetTestState(engine.state);
}

} // namespace varnoq
