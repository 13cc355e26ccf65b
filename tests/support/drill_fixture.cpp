#include "tests/support/drill_fixture.h"

#include "engine/answer_evaluation.h"
#include "engine/test_flow.h"
#include "runtime/precise_timer.h"
#include "ui/run_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace varnoq::testing {

using namespace names;

DrillFixture::DrillFixture(std::uint32_t seed) {
    setUpApplication();
    initTestState(state);
    controls.setMessageBoxResponder([this](const std::string& text) { messages.push_back(text); });
    window = openMainWindow(engine, controls);
    // The created event seeded from the clock; tests want a known sequence.
    random.seedRandom(seed);
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the main window did not become active");
}

DrillFixture::~DrillFixture() {
    delete window.data();
    releaseTestState(state);
}

QString DrillFixture::text(std::string_view control) {
    return QString::fromStdString(controls.readText(WindowName::MainWindow, control));
}

void DrillFixture::click(std::string_view button) {
    QTest::mouseClick(get<QAbstractButton>(button), Qt::LeftButton);
}

void DrillFixture::choose(std::string_view dropDown, const QString& item) {
    auto* list = get<QComboBox>(dropDown);
    const int index = list->findText(item);
    Q_ASSERT(index >= 0);
    list->setCurrentIndex(index);
}

void DrillFixture::answer(const QString& text) {
    get<QLineEdit>(编辑框结果)->setText(text);
    QTest::keyClick(widget(编辑框结果), Qt::Key_Return);
}

std::int32_t DrillFixture::rightAnswer() {
    return expectedResult(controls.readText(WindowName::MainWindow, 标签框运算符1), state.operand1,
                          state.operand2);
}

void DrillFixture::testTicks(int n) {
    for (int i = 0; i < n; ++i)
        testTimerTick(engine);
}

void DrillFixture::questionTicks(int n) {
    for (int i = 0; i < n; ++i)
        questionTimerTick(engine);
}

void DrillFixture::runWholeTest() {
    click(按钮开始);
    const int seconds = text(组合框总时长).toInt();
    testTicks(seconds * TICKS_PER_SECOND + 1);
}

int DrillFixture::period(std::string_view timer) { return get<PreciseTimer>(timer)->period(); }

Phase DrillFixture::phase() {
    const bool start = enabled(按钮开始);
    const bool next = enabled(按钮下一题);
    const bool results = enabled(按钮测试结果);
    const bool box = enabled(编辑框结果);
    const bool testTimer = period(时钟1) > 0;
    const bool questionTimer = period(时钟单题2) > 0;
    const bool summary = !state.summaryValues.empty();
    if (!enabled(按钮重置) || state.summaryValues.size() % 5 != 0 || state.summaryValues.size() > 5)
        return Phase::Unknown;
    if (start && !next && !results && !box && !testTimer && !questionTimer && !summary &&
        text(编辑框结果).isEmpty())
        return Phase::Ready;
    if (!start && next && !results && box && testTimer && !summary)
        return Phase::Running;
    if (!start && !next && results && !box && !testTimer && !questionTimer && summary)
        return Phase::Finished;
    return Phase::Unknown;
}

const char* phaseName(Phase phase) {
    switch (phase) {
    case Phase::Ready:
        return "Ready";
    case Phase::Running:
        return "Running";
    case Phase::Finished:
        return "Finished";
    case Phase::Unknown:
        break;
    }
    return "Unknown";
}

} // namespace varnoq::testing
