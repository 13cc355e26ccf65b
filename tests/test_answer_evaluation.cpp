#include "engine/answer_evaluation.h"
#include "tests/support/drill_fixture.h"

#include <QLineEdit>
#include <QTest>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;

namespace {

// Puts a question of our choosing on screen, as the generator would have.
void showQuestion(DrillFixture& drill, int operand1, const QString& shownOperator, int operand2) {
    drill.state.operand1 = operand1;
    drill.state.operand2 = operand2;
    drill.controls.writeText(WindowName::MainWindow, 标签框数字1, std::to_string(operand1));
    drill.controls.writeText(WindowName::MainWindow, 标签框运算符1, shownOperator.toStdString());
    drill.controls.writeText(WindowName::MainWindow, 标签框数字2, std::to_string(operand2));
}

} // namespace

class AnswerEvaluationTest : public QObject {
    Q_OBJECT

private slots:
    void verdict_data();
    void verdict();
    void logRowsFollowTheAnswers();
    void mixedTestIsJudgedByTheOperatorShown();
    void nextButtonSubmitsLikeEnter();
};

void AnswerEvaluationTest::verdict_data() {
    QTest::addColumn<int>("operand1");
    QTest::addColumn<QString>("shownOperator");
    QTest::addColumn<int>("operand2");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("expression");

    const auto row = [](const char* name, int a, const char* op, int b, const char* answer,
                        bool correct, const char* expression) {
        QTest::newRow(name) << a << QString::fromUtf8(op) << b << QString::fromUtf8(answer)
                            << correct << QString::fromUtf8(expression);
    };
    row("sum", 3, "+", 4, "7", true, "3+4=7");
    row("leading zero is the same number", 3, "+", 4, "07", true, "3+4=07");
    row("wrong sum", 3, "+", 4, "8", false, "3+4=8");
    row("empty is wrong even for 0", 6, "-", 6, "", false, "6-6=");
    row("a lone minus is no answer", 6, "-", 6, "-", false, "6-6=-");
    row("two minus signs are no answer", 6, "-", 6, "--", false, "6-6=--");
    row("digits after two minus signs are no number", 6, "-", 6, "--0", false, "6-6=--0");
    row("minus zero is zero", 6, "-", 6, "-0", true, "6-6=-0");
    row("trailing minus ends the number", 6, "-", 6, "0-", true, "6-6=0-");
    row("zero difference", 7, "-", 7, "0", true, "7-7=0");
    row("negative for a difference", 7, "-", 7, "-7", false, "7-7=-7");
    row("product", 10, "×", 10, "100", true, "10×10=100");
    row("quotient", 961, "÷", 31, "31", true, "961÷31=31");
    row("quotient off by one", 12, "÷", 4, "4", false, "12÷4=4");
    row("unknown operator expects 0", 3, "?", 4, "0", true, "3?4=0");
    row("program-written full-width digit", 3, "+", 4, "７", true, "3+4=７");
}

void AnswerEvaluationTest::verdict() {
    QFETCH(int, operand1);
    QFETCH(QString, shownOperator);
    QFETCH(int, operand2);
    QFETCH(QString, answer);
    QFETCH(bool, correct);
    QFETCH(QString, expression);

    DrillFixture drill;
    drill.choose(组合框最大数, QStringLiteral("1000"));
    drill.click(按钮开始);
    drill.controls.writePosition(WindowName::MainWindow, 进度条2, 17);
    showQuestion(drill, operand1, shownOperator, operand2);
    drill.answer(answer);

    QCOMPARE(drill.state.answeredCount, 1);
    QCOMPARE(drill.state.correctCount, correct ? 1 : 0);
    QCOMPARE(drill.state.wrongCount, correct ? 0 : 1);
    // Only the counter that moved has its label written.
    QCOMPARE(drill.text(标签正确数), correct ? QStringLiteral("1") : QString());
    QCOMPARE(drill.text(标签错误数), correct ? QString() : QStringLiteral("1"));
    QCOMPARE(drill.text(标签总题数), QStringLiteral("1"));

    QCOMPARE(drill.state.answerLog.size(), size_t(1));
    QCOMPARE(QString::fromStdString(drill.state.answerLog[0].expression), expression);
    QCOMPARE(QString::fromStdString(drill.state.answerLog[0].wrongMark),
             correct ? QString() : QStringLiteral("错"));

    // The next question, in an empty focused box, with the per-question time restarted.
    QCOMPARE(drill.text(标签框数字1), QString::number(drill.state.operand1));
    QCOMPARE(drill.text(标签框数字2), QString::number(drill.state.operand2));
    QCOMPARE(drill.text(编辑框结果), QString());
    QCOMPARE(QApplication::focusWidget(), drill.widget(编辑框结果));
    QCOMPARE(drill.position(进度条2), 0);
}

void AnswerEvaluationTest::logRowsFollowTheAnswers() {
    DrillFixture drill;
    drill.click(按钮开始);
    std::vector<std::string> shown;
    for (int n = 1; n <= 12; ++n) {
        const QString question =
            drill.text(标签框数字1) + drill.text(标签框运算符1) + drill.text(标签框数字2) + "=";
        const QString answer =
            n % 3 == 0 ? QStringLiteral("999") : QString::number(drill.rightAnswer());
        shown.push_back((question + answer).toStdString());
        drill.answer(answer);
    }
    QCOMPARE(drill.state.answeredCount, 12);
    QCOMPARE(drill.state.correctCount, 8);
    QCOMPARE(drill.state.wrongCount, 4);
    QCOMPARE(drill.state.answerLog.size(), size_t(12));
    for (size_t row = 0; row < shown.size(); ++row) {
        QCOMPARE(drill.state.answerLog[row].expression, shown[row]);
        QCOMPARE(drill.state.answerLog[row].wrongMark, std::string(row % 3 == 2 ? "错" : ""));
    }
    QCOMPARE(drill.text(标签正确数), QStringLiteral("8"));
    QCOMPARE(drill.text(标签错误数), QStringLiteral("4"));
}

void AnswerEvaluationTest::mixedTestIsJudgedByTheOperatorShown() {
    DrillFixture drill(31337);
    drill.choose(组合框运算方式, QStringLiteral("+、-"));
    drill.click(按钮开始);
    for (int n = 0; n < 40; ++n) {
        const QString before = drill.text(标签框运算符1);
        const int right = drill.rightAnswer();
        drill.answer(QString::number(right));
        QCOMPARE(drill.state.correctCount, n + 1);
        QVERIFY(QString::fromStdString(drill.state.answerLog.back().expression).contains(before));
    }
}

void AnswerEvaluationTest::nextButtonSubmitsLikeEnter() {
    DrillFixture drill;
    drill.click(按钮开始);
    QTest::keyClicks(drill.widget(编辑框结果), QString::number(drill.rightAnswer()));
    drill.click(按钮下一题);
    QCOMPARE(drill.state.correctCount, 1);
    QCOMPARE(drill.text(编辑框结果), QString());
    QCOMPARE(QApplication::focusWidget(), drill.widget(编辑框结果));
}

QTEST_MAIN(AnswerEvaluationTest)
#include "test_answer_evaluation.moc"
