// Benchmarks of the two windows on the real controls: one answer with the repaint it causes, and
// opening the results window over a long log, with the memory it holds while open and after.
#include "bench/memory.h"
#include "runtime/control_names.h"
#include "runtime/report_list.h"
#include "tests/support/drill_fixture.h"
#include "ui/results_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmapCache>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;
using Clock = std::chrono::steady_clock;

namespace {

// Counts the paint events of a window and its controls.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == window_)
                ++paints;
        }
        return false;
    }

private:
    QWidget* window_;
};

// Enter in the answer box during a test: judging, logging, the next question, and the painting
// of what changed (labels, box, bar) that the toolkit then does.
void submitAnswerWithRepaint(benchmark::State& state) {
    DrillFixture bench;
    bench.click(按钮开始);
    // The clock is not what is measured; its ticks would only add noise.
    bench.controls.setPeriod(WindowName::MainWindow, 时钟1, 0);
    bench.controls.setPeriod(WindowName::MainWindow, 时钟单题2, 0);
    auto* box = qobject_cast<QLineEdit*>(bench.widget(编辑框结果));
    QApplication::processEvents();
    PaintCounter counter(bench.window);

    int answers = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box->setText(QString::number(answers % 40));
        QApplication::processEvents();
        counter.paints = 0;
        state.ResumeTiming();

        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(); // the repaint the answer asked for

        state.PauseTiming();
        if (counter.paints == 0) {
            state.SkipWithError("an answer painted nothing");
            break;
        }
        ++answers;
        state.ResumeTiming();
    }
    if (bench.state.answeredCount != answers)
        state.SkipWithError("not every Enter was an answer");
    state.counters["paints_per_answer"] = counter.paints;
}

// Closes the results window right after its list has first been painted, and notes when.
class ShownWatcher : public QObject {
public:
    ShownWatcher() { qApp->installEventFilter(this); }
    ~ShownWatcher() override { qApp->removeEventFilter(this); }
    std::optional<Clock::time_point> shown;
    std::size_t heapWhileOpen = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || shown || armed_)
            return false;
        auto* results = qobject_cast<ResultsWindow*>(
            qobject_cast<QWidget*>(watched) ? static_cast<QWidget*>(watched)->window() : nullptr);
        if (!results || watched != results->list()->viewport())
            return false;
        armed_ = true;
        // A zero timer runs once this paint and its flush to the screen are done.
        QTimer::singleShot(0, results, [this, results] {
            shown = Clock::now();
            heapWhileOpen = bench::heapInUse();
            results->close();
        });
        return false;
    }

private:
    bool armed_ = false;
};

void fillLog(TestState& state, int answers) {
    for (int i = 0; i < answers; ++i) {
        const bool right = i % 4 != 0;
        state.answerLog.push_back({std::to_string(i % 500) + "+" + std::to_string(i % 37) + "=" +
                                       std::to_string(right ? i % 500 + i % 37 : 0),
                                   right ? "" : "错"});
        (right ? state.correctCount : state.wrongCount) += 1;
    }
    state.answeredCount = answers;
    state.summaryValues = {state.answeredCount, state.correctCount, state.wrongCount, 600, 0};
}

// From the click (openResultsWindow is what the button runs) until the list has been painted;
// the window is then closed, and the memory it took must be given back.
void openResultsWindow20000(benchmark::State& state) {
    DrillFixture bench;
    fillLog(bench.state, int(state.range(0)));
    QApplication::processEvents();

    std::size_t heapAdded = 0;
    std::ptrdiff_t heapLeft = 0;
    std::ptrdiff_t residentLeft = 0;
    std::ptrdiff_t styleCacheLeft = 0;
    for (auto _ : state) {
        // Qt's styles keep pixmaps of what they drew (header sections) in QPixmapCache, under
        // keys that are new for every window, up to the cache's limit of 10 MB: what a window
        // leaves is measured apart from that bounded cache.
        QPixmapCache::clear();
        const std::size_t heapBefore = bench::heapInUse();
        const std::size_t residentBefore = bench::residentBytes();
        ShownWatcher watcher;
        const Clock::time_point start = Clock::now();
        openResultsWindow(bench.engine, bench.controls);
        if (!watcher.shown) {
            state.SkipWithError("the results window was not painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*watcher.shown - start).count());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        heapAdded = watcher.heapWhileOpen - heapBefore;
        const std::size_t heapWithCache = bench::heapInUse();
        QPixmapCache::clear();
        heapLeft = std::ptrdiff_t(bench::heapInUse()) - std::ptrdiff_t(heapBefore);
        styleCacheLeft = std::ptrdiff_t(heapWithCache) - std::ptrdiff_t(bench::heapInUse());
        residentLeft = std::ptrdiff_t(bench::residentBytes()) - std::ptrdiff_t(residentBefore);
    }
    state.counters["heap_open_MB"] = double(heapAdded) / 1e6;
    state.counters["heap_left_kB"] = double(heapLeft) / 1e3;
    state.counters["rss_left_kB"] = double(residentLeft) / 1e3;
    state.counters["style_cache_kB"] = double(styleCacheLeft) / 1e3;
}

} // namespace

BENCHMARK(submitAnswerWithRepaint)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(openResultsWindow20000)
    ->Arg(20000)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(15);

int main(int argc, char** argv) {
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
