#include "engine/question_generator.h"

#include "runtime/control_names.h"
#include "runtime/value_conversions.h"

#include <cmath>

namespace varnoq {

using namespace names;

namespace {

constexpr WindowName MainWindow = WindowName::MainWindow;

std::int32_t squareBound(const TestState& state) {
    return floorToInt(squareRoot(double(state.maxNumber)));
}

void drawAddition(Engine& engine) {
    TestState& state = engine.state;
    do {
        state.operand1 = engine.random.randomInt(1, state.maxNumber);
        state.operand2 = engine.random.randomInt(1, state.maxNumber);
    } while (!(double(state.maxNumber) - (double(state.operand1) + double(state.operand2)) >=
               -EPSILON));
}

void drawSubtraction(Engine& engine) {
    TestState& state = engine.state;
    do {
        state.operand1 = engine.random.randomInt(1, state.maxNumber);
        state.operand2 = engine.random.randomInt(1, state.maxNumber);
    } while (!(state.operand1 >= state.operand2));
}

void drawMultiplication(Engine& engine) {
    TestState& state = engine.state;
    do {
        state.operand1 = engine.random.randomInt(1, squareBound(state));
        state.operand2 = engine.random.randomInt(1, squareBound(state));
    } while (!(double(state.maxNumber) - double(state.operand1) * double(state.operand2) >=
               -EPSILON));
}

// The first draw is the quotient; operand1 becomes the dividend, so every division comes out even.
void drawDivision(Engine& engine) {
    TestState& state = engine.state;
    do {
        state.operand1 = engine.random.randomInt(1, squareBound(state));
        state.operand2 = engine.random.randomInt(1, squareBound(state));
        state.operand1 = truncToInt(double(state.operand1) * double(state.operand2));
    } while (!(state.operand1 >= state.operand2));
}

bool drawOdd(Engine& engine) {
    const double remainder = realRemainder(double(engine.random.randomInt(1, 20)), 2.0);
    return std::fabs(remainder - 1.0) <= EPSILON;
}

} // namespace

void generateQuestion(Engine& engine) {
    switch (engine.state.operationMode) {
    case Add:
        drawAddition(engine);
        break;
    case Subtract:
        drawSubtraction(engine);
        break;
    case Multiply:
        drawMultiplication(engine);
        break;
    case Divide:
        drawDivision(engine);
        break;
    case AddOrSubtract:
        if (drawOdd(engine)) {
            drawAddition(engine);
            engine.controls.writeText(MainWindow, 标签框运算符1, "+");
        } else {
            drawSubtraction(engine);
            engine.controls.writeText(MainWindow, 标签框运算符1, "-");
        }
        break;
    case MultiplyOrDivide:
        if (drawOdd(engine)) {
            drawMultiplication(engine);
            engine.controls.writeText(MainWindow, 标签框运算符1, "×");
        } else {
            drawDivision(engine);
            engine.controls.writeText(MainWindow, 标签框运算符1, "÷");
        }
        break;
    default:
        // No such operation: the previous question stays.
        break;
    }
}

void prepareFirstQuestion(Engine& engine) {
    TestState& state = engine.state;
    ControlOperations& controls = engine.controls;

    state.operationMode = controls.readSelectedIndex(MainWindow, 组合框运算方式);
    if (state.operationMode < AddOrSubtract)
        controls.writeText(MainWindow, 标签框运算符1, controls.readText(MainWindow, 组合框运算方式));
    else if (state.operationMode > MultiplyOrDivide)
        controls.messageBox("选择错误！");

    state.maxNumber = truncToInt(toNumber(controls.readText(MainWindow, 组合框最大数)));
    generateQuestion(engine);
    controls.writeText(MainWindow, 标签框数字1, toText(state.operand1));
    controls.writeText(MainWindow, 标签框数字2, toText(state.operand2));

    controls.enable(MainWindow, 编辑框结果);
    controls.writeText(MainWindow, 编辑框结果, "");
    controls.setFocus(MainWindow, 编辑框结果);
}

} // namespace varnoq
