#include "engine/test_state.h"

#include <QTest>

using namespace varnoq;

class TestStateTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmpty();
    void resetKeepsTheQuestionAndItsSettings();
    void releaseGivesTheMemoryBack();
};

namespace {

TestState finishedTest() {
    TestState state;
    initTestState(state);
    state.operand1 = 12;
    state.operand2 = 7;
    state.operationMode = 4;
    state.maxNumber = 50;
    state.correctCount = 2;
    state.wrongCount = 1;
    state.answeredCount = 3;
    state.missedCount = 1;
    state.answerLog = {{"1+2=3", ""}, {"5-4=", "错"}, {"9+1=10", ""}};
    state.summaryValues = {3, 2, 1, 30, 1};
    return state;
}

} // namespace

void TestStateTest::startsEmpty() {
    TestState state = finishedTest();
    initTestState(state);
    QCOMPARE(state.operand1, 0);
    QCOMPARE(state.operand2, 0);
    QCOMPARE(state.operationMode, 0);
    QCOMPARE(state.maxNumber, 0);
    QCOMPARE(state.answeredCount + state.correctCount + state.wrongCount + state.missedCount, 0);
    QVERIFY(state.answerLog.empty());
    QVERIFY(state.summaryValues.empty());
}

void TestStateTest::resetKeepsTheQuestionAndItsSettings() {
    TestState state = finishedTest();
    resetTestState(state);
    QCOMPARE(state.answeredCount, 0);
    QCOMPARE(state.correctCount, 0);
    QCOMPARE(state.wrongCount, 0);
    QCOMPARE(state.missedCount, 0);
    QVERIFY(state.answerLog.empty());
    QVERIFY(state.summaryValues.empty());
    QCOMPARE(state.operand1, 12);
    QCOMPARE(state.operand2, 7);
    QCOMPARE(state.operationMode, 4);
    QCOMPARE(state.maxNumber, 50);

    resetTestState(state); // twice in a row is harmless
    QVERIFY(state.answerLog.empty());
    QCOMPARE(state.operand1, 12);
}

void TestStateTest::releaseGivesTheMemoryBack() {
    TestState state = finishedTest();
    releaseTestState(state);
    QVERIFY(state.answerLog.empty());
    QCOMPARE(state.answerLog.capacity(), size_t(0));
    QVERIFY(state.summaryValues.empty());
}

QTEST_APPLESS_MAIN(TestStateTest)
#include "test_test_state.moc"
