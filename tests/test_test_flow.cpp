#include "engine/test_flow.h"
#include "runtime/progress_bar.h"
#include "tests/support/drill_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;
using varnoq::testing::Phase;
using varnoq::testing::phaseName;

namespace {

void turnOnPerQuestionTiming(DrillFixture& drill) { drill.get<QCheckBox>(选择框1)->click(); }

} // namespace

class TestFlowTest : public QObject {
    Q_OBJECT

private slots:
    void readyAfterStartUp();
    void startRunsTheTimers();
    void thirtySecondTestEndsOnTick151();
    void questionIsForcedOnTick26_data();
    void questionIsForcedOnTick26();
    void resetInEveryPhase_data();
    void resetInEveryPhase();
    void perQuestionTimingFixedAtStart();
    void lengthChangedMidTest();
    void nothingCarriesOverToTheNextTest();
};

void TestFlowTest::readyAfterStartUp() {
    DrillFixture drill;
    QCOMPARE(phaseName(drill.phase()), phaseName(Phase::Ready));
    QCOMPARE(drill.window->focusWidget(), drill.widget(按钮重置));
    QVERIFY(!drill.widget(进度条2)->isVisible());
    QVERIFY(!drill.enabled(组合框单题时长));
}

void TestFlowTest::startRunsTheTimers() {
    DrillFixture drill;
    drill.choose(组合框总时长, QStringLiteral("120"));
    drill.click(按钮开始);
    QCOMPARE(phaseName(drill.phase()), phaseName(Phase::Running));
    QCOMPARE(drill.period(时钟1), TIMER_PERIOD_MS);
    QCOMPARE(drill.period(时钟单题2), 0);
    QCOMPARE(drill.controls.findAs<ProgressBar>(WindowName::MainWindow, 进度条1)->storedMaximum(), 600);
    QCOMPARE(drill.state.answeredCount, 0);
}

void TestFlowTest::thirtySecondTestEndsOnTick151() {
    DrillFixture drill;
    drill.click(按钮开始);
    drill.answer(QString::number(drill.rightAnswer()));
    drill.answer(QStringLiteral("-"));
    drill.testTicks(150);
    QCOMPARE(phaseName(drill.phase()), phaseName(Phase::Running));
    QVERIFY(drill.messages.empty());
    QCOMPARE(drill.controls.findAs<ProgressBar>(WindowName::MainWindow, 进度条1)->filledFraction(), 1.0);

    const QString question = drill.text(标签框数字1);
    QTest::keyClicks(drill.widget(编辑框结果), QStringLiteral("12"));
    drill.testTicks(1);
    QCOMPARE(drill.messages, std::vector<std::string>{"时间结束！"});
    QCOMPARE(phaseName(drill.phase()), phaseName(Phase::Finished));
    QCOMPARE(drill.state.summaryValues, (std::vector<std::int32_t>{2, 1, 1, 30, 0}));
    // The screen stays as it was at time-up.
    QCOMPARE(drill.text(标签框数字1), question);
    QCOMPARE(drill.text(编辑框结果), QStringLiteral("12"));
    QCOMPARE(drill.text(标签总题数), QStringLiteral("2"));
}

void TestFlowTest::questionIsForcedOnTick26_data() {
    QTest::addColumn<bool>("typeTheRightAnswer");
    QTest::newRow("empty box") << false;
    QTest::newRow("right answer typed, not submitted") << true;
}

void TestFlowTest::questionIsForcedOnTick26() {
    QFETCH(bool, typeTheRightAnswer);
    DrillFixture drill;
    turnOnPerQuestionTiming(drill);
    drill.click(按钮开始);
    QCOMPARE(drill.period(时钟单题2), TIMER_PERIOD_MS);
    if (typeTheRightAnswer)
        QTest::keyClicks(drill.widget(编辑框结果), QString::number(drill.rightAnswer()));
    drill.questionTicks(25);
    QCOMPARE(drill.state.answeredCount, 0);
    QCOMPARE(drill.position(进度条2), 25);
    drill.questionTicks(1);
    QCOMPARE(drill.state.answeredCount, 1);
    QCOMPARE(drill.state.missedCount, 1);
    QCOMPARE(drill.state.correctCount, typeTheRightAnswer ? 1 : 0);
    QCOMPARE(drill.state.wrongCount, typeTheRightAnswer ? 0 : 1);
    QCOMPARE(drill.position(进度条2), 0);
    // An answer given in time restarts the count for the next question.
    drill.questionTicks(10);
    drill.answer(QStringLiteral("0"));
    drill.questionTicks(25);
    QCOMPARE(drill.state.answeredCount, 2);
    QCOMPARE(drill.state.missedCount, 1);
}

void TestFlowTest::resetInEveryPhase_data() {
    QTest::addColumn<QString>("phase");
    QTest::newRow("ready after start-up") << QStringLiteral("ready");
    QTest::newRow("running") << QStringLiteral("running");
    QTest::newRow("finished") << QStringLiteral("finished");
    QTest::newRow("ready after reset") << QStringLiteral("reset");
}

void TestFlowTest::resetInEveryPhase() {
    QFETCH(QString, phase);
    DrillFixture drill;
    turnOnPerQuestionTiming(drill);
    if (phase != QStringLiteral("ready")) {
        drill.click(按钮开始);
        drill.answer(QStringLiteral("5"));
        drill.questionTicks(30);
        drill.testTicks(40);
    }
    if (phase == QStringLiteral("finished"))
        drill.testTicks(111);
    if (phase == QStringLiteral("reset"))
        drill.click(按钮重置);

    drill.click(按钮重置);
    QCOMPARE(phaseName(drill.phase()), phaseName(Phase::Ready));
    QCOMPARE(drill.position(进度条1), 0);
    QCOMPARE(drill.position(进度条2), 0);
    for (auto label : {标签框数字1, 标签框数字2, 标签框运算符1, 标签总题数, 标签正确数, 标签错误数})
        QCOMPARE(drill.text(label), QString());
    QCOMPARE(drill.text(标签框等号), QStringLiteral("="));
    QCOMPARE(drill.state.answeredCount + drill.state.correctCount + drill.state.wrongCount +
                 drill.state.missedCount,
             0);
    QVERIFY(drill.state.answerLog.empty());
    QVERIFY(drill.state.summaryValues.empty());
    // The settings stay as the user left them.
    QVERIFY(drill.get<QCheckBox>(选择框1)->isChecked());
    QVERIFY(drill.widget(进度条2)->isVisible());
}

void TestFlowTest::perQuestionTimingFixedAtStart() {
    DrillFixture drill;
    drill.click(按钮开始);
    turnOnPerQuestionTiming(drill); // checked after Start: this test has no time-outs
    QVERIFY(drill.widget(进度条2)->isVisible());
    QVERIFY(drill.enabled(组合框单题时长));
    QCOMPARE(drill.position(进度条2), 0);
    QCOMPARE(drill.period(时钟单题2), 0);
    drill.click(按钮重置);

    drill.click(按钮开始); // now started with it checked
    turnOnPerQuestionTiming(drill); // and unchecked during the test
    QVERIFY(!drill.widget(进度条2)->isVisible());
    QVERIFY(!drill.enabled(组合框单题时长));
    QCOMPARE(drill.period(时钟单题2), TIMER_PERIOD_MS);
    drill.choose(组合框单题时长, QStringLiteral("10")); // the disabled drop-down still decides
    drill.questionTicks(50);
    QCOMPARE(drill.state.missedCount, 0);
    drill.questionTicks(1);
    QCOMPARE(drill.state.missedCount, 1);
}

void TestFlowTest::lengthChangedMidTest() {
    DrillFixture drill;
    drill.choose(组合框总时长, QStringLiteral("600"));
    drill.click(按钮开始);
    for (int n = 0; n < 30; ++n)
        drill.answer(QString::number(drill.rightAnswer()));
    drill.testTicks(300);
    drill.choose(组合框总时长, QStringLiteral("30"));
    drill.testTicks(1);
    QCOMPARE(phaseName(drill.phase()), phaseName(Phase::Finished));
    auto* bar = drill.controls.findAs<ProgressBar>(WindowName::MainWindow, 进度条1);
    QCOMPARE(bar->readPosition(), 301);
    QCOMPARE(bar->storedMaximum(), 3000);
    // The summary records the 60 seconds the test really ran, not the 30 shown at time-up.
    QCOMPARE(drill.state.summaryValues, (std::vector<std::int32_t>{30, 30, 0, 60, 0}));
}

void TestFlowTest::nothingCarriesOverToTheNextTest() {
    DrillFixture drill;
    drill.runWholeTest();
    QVERIFY(!drill.enabled(按钮开始)); // a second test always follows a Reset
    drill.click(按钮开始);
    QCOMPARE(drill.period(时钟1), 0);
    drill.click(按钮重置);
    drill.click(按钮开始);
    drill.answer(QStringLiteral("1"));
    QCOMPARE(drill.state.answeredCount, 1);
    QCOMPARE(drill.state.answerLog.size(), size_t(1));
    QVERIFY(drill.state.summaryValues.empty());
}

QTEST_MAIN(TestFlowTest)
#include "test_test_flow.moc"
