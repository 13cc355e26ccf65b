#include "engine/question_generator.h"
#include "runtime/value_conversions.h"
#include "tests/support/drill_fixture.h"

#include <QComboBox>
#include <QTest>
#include <set>
#include <utility>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;

namespace {

const QStringList OPERATIONS{QStringLiteral("+"),   QStringLiteral("-"),   QStringLiteral("×"),
                             QStringLiteral("÷"),   QStringLiteral("+、-"), QStringLiteral("×、÷")};

// Whether the question on screen keeps the rule of the operator it shows.
QString ruleBroken(const TestState& state, const QString& shown) {
    const int a = state.operand1;
    const int b = state.operand2;
    const int max = state.maxNumber;
    const int s = int(std::sqrt(double(max)));
    const auto broken = [&](bool bad, const char* what) {
        return bad ? QStringLiteral("%1 %2 %3: %4").arg(a).arg(shown).arg(b).arg(QLatin1String(what))
                   : QString();
    };
    if (shown == QStringLiteral("+"))
        return broken(a < 1 || b < 1 || a + b > max, "sum out of range");
    if (shown == QStringLiteral("-"))
        return broken(a < 1 || b < 1 || a > max || b > max || a < b, "difference out of range");
    if (shown == QStringLiteral("×"))
        return broken(a < 1 || b < 1 || a > s || b > s || a * b > max, "product out of range");
    if (shown == QStringLiteral("÷"))
        return broken(b < 1 || b > s || a % b != 0 || a / b < 1 || a / b > s, "uneven division");
    return QStringLiteral("unknown operator ") + shown;
}

void start(DrillFixture& drill, int mode, const QString& maxNumber) {
    drill.choose(组合框运算方式, OPERATIONS[mode]);
    drill.choose(组合框最大数, maxNumber);
    drill.click(按钮开始);
}

} // namespace

class QuestionGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void boundsHoldOnEveryDraw_data();
    void boundsHoldOnEveryDraw();
    void everyAllowedPairTurnsUp_data();
    void everyAllowedPairTurnsUp();
    void mixedModesShowEachOperatorHalfTheTime_data();
    void mixedModesShowEachOperatorHalfTheTime();
    void startWithTheSettingsUntouched();
    void squareBounds_data();
    void squareBounds();
    void unknownOperationWarnsAndKeepsTheQuestion();
};

void QuestionGeneratorTest::boundsHoldOnEveryDraw_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("maxNumber");
    for (int mode = 0; mode < 6; ++mode)
        for (const char* max : {"10", "20", "50", "100", "200", "1000"})
            QTest::addRow("%s up to %s", OPERATIONS[mode].toUtf8().constData(), max)
                << mode << QString::fromLatin1(max);
}

void QuestionGeneratorTest::boundsHoldOnEveryDraw() {
    QFETCH(int, mode);
    QFETCH(QString, maxNumber);
    DrillFixture drill(unsigned(mode * 7919 + maxNumber.toInt()));
    start(drill, mode, maxNumber);
    QCOMPARE(drill.state.operationMode, mode);
    QCOMPARE(drill.state.maxNumber, maxNumber.toInt());
    const QString copiedAtStart = drill.text(标签框运算符1);
    for (int draw = 0; draw < 3000; ++draw) {
        const QString shown = drill.text(标签框运算符1);
        const QString broken = ruleBroken(drill.state, shown);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        if (mode < AddOrSubtract)
            QCOMPARE(shown, copiedAtStart);
        generateQuestion(drill.engine);
    }
}

void QuestionGeneratorTest::everyAllowedPairTurnsUp_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("pairs");
    QTest::newRow("+") << int(Add) << 45;       // a, b >= 1 with a + b <= 10
    QTest::newRow("-") << int(Subtract) << 55;  // 1 <= b <= a <= 10
    QTest::newRow("×") << int(Multiply) << 9;   // both 1 ... 3
    QTest::newRow("÷") << int(Divide) << 9;     // quotient and divisor 1 ... 3
}

void QuestionGeneratorTest::everyAllowedPairTurnsUp() {
    QFETCH(int, mode);
    DrillFixture drill(99);
    start(drill, mode, QStringLiteral("10"));
    std::set<std::pair<int, int>> seen;
    for (int draw = 0; draw < 4000; ++draw) {
        QVERIFY(ruleBroken(drill.state, drill.text(标签框运算符1)).isEmpty());
        seen.emplace(drill.state.operand1, drill.state.operand2);
        generateQuestion(drill.engine);
    }
    QTEST(int(seen.size()), "pairs");
    if (mode == Add) {
        QVERIFY(seen.count({5, 5}) == 1);
        QVERIFY(seen.count({6, 5}) == 0);
    }
    if (mode == Subtract)
        QVERIFY(seen.count({7, 7}) == 1);
}

void QuestionGeneratorTest::mixedModesShowEachOperatorHalfTheTime_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("+、-") << int(AddOrSubtract) << QStringLiteral("+") << QStringLiteral("-");
    QTest::newRow("×、÷") << int(MultiplyOrDivide) << QStringLiteral("×") << QStringLiteral("÷");
}

void QuestionGeneratorTest::mixedModesShowEachOperatorHalfTheTime() {
    QFETCH(int, mode);
    QFETCH(QString, first);
    QFETCH(QString, second);
    DrillFixture drill(2024);
    start(drill, mode, QStringLiteral("100"));
    const int draws = 4000;
    int firstCount = 0;
    int changes = 0;
    QString previous = drill.text(标签框运算符1);
    for (int draw = 0; draw < draws; ++draw) {
        generateQuestion(drill.engine);
        const QString shown = drill.text(标签框运算符1);
        QVERIFY(shown == first || shown == second);
        firstCount += shown == first;
        changes += shown != previous;
        previous = shown;
    }
    // Five standard deviations either side of one half.
    QVERIFY2(firstCount > 1842 && firstCount < 2158, qPrintable(QString::number(firstCount)));
    QVERIFY2(changes > 1842 && changes < 2158, qPrintable(QString::number(changes)));
}

void QuestionGeneratorTest::startWithTheSettingsUntouched() {
    DrillFixture drill;
    drill.click(按钮开始);
    QCOMPARE(drill.state.operationMode, int(Add));
    QCOMPARE(drill.state.maxNumber, 20);
    QCOMPARE(drill.text(标签框运算符1), QStringLiteral("+"));
    QCOMPARE(drill.text(标签框数字1), QString::number(drill.state.operand1));
    QCOMPARE(drill.text(标签框数字2), QString::number(drill.state.operand2));
    QVERIFY(drill.enabled(编辑框结果));
    QCOMPARE(QApplication::focusWidget(), drill.widget(编辑框结果));
    QCOMPARE(drill.text(标签总题数), QString()); // not touched at Start
}

void QuestionGeneratorTest::squareBounds_data() {
    QTest::addColumn<int>("maxNumber");
    QTest::addColumn<int>("bound");
    QTest::newRow("10") << 10 << 3;
    QTest::newRow("20") << 20 << 4;
    QTest::newRow("50") << 50 << 7;
    QTest::newRow("100") << 100 << 10;
    QTest::newRow("200") << 200 << 14;
    QTest::newRow("1000") << 1000 << 31;
}

void QuestionGeneratorTest::squareBounds() {
    QFETCH(int, maxNumber);
    QFETCH(int, bound);
    // The largest operand of a product really reaches the bound, and never passes it.
    DrillFixture drill(7);
    start(drill, Multiply, QString::number(maxNumber));
    int largest = 0;
    for (int draw = 0; draw < 3000; ++draw) {
        largest = std::max({largest, drill.state.operand1, drill.state.operand2});
        generateQuestion(drill.engine);
    }
    QCOMPARE(largest, bound);
}

void QuestionGeneratorTest::unknownOperationWarnsAndKeepsTheQuestion() {
    DrillFixture drill;
    drill.click(按钮开始);
    drill.click(按钮重置);
    const int operand1 = drill.state.operand1;
    const int operand2 = drill.state.operand2;
    auto* operations = drill.get<QComboBox>(组合框运算方式);
    operations->addItem(QStringLiteral("?"));
    operations->setCurrentIndex(6);
    drill.click(按钮开始);
    QCOMPARE(drill.messages, std::vector<std::string>{"选择错误！"});
    QCOMPARE(drill.state.operand1, operand1);
    QCOMPARE(drill.state.operand2, operand2);
    QCOMPARE(drill.text(标签框数字1), QString::number(operand1));
    QVERIFY(drill.enabled(编辑框结果)); // the test goes on
}

QTEST_MAIN(QuestionGeneratorTest)
#include "test_question_generator.moc"
