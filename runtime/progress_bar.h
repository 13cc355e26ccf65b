#pragma once

#include <QProgressBar>

namespace varnoq {

// A horizontal progress bar that keeps what was written (clamped to 0 ... 32767) apart from what
// it shows (the position clamped into minimum ... maximum). The handlers count ticks in the
// position and compare it after it has passed the maximum, so the stored value must survive.
// It paints itself: Qt's own bar ignores out-of-range values and animates when min == max.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    enum class Look { Continuous, Segmented };

    ProgressBar(const QString& name, Look look, QWidget* parent = nullptr);

    void writeMinimum(int value);
    void writeMaximum(int value);
    void writePosition(int value);
    int readPosition() const { return position_; }
    int storedMinimum() const { return minimum_; }
    int storedMaximum() const { return maximum_; }
    // The position as drawn, clamped into minimum ... maximum.
    int shownPosition() const;
    // The share of the bar drawn filled, 0 ... 1.
    double filledFraction() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showStoredValues();

    Look look_;
    int minimum_ = 0;
    int maximum_ = 0;
    int position_ = 0;
};

} // namespace varnoq
