// The whole program, from its real entry to its end, driven by a script as a user would: three
// tests (one with per-question timing, one with a time-out, one reset mid-test), the real
// "时间结束！" message answered, the results window opened twice and closed, Reset, and the main
// window closed with Esc. scripts/leak-check.sh runs it under valgrind; on its own it only proves
// the script gets through. Exit code 0 when every step was done and the program ended by itself.
#include "runtime/control_names.h"
#include "runtime/precise_timer.h"
#include "ui/results_window.h"
#include "ui/run_program.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::widgets::qtext;

namespace {

int messagesAnswered = 0;
int resultsClosed = 0;
bool scriptDone = false;

QWidget* mainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == u"MainWindow" && widget->isVisible())
            return widget;
    return nullptr;
}

template <class Control> Control* control(std::string_view name) {
    QWidget* window = mainWindow();
    auto* found = window ? window->findChild<Control*>(qtext(name)) : nullptr;
    if (!found) {
        std::fprintf(stderr, "leak_session: no control %s\n", std::string(name).c_str());
        std::exit(2);
    }
    return found;
}

// Lets the windows paint and the queued events run, as between a user's actions.
void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(std::string_view button) {
    QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    settle();
}

void choose(std::string_view list, const char* item) {
    auto* box = control<QComboBox>(list);
    box->setCurrentIndex(box->findText(QString::fromUtf8(item)));
    settle();
}

// A tick of a timer's handler, as the timer would deliver it: only while it runs.
bool tick(std::string_view timer) {
    auto* clock = control<PreciseTimer>(timer);
    if (clock->period() <= 0)
        return false;
    emit clock->ticked();
    return true;
}

void answer(const QString& text) {
    QWidget* box = control<QLineEdit>(编辑框结果);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    settle();
}

QString rightAnswer() {
    const qint64 a = control<QLabel>(标签框数字1)->text().toLongLong();
    const qint64 b = control<QLabel>(标签框数字2)->text().toLongLong();
    const QString op = control<QLabel>(标签框运算符1)->text();
    const qint64 right = op == u"+" ? a + b : op == u"-" ? a - b : op == u"×" ? a * b : a / b;
    return QString::number(right);
}

// Answers until the test's time is up, each question with n ticks of both timers in between.
void runTest(int ticksPerQuestion) {
    click(按钮开始);
    for (int question = 0; tick(时钟1); ++question) {
        for (int n = 1; n < ticksPerQuestion && tick(时钟1); ++n)
            tick(时钟单题2);
        if (control<QLineEdit>(编辑框结果)->isEnabled())
            answer(question % 3 == 0 ? QStringLiteral("-1") : rightAnswer());
    }
    settle();
}

void openResults() {
    const int before = resultsClosed;
    click(按钮测试结果);
    if (resultsClosed != before + 1) {
        std::fprintf(stderr, "leak_session: the results window did not open and close\n");
        std::exit(3);
    }
    // The application would delete a window left over at its end, and valgrind would never
    // see it: a closed results window must be gone now.
    settle();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ResultsWindow*>(widget)) {
            std::fprintf(stderr, "leak_session: a closed results window still exists\n");
            std::exit(4);
        }
    }
}

void script() {
    // A plain test of 30 seconds, with its report seen twice.
    runTest(5);
    openResults();
    openResults();
    click(按钮重置);

    // Per-question timing on, mixed operations, a time-out on every question.
    QTest::mouseClick(control<QCheckBox>(选择框1), Qt::LeftButton);
    choose(组合框运算方式, "×、÷");
    choose(组合框最大数, "1000");
    choose(组合框总时长, "60");
    runTest(27);
    openResults();
    click(按钮重置);

    // Reset in the middle of a test, then a test left running when the window closes.
    choose(组合框运算方式, "+、-");
    click(按钮开始);
    answer(rightAnswer());
    click(按钮重置);
    click(按钮开始);
    answer(QStringLiteral("12"));
    scriptDone = true;
    QTest::keyClick(control<QLineEdit>(编辑框结果), Qt::Key_Escape);
}

// Closes whatever modal window the program opened, once it is shown: the time-up message by its
// button, the results window with Esc.
void closeModalWindows() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        ++messagesAnswered;
        QTest::keyClick(box, Qt::Key_Return);
    } else if (qobject_cast<ResultsWindow*>(modal)) {
        ++resultsClosed;
        QTest::keyClick(modal, Qt::Key_Escape);
    }
}

void startScript() {
    // Parented to the application, so both go with it and leave nothing behind.
    auto* closer = new QTimer(qApp);
    QObject::connect(closer, &QTimer::timeout, closer, &closeModalWindows);
    closer->start(10);
    QTimer::singleShot(0, qApp, &script);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startScript)

int main(int argc, char** argv) {
    const int result = runProgram(argc, argv);
    if (result != 0 || !scriptDone || messagesAnswered != 2 || resultsClosed != 3) {
        std::fprintf(stderr,
                     "leak_session: ended with %d; script %s, %d messages answered, %d results "
                     "windows closed\n",
                     result, scriptDone ? "done" : "not done", messagesAnswered, resultsClosed);
        return 1;
    }
    return 0;
}
