// Linked into a program, prints "painted <ns>" (CLOCK_MONOTONIC) on standard output once its first
// window has been painted and flushed, and "cpu <ms>" with the CPU time used so far; the program
// itself is unchanged. bench/measure.sh reads these.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                seen_ = true;
                // A zero timer runs once this paint and its flush to the screen are done.
                QTimer::singleShot(0, this, [] {
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    std::printf("painted %lld\ncpu %ld\n", monotonicNanoseconds(),
                                usage.ru_utime.tv_sec * 1000 + usage.ru_utime.tv_usec / 1000 +
                                    usage.ru_stime.tv_sec * 1000 + usage.ru_stime.tv_usec / 1000);
                    std::fflush(stdout);
                });
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

void watchFirstPaint() {
    qApp->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
