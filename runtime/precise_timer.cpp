#include "runtime/precise_timer.h"

namespace varnoq {

PreciseTimer::PreciseTimer(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // A tick already taken from the queue must not run after the timer was stopped.
        if (period_ > 0)
            emit ticked();
    });
}

void PreciseTimer::setPeriod(int milliseconds) {
    if (milliseconds < 0)
        milliseconds = 0;
    if (milliseconds == period_)
        return;
    period_ = milliseconds;
    timer_.stop();
    if (period_ > 0)
        timer_.start(period_);
}

} // namespace varnoq
