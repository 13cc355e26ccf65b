// A long seeded run of everything a user and the clock can do to the real main window, checking
// after every event that nothing is miscounted and the controls show a known phase.
//
// VARNOQ_RANDOM_SEED sets the seed (default below), VARNOQ_RANDOM_EVENTS the number of events, and
// VARNOQ_RANDOM_TRACE=N prints every event from number N on. A failure names the seed and the
// event number, so the run can be replayed up to it.
#include "engine/test_flow.h"
#include "runtime/report_list.h"
#include "runtime/value_conversions.h"
#include "tests/support/drill_fixture.h"
#include "ui/results_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <random>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;
using varnoq::testing::Phase;
using varnoq::testing::phaseName;

namespace {

constexpr std::uint32_t kDefaultSeed = 20240611;
constexpr int kDefaultEvents = 100000;

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The real timers must not add ticks the seed does not know of; the run drives both handlers
// itself, as their timers would. Qt's other timers (cursor blink, deferred layout) go on.
class RealTicksBlocked : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer) {
            const auto* timer = qobject_cast<QTimer*>(watched);
            if (timer && !timer->parent() && timer->timerType() == Qt::PreciseTimer &&
                timer->interval() == TIMER_PERIOD_MS)
                return true;
        }
        return false;
    }
};

// What a keyboard delivers for a character: a key press with its text.
void typeCharacter(QWidget* widget, QChar c) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
}

// Whole-number rounding of part / whole * 100 (or of any fraction) with halves up, exactly.
std::int64_t roundedRatio(std::int64_t numerator, std::int64_t denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

// The question and answer on screen before an event: what a submitted answer must be judged and
// logged by.
struct Screen {
    QString number1, operatorCaption, number2, answer;

    // The right answer worked out from the texts, in whole numbers.
    std::optional<std::int64_t> rightAnswer() const {
        const std::int64_t a = number1.toLongLong();
        const std::int64_t b = number2.toLongLong();
        if (operatorCaption == u"+")
            return a + b;
        if (operatorCaption == u"-")
            return a - b;
        if (operatorCaption == u"×")
            return a * b;
        if (operatorCaption == u"÷" && b != 0)
            return a / b;
        return std::nullopt;
    }
    // The box holds digits and "-" only; its number is the leading "-" and digits, if any.
    bool answerIsRight() const {
        static const QRegularExpression leading(QStringLiteral("^-?[0-9]+"));
        const QRegularExpressionMatch match = leading.match(answer);
        const std::optional<std::int64_t> right = rightAnswer();
        return match.hasMatch() && right && match.captured().toLongLong() == *right;
    }
};

} // namespace

class RandomizedRunTest : public QObject {
    Q_OBJECT

private slots:
    void everythingAUserAndTheClockCanDo();

private:
    enum Kind {
        ClickStart,
        ClickNext,
        ClickResults,
        ClickReset,
        ClickCheckBox,
        ChooseItem,
        DropDownKey,
        TypeCharacter,
        TypeRightAnswer,
        Backspace,
        Enter,
        KeyToFocus,
        TestTick,
        QuestionTick,
        Wait,
        Escape,
        KindCount
    };
    static const char* kindName(Kind kind);

    void newWindow();
    void runEvent(Kind kind);
    // Presses the Test results button somehow; an opened window is checked and closed.
    void openResults(const std::function<void()>& press);
    void checkResultsWindow();
    void check(Kind kind, const Screen& before, int answeredBefore, int missedBefore,
               std::size_t messagesBefore, Phase phaseBefore);
    [[nodiscard]] bool verify(bool holds, const QString& what);

    std::mt19937 random_;
    std::uint32_t seed_ = 0;
    int event_ = 0;
    QString lastFailure_;
    std::unique_ptr<DrillFixture> drill_;
    // The ticks this run has driven since Start, and since the last answer: what the bars hold.
    int testTicks_ = 0;
    int questionTicks_ = 0;
    int resultsOpened_ = 0;
    int waitingTicks_ = 0;
    // Answers seen judged right and wrong, and forced by the question's time.
    int rightAnswers_ = 0;
    int wrongAnswers_ = 0;
    int forcedAnswers_ = 0;
    bool resultsChecked_ = false;
};

const char* RandomizedRunTest::kindName(Kind kind) {
    static const char* const names[KindCount] = {"click Start",
                                                 "click Next",
                                                 "click Test results",
                                                 "click Reset",
                                                 "click the check box",
                                                 "choose an item",
                                                 "key on a drop-down",
                                                 "type a character",
                                                 "type the right answer",
                                                 "Backspace",
                                                 "Enter",
                                                 "key to the focus",
                                                 "test tick",
                                                 "question tick",
                                                 "wait",
                                                 "Esc"};
    return names[kind];
}

bool RandomizedRunTest::verify(bool holds, const QString& what) {
    if (!holds && lastFailure_.isEmpty())
        lastFailure_ = QStringLiteral("seed %1, event %2: %3").arg(seed_).arg(event_).arg(what);
    return holds;
}

void RandomizedRunTest::newWindow() {
    drill_.reset();
    drill_ = std::make_unique<DrillFixture>(std::uint32_t(random_()));
    testTicks_ = 0;
    questionTicks_ = 0;
    // Connected after the window's own handlers, so these run once Start or Reset has run.
    QObject::connect(drill_->get<QPushButton>(按钮开始), &QPushButton::clicked, drill_->window,
                     [this] { testTicks_ = 0; });
    QObject::connect(drill_->get<QPushButton>(按钮重置), &QPushButton::clicked, drill_->window,
                     [this] {
                         testTicks_ = 0;
                         questionTicks_ = 0;
                     });
}

void RandomizedRunTest::everythingAUserAndTheClockCanDo() {
    seed_ = std::uint32_t(environmentNumber("VARNOQ_RANDOM_SEED", int(kDefaultSeed)));
    const int events = environmentNumber("VARNOQ_RANDOM_EVENTS", kDefaultEvents);
    const int traceFrom = environmentNumber("VARNOQ_RANDOM_TRACE", -1);
    qInfo("seed %u, %d events", seed_, events);
    random_.seed(seed_);

    // Open drop-down lists ask the offscreen platform for things it cannot do, every time.
    static QtMessageHandler previousHandler = nullptr;
    previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith(QLatin1String("This plugin does not support")))
                return;
            previousHandler(type, context, message);
        });
    RealTicksBlocked blocker;
    qApp->installEventFilter(&blocker);
    newWindow();

    // While a test runs, ticks come often and Reset and Esc seldom, so that tests run out; once
    // it has ended, the user looks at the results or resets soon.
    std::discrete_distribution<int> whileRunning({
        3,    // ClickStart
        4,    // ClickNext
        0.3,  // ClickResults
        0.05, // ClickReset
        2,    // ClickCheckBox
        2,    // ChooseItem
        2,    // DropDownKey
        15,   // TypeCharacter
        5,    // TypeRightAnswer
        2,    // Backspace
        6,    // Enter
        3,    // KeyToFocus
        40,   // TestTick
        15,   // QuestionTick
        1,    // Wait
        0.005 // Escape
    });
    std::discrete_distribution<int> otherwise({
        3,   // ClickStart
        2,   // ClickNext
        3,   // ClickResults
        4,   // ClickReset
        3,   // ClickCheckBox
        3,   // ChooseItem
        3,   // DropDownKey
        5,   // TypeCharacter
        1,   // TypeRightAnswer
        1,   // Backspace
        2,   // Enter
        4,   // KeyToFocus
        3,   // TestTick
        3,   // QuestionTick
        0.5, // Wait
        0.05 // Escape
    });
    std::array<int, KindCount> counts{};
    int finishes = 0;
    for (event_ = 0; event_ < events && lastFailure_.isEmpty(); ++event_) {
        const Phase phaseBefore = drill_->phase();
        Kind kind =
            Kind(phaseBefore == Phase::Running ? whileRunning(random_) : otherwise(random_));
        // While the user waits, only the two timers tick, by turns.
        if (waitingTicks_ > 0)
            kind = --waitingTicks_ % 2 ? TestTick : QuestionTick;
        ++counts[kind];
        const Screen before{drill_->text(标签框数字1), drill_->text(标签框运算符1),
                            drill_->text(标签框数字2), drill_->text(编辑框结果)};
        const int answeredBefore = drill_->state.answeredCount;
        const int missedBefore = drill_->state.missedCount;
        const std::size_t messagesBefore = drill_->messages.size();

        runEvent(kind);
        if (kind == Escape)
            continue;
        check(kind, before, answeredBefore, missedBefore, messagesBefore, phaseBefore);
        if (phaseBefore == Phase::Running && drill_->phase() == Phase::Finished)
            ++finishes;
        if (event_ >= traceFrom && traceFrom >= 0)
            qInfo("event %d: %s -> %s, answered %d, correct %d, wrong %d, missed %d", event_,
                  kindName(kind), phaseName(drill_->phase()), drill_->state.answeredCount,
                  drill_->state.correctCount, drill_->state.wrongCount, drill_->state.missedCount);
    }
    qApp->removeEventFilter(&blocker);
    qInstallMessageHandler(previousHandler);
    drill_.reset();
    QVERIFY2(lastFailure_.isEmpty(), qPrintable(lastFailure_));

    QString tally;
    for (int k = 0; k < KindCount; ++k)
        tally += QStringLiteral("%1 %2; ").arg(kindName(Kind(k))).arg(counts[k]);
    qInfo("%s%d tests ran out, results opened %d times; answers %d right, %d wrong, %d forced",
          qPrintable(tally), finishes, resultsOpened_, rightAnswers_, wrongAnswers_,
          forcedAnswers_);
    // A run that never reached the end of a test, its report, a right or a forced answer would
    // have proved little.
    QVERIFY2(finishes > 0 && resultsOpened_ > 0 && rightAnswers_ > 0 && forcedAnswers_ > 0,
             qPrintable(QStringLiteral("seed %1: the run did not reach every path").arg(seed_)));
}

void RandomizedRunTest::runEvent(Kind kind) {
    DrillFixture& drill = *drill_;
    static const std::string_view dropDowns[] = {组合框运算方式, 组合框最大数, 组合框总时长,
                                                 组合框单题时长};
    // Digits and "-" most of the time, then junk the box must refuse.
    static const QString characters = QStringLiteral("0123456789--0123456789a+. e\u3000\uFF11错");
    const auto any = [this](int n) { return int(random_() % unsigned(n)); };

    switch (kind) {
    case ClickStart:
        drill.click(按钮开始);
        break;
    case ClickNext:
        drill.click(按钮下一题);
        break;
    case ClickResults:
        openResults([&drill] { drill.click(按钮测试结果); });
        break;
    case ClickReset:
        drill.click(按钮重置);
        break;
    case ClickCheckBox:
        QTest::mouseClick(drill.widget(选择框1), Qt::LeftButton);
        break;
    case ChooseItem: {
        // As picked from the open list; a disabled drop-down cannot be opened.
        auto* list = drill.get<QComboBox>(dropDowns[any(4)]);
        if (list->isEnabled())
            list->setCurrentIndex(any(list->count()));
        break;
    }
    case DropDownKey: {
        static const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                       Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
        QTest::keyClick(drill.widget(dropDowns[any(4)]), keys[any(6)]);
        break;
    }
    case TypeCharacter:
        typeCharacter(drill.widget(编辑框结果), characters[any(int(characters.size()))]);
        break;
    case TypeRightAnswer: {
        const Screen screen{drill.text(标签框数字1), drill.text(标签框运算符1),
                            drill.text(标签框数字2), QString()};
        if (const auto right = screen.rightAnswer())
            for (QChar c : QString::number(*right))
                typeCharacter(drill.widget(编辑框结果), c);
        break;
    }
    case Backspace:
        QTest::keyClick(drill.widget(编辑框结果), Qt::Key_Backspace);
        break;
    case Enter:
        QTest::keyClick(drill.widget(编辑框结果), any(2) ? Qt::Key_Return : Qt::Key_Enter);
        break;
    case KeyToFocus: {
        // Whatever has the focus gets it: Tab moves on, Space presses a button or the check box,
        // arrows and digits change a drop-down.
        static const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Return,  Qt::Key_3,     Qt::Key_Minus};
        QWidget* focus = drill.window->focusWidget();
        const Qt::Key key = keys[any(8)];
        const auto press = [&] { QTest::keyClick(focus ? focus : drill.window.data(), key); };
        if (focus == drill.widget(按钮测试结果) && key == Qt::Key_Space)
            openResults(press);
        else
            press();
        break;
    }
    case TestTick:
        if (drill.period(时钟1) > 0) {
            ++testTicks_;
            testTimerTick(drill.engine);
        }
        break;
    case QuestionTick:
        if (drill.period(时钟单题2) > 0) {
            ++questionTicks_;
            questionTimerTick(drill.engine);
        }
        break;
    case Wait:
        // Up to about twelve seconds without a key or a click.
        waitingTicks_ = 2 * (1 + any(60));
        break;
    case Escape: {
        // The program ends, also mid-test, without a message; the next event meets a new one.
        const std::size_t messages = drill.messages.size();
        QWidget* focus = drill.window->focusWidget();
        QTest::keyClick(focus ? focus : drill.window.data(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!verify(drill.window.isNull(), QStringLiteral("Esc did not close the main window")) ||
            !verify(drill.messages.size() == messages, QStringLiteral("Esc showed a message")))
            return;
        newWindow();
        break;
    }
    case KindCount:
        break;
    }
    // A list opened by a key is closed again, as a click elsewhere would.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void RandomizedRunTest::openResults(const std::function<void()>& press) {
    DrillFixture& drill = *drill_;
    const bool opens = drill.enabled(按钮测试结果);
    resultsChecked_ = false;
    if (opens)
        QTimer::singleShot(0, drill.window, [this] { checkResultsWindow(); });
    press();
    if (!opens)
        return;
    ++resultsOpened_;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    (void)(verify(resultsChecked_, QStringLiteral("the results window did not open")) &&
           verify(!QApplication::activeModalWidget() &&
                      !drill.controls.window(WindowName::ResultsWindow),
                  QStringLiteral("the results window is still open after closing")));
}

// Runs inside the results window's own event loop: the report must match the state, and the main
// window must take no input meanwhile.
void RandomizedRunTest::checkResultsWindow() {
    DrillFixture& drill = *drill_;
    QWidget* modal = QApplication::activeModalWidget();
    auto* results = qobject_cast<ResultsWindow*>(modal);
    if (!verify(results != nullptr, QStringLiteral("no results window is modal")))
        return;
    resultsChecked_ = true;

    const TestState& state = drill.state;
    const ReportListModel& rows = results->list()->rows();
    bool same = verify(rows.rowCount() == int(state.answerLog.size()),
                       QStringLiteral("the list has %1 rows for %2 answers")
                           .arg(rows.rowCount())
                           .arg(state.answerLog.size()));
    for (int i = 0; same && i < rows.rowCount(); ++i) {
        const AnswerRecord& record = state.answerLog[std::size_t(i)];
        same = verify(rows.cellText(i, 0) == QString::number(i + 1) &&
                          rows.cellText(i, 1) == QString::fromStdString(record.expression) &&
                          rows.cellText(i, 2) == QString::fromStdString(record.wrongMark),
                      QStringLiteral("list row %1 differs from the log").arg(i));
    }
    const std::vector<std::int32_t>& s = state.summaryValues;
    if (same && verify(s.size() == 5, QStringLiteral("results opened without a summary"))) {
        const auto label = [&](std::string_view name) {
            return QString::fromStdString(drill.controls.readText(WindowName::ResultsWindow, name));
        };
        const auto percent = [&](std::int32_t part) {
            return s[0] == 0 ? QStringLiteral("0%")
                             : QStringLiteral("%1%").arg(roundedRatio(100LL * part, s[0]));
        };
        const QString expected[] = {QString::number(s[0]),
                                    QString::number(s[1]),
                                    QString::number(s[2]),
                                    percent(s[1]),
                                    percent(s[2]),
                                    QString::number(s[3]),
                                    QString::number(roundedRatio(60LL * s[0], s[3])),
                                    QString::number(s[4])};
        const std::string_view names[] = {标签9,  标签10, 标签11, 标签12,
                                          标签13, 标签14, 标签15, 标签16};
        for (int i = 0; i < 8; ++i)
            (void)verify(label(names[i]) == expected[i],
                         QStringLiteral("%1 shows %2, expected %3")
                             .arg(QString::fromUtf8(names[i].data(), qsizetype(names[i].size())),
                                  label(names[i]), expected[i]));
    }

    // Input meant for the main window goes nowhere while the report is open.
    const int answered = state.answeredCount;
    QTest::mouseClick(drill.widget(按钮重置), Qt::LeftButton);
    QTest::keyClick(drill.widget(编辑框结果), Qt::Key_Return);
    (void)verify(state.summaryValues.size() == 5 && state.answeredCount == answered,
                 QStringLiteral("the main window took input while the results were open"));
    results->close();
}

void RandomizedRunTest::check(Kind kind, const Screen& before, int answeredBefore, int missedBefore,
                              std::size_t messagesBefore, Phase phaseBefore) {
    DrillFixture& drill = *drill_;
    const TestState& state = drill.state;
    const QString event = QString::fromLatin1(kindName(kind));
    const Phase phase = drill.phase();

    if (!verify(phase != Phase::Unknown, event + QStringLiteral(": the controls show no phase")) ||
        !verify(state.correctCount + state.wrongCount == state.answeredCount,
                event + QStringLiteral(": %1 correct + %2 wrong != %3 answered")
                            .arg(state.correctCount)
                            .arg(state.wrongCount)
                            .arg(state.answeredCount)) ||
        !verify(state.answerLog.size() == std::size_t(state.answeredCount),
                event + QStringLiteral(": %1 log rows for %2 answers")
                            .arg(state.answerLog.size())
                            .arg(state.answeredCount)) ||
        !verify(state.missedCount >= 0 && state.missedCount <= state.answeredCount,
                event + QStringLiteral(": %1 missed of %2 answered")
                            .arg(state.missedCount)
                            .arg(state.answeredCount)))
        return;

    // Each count label shows its counter, and nothing while the counter is 0: at start-up, after
    // Reset, and for correct or wrong until the first answer of that kind (Start writes none).
    const auto shows = [&](std::string_view label, std::int32_t count) {
        const QString expected = count == 0 ? QString() : QString::number(count);
        return verify(drill.text(label) == expected,
                      event + QStringLiteral(": %1 shows \"%2\" for %3")
                                  .arg(QString::fromUtf8(label.data(), qsizetype(label.size())),
                                       drill.text(label))
                                  .arg(count));
    };
    if (!shows(标签总题数, state.answeredCount) || !shows(标签正确数, state.correctCount) ||
        !shows(标签错误数, state.wrongCount))
        return;

    // The summary: nothing, or the five values of the test just finished.
    const std::vector<std::int32_t>& s = state.summaryValues;
    if (!verify(
            s.empty() || (s.size() == 5 && s[0] == state.answeredCount &&
                          s[1] == state.correctCount && s[2] == state.wrongCount &&
                          s[3] == (testTicks_ - 1) / TICKS_PER_SECOND && s[4] == state.missedCount),
            event +
                QStringLiteral(": summary of %1 values disagrees with the counts").arg(s.size())))
        return;

    // A tick ends the test, or the question, exactly when the ticks counted have passed the
    // length the drop-down shows now.
    const int answeredNow = state.answeredCount;
    const bool answered = answeredNow == answeredBefore + 1;
    const bool finished = phaseBefore == Phase::Running && phase == Phase::Finished;
    if (kind == TestTick && phaseBefore == Phase::Running &&
        !verify(finished == (testTicks_ > drill.text(组合框总时长).toInt() * TICKS_PER_SECOND),
                event + QStringLiteral(": tick %1 with a length of %2 s, the test %3")
                            .arg(testTicks_)
                            .arg(drill.text(组合框总时长))
                            .arg(finished ? "ended" : "goes on")))
        return;
    if (kind == QuestionTick && phaseBefore == Phase::Running &&
        !verify(answered ==
                    (questionTicks_ > drill.text(组合框单题时长).toInt() * TICKS_PER_SECOND),
                event + QStringLiteral(": question tick %1 with a limit of %2 s, %3")
                            .arg(questionTicks_)
                            .arg(drill.text(组合框单题时长))
                            .arg(answered ? "forced" : "not forced")))
        return;

    // The bars hold the ticks driven since Start and since the last answer.
    if (answered)
        questionTicks_ = 0;
    if (!verify(drill.position(进度条1) == testTicks_ && drill.position(进度条2) == questionTicks_,
                event + QStringLiteral(": bars at %1 and %2, ticks driven %3 and %4")
                            .arg(drill.position(进度条1))
                            .arg(drill.position(进度条2))
                            .arg(testTicks_)
                            .arg(questionTicks_)))
        return;

    // One test ends with one message, on a tick.
    if (!verify(drill.messages.size() == messagesBefore + (finished ? 1 : 0) &&
                    (!finished || (kind == TestTick && drill.messages.back() == "时间结束！")),
                event + QStringLiteral(": %1 messages, the test %2")
                            .arg(drill.messages.size() - messagesBefore)
                            .arg(finished ? "ended" : "did not end")))
        return;

    if (answeredNow == 0 || answeredNow == answeredBefore) {
        (void)verify(state.missedCount == missedBefore || answeredNow == 0,
                     event + QStringLiteral(": missed changed without an answer"));
        return;
    }
    if (!verify(answered && phaseBefore == Phase::Running,
                event + QStringLiteral(": answered went from %1 to %2 in phase %3")
                            .arg(answeredBefore)
                            .arg(answeredNow)
                            .arg(phaseName(phaseBefore))))
        return;

    // The answer just given: judged and logged from what the screen showed, counted as missed
    // exactly when the question's time ran out, and followed by a new question in an empty box.
    const bool forced = kind == QuestionTick;
    const AnswerRecord& row = state.answerLog.back();
    const QString expression = before.number1 + before.operatorCaption + before.number2 +
                               QStringLiteral("=") + before.answer;
    const bool right = before.answerIsRight();
    ++(right ? rightAnswers_ : wrongAnswers_);
    forcedAnswers_ += forced ? 1 : 0;
    (void)(verify(QString::fromStdString(row.expression) == expression,
                  event + QStringLiteral(": logged \"%1\" for \"%2\"")
                              .arg(QString::fromStdString(row.expression), expression)) &&
           verify(row.wrongMark == (right ? "" : "错"),
                  event + QStringLiteral(": \"%1\" marked \"%2\"")
                              .arg(expression, QString::fromStdString(row.wrongMark))) &&
           verify(state.missedCount == missedBefore + (forced ? 1 : 0),
                  event + QStringLiteral(": missed went from %1 to %2")
                              .arg(missedBefore)
                              .arg(state.missedCount)) &&
           verify(drill.text(编辑框结果).isEmpty() &&
                      drill.text(标签框数字1) == QString::fromStdString(toText(state.operand1)) &&
                      drill.text(标签框数字2) == QString::fromStdString(toText(state.operand2)),
                  event + QStringLiteral(": the next question is not shown in an empty box")));
}

QTEST_MAIN(RandomizedRunTest)
#include "test_randomized_run.moc"
