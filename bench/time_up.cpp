// How late a test ends: opens the real main window, chooses the length given as the first argument
// (30 by default), clicks Start and notes when "时间结束！" is asked for, against 0.2 s more than
// the length after Start (the test ends on the tick after its last full second). Prints the
// lateness, the CPU time the process used from Start to time-up, and when the ticks came.
#include "runtime/control_names.h"
#include "runtime/precise_timer.h"
#include "runtime/qt_controls.h"
#include "tests/support/drill_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace varnoq;
using namespace varnoq::names;
using Clock = std::chrono::steady_clock;

namespace {

double cpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("30");
    testing::DrillFixture bench;
    auto* length = qobject_cast<QComboBox*>(bench.widget(组合框总时长));
    length->setCurrentIndex(length->findText(seconds));
    if (length->currentText() != seconds) {
        std::fprintf(stderr, "time_up: no test length %s\n", qPrintable(seconds));
        return 2;
    }

    Clock::time_point start;
    double cpuAtStart = 0;
    // When each tick of the test timer came, to tell a late start from a drifting clock.
    std::vector<Clock::time_point> tickTimes;

    bench.controls.setMessageBoxResponder([&](const std::string& text) {
        const Clock::time_point end = Clock::now();
        const double cpu = cpuMilliseconds() - cpuAtStart;
        const double expected = seconds.toDouble() + 0.2;
        const double late = std::chrono::duration<double>(end - start).count() - expected;
        const auto sinceStart = [&](Clock::time_point t) {
            return std::chrono::duration<double, std::milli>(t - start).count();
        };
        std::printf("message %s\nlate_ms %.3f\ncpu_ms %.1f\n", text.c_str(), late * 1000.0, cpu);
        if (!tickTimes.empty())
            std::printf("first_tick_ms %.3f\nticks %zu\nlast_full_tick_ms %.3f\n",
                        sinceStart(tickTimes.front()), tickTimes.size() + 1,
                        sinceStart(tickTimes.back()));
        std::fflush(stdout);
        QApplication::quit();
    });
    QObject::connect(bench.controls.findAs<PreciseTimer>(WindowName::MainWindow, 时钟1),
                     &PreciseTimer::ticked, [&] { tickTimes.push_back(Clock::now()); });
    // Start takes effect when the button is released: the test is timed from there. The click
    // itself (the button drawn pressed and released) is timed apart.
    QWidget* startButton = bench.widget(按钮开始);
    Clock::time_point pressed;
    QObject::connect(qobject_cast<QAbstractButton*>(startButton), &QAbstractButton::released,
                     [&] { start = Clock::now(); });
    cpuAtStart = cpuMilliseconds();
    pressed = Clock::now();
    QTest::mouseClick(startButton, Qt::LeftButton);
    std::printf("click_ms %.3f\n",
                std::chrono::duration<double, std::milli>(start - pressed).count());
    return QApplication::exec();
}
