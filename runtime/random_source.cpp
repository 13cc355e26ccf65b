#include "runtime/random_source.h"

#include <algorithm>
#include <chrono>

namespace varnoq {

namespace {

// Keeps the span plus one inside a signed 32-bit integer.
constexpr std::int32_t kLargestSpan = 2147483646;

} // namespace

void RandomSource::seedRandom(std::uint32_t tickCount) {
    seed_ = tickCount + accumulator_;
    accumulator_ += (seed_ % 256) + 100;
    generator_.seed(seed_);
}

std::int32_t RandomSource::randomInt(std::int32_t lo, std::int32_t hi) {
    lo = std::max(lo, 0);
    hi = std::max(hi, 0);
    const std::int32_t m = std::min(lo, hi);
    const std::int32_t top = std::max(lo, hi);
    if (m == top) {
        return m;
    }
    const std::int32_t span = std::min(top - m, kLargestSpan);
    std::uniform_int_distribution<std::int32_t> offset(0, span);
    return m + offset(generator_);
}

std::uint32_t tickCount() {
    const auto sinceStart = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(sinceStart.count());
}

RandomSource& randomSource() {
    static RandomSource source;
    return source;
}

void seedRandom() {
    randomSource().seedRandom(tickCount());
}

std::int32_t randomInt(std::int32_t lo, std::int32_t hi) {
    return randomSource().randomInt(lo, hi);
}

} // namespace varnoq
