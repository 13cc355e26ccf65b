#pragma once

#include <QObject>
#include <QTimer>

namespace varnoq {

// A timer whose one setting is its period. Precise, so that a 30-second test ends within a few
// milliseconds of its time; ticks that fall due while the thread is busy arrive as one.
class PreciseTimer : public QObject {
    Q_OBJECT
public:
    explicit PreciseTimer(const QString& name, QObject* parent = nullptr);

    // Negative counts as 0; 0 stops; the current period changes nothing; any other period
    // restarts the timer with its first tick one full period later.
    void setPeriod(int milliseconds);
    int period() const { return period_; }

signals:
    void ticked();

private:
    QTimer timer_;
    int period_ = 0;
};

} // namespace varnoq
