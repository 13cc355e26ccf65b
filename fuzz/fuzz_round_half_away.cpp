// roundHalfAway(x, 0): whole, within 0.5 + 1e-12 of x (plus what rounding the nudge adds), halves
// away from zero, odd (roundHalfAway(-x) = -roundHalfAway(x)) and monotone; beyond 2^52, where
// every double is whole, x itself. Other places must not fail or misbehave, whatever they are.
//
// Input: eight bytes of a double's bits, then optionally four bytes of places.
#include "fuzz/fuzz_check.h"
#include "runtime/value_conversions.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

using namespace varnoq;
using namespace varnoq::fuzz;

namespace {

std::string describe(double x, double r) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "x = %.17g (%016llx), result %.17g", x,
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(x)), r);
    return buffer;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

constexpr double kTwoTo52 = 4503599627370496.0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double x = 0.0;
    std::memcpy(&x, data, std::min(size, sizeof x));
    if (size >= sizeof x + sizeof(std::int32_t)) {
        std::int32_t places = 0;
        std::memcpy(&places, data + sizeof x, sizeof places);
        const double r = roundHalfAway(x, places);
        if (std::isfinite(x) && places >= -300 && places <= 300 &&
            std::isfinite(x * std::pow(10.0, places) * 10.0)) {
            // Rounding moves the value by at most half the kept unit (plus the nudge).
            const double unit = std::pow(10.0, -places);
            require(std::fabs(r - x) <= unit * (0.5 + 1e-9) + std::fabs(x) * 1e-15,
                    "rounding to places stays within half the unit", describe(x, r));
        }
        return 0;
    }

    const double r = roundHalfAway(x, 0);
    if (std::isnan(x)) {
        require(sameBits(r, x), "a NaN comes back unchanged", describe(x, r));
        return 0;
    }
    require(sameBits(roundHalfAway(-x, 0), -r), "rounding is odd",
            describe(-x, roundHalfAway(-x, 0)));
    if (!std::isfinite(x) || std::fabs(x) >= kTwoTo52) {
        require(sameBits(r, x), "a value without fraction stays as it is", describe(x, r));
        return 0;
    }
    require(r == std::trunc(r), "the result is whole", describe(x, r));
    // The nudge is itself added in double precision: from 4096 up, where a unit in the last place
    // exceeds 1e-12, x + 1e-12 may round up to the half (14489.499999999998 + 1e-12 gives
    // 14489.5), so the bound widens by half that unit.
    const double halfUlp = (std::nextafter(std::fabs(x), INFINITY) - std::fabs(x)) / 2;
    require(std::fabs(r - x) <= 0.5 + 1e-12 + halfUlp, "the result is within 0.5 + 1e-12 of x",
            describe(x, r));
    require(x == 0.0 || std::signbit(r) == std::signbit(x), "the sign is kept", describe(x, r));
    const double fraction = std::fabs(x) - std::floor(std::fabs(x));
    if (fraction == 0.5)
        require(std::fabs(r) == std::fabs(x) + 0.5, "halves round away from zero", describe(x, r));
    const double above = std::nextafter(x, INFINITY);
    require(roundHalfAway(above, 0) >= r, "rounding is monotone",
            describe(above, roundHalfAway(above, 0)));
    return 0;
}
