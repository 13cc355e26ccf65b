#include "runtime/progress_bar.h"

#include "runtime/control_operations.h"

#include <QPainter>
#include <algorithm>

namespace varnoq {

namespace {
int clampToLimit(int value) { return std::clamp(value, 0, POSITION_LIMIT); }
} // namespace

ProgressBar::ProgressBar(const QString& name, Look look, QWidget* parent)
    : QProgressBar(parent), look_(look) {
    setObjectName(name);
    setTextVisible(false);
    showStoredValues();
}

void ProgressBar::writeMinimum(int value) {
    minimum_ = clampToLimit(value);
    showStoredValues();
}

void ProgressBar::writeMaximum(int value) {
    maximum_ = clampToLimit(value);
    showStoredValues();
}

void ProgressBar::writePosition(int value) {
    position_ = clampToLimit(value);
    showStoredValues();
}

int ProgressBar::shownPosition() const {
    if (maximum_ <= minimum_)
        return minimum_;
    return std::clamp(position_, minimum_, maximum_);
}

double ProgressBar::filledFraction() const {
    if (maximum_ <= minimum_)
        return 0.0;
    return double(shownPosition() - minimum_) / double(maximum_ - minimum_);
}

void ProgressBar::showStoredValues() {
    // QProgressBar's range and value serve assistive technology only; an empty range would make
    // it a busy indicator, so that case is reported as 0 of 1.
    if (maximum_ > minimum_) {
        setRange(minimum_, maximum_);
        setValue(shownPosition());
    } else {
        setRange(0, 1);
        setValue(0);
    }
    update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    const QPalette& colours = palette();

    // A thin sunken edge: dark at the top left, light at the bottom right.
    painter.fillRect(outer, colours.color(QPalette::Button));
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());

    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const int filled = int(inner.width() * filledFraction() + 0.5);
    if (filled <= 0)
        return;
    const QColor fill = colours.color(QPalette::Highlight);
    if (look_ == Look::Continuous) {
        painter.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), fill);
        return;
    }
    painter.setClipRect(inner);
    const int chunk = std::max(2, inner.height() * 2 / 3);
    const int gap = 2;
    for (int x = 0; x < filled; x += chunk + gap)
        painter.fillRect(QRect(inner.left() + x, inner.top(), chunk, inner.height()), fill);
}

} // namespace varnoq
