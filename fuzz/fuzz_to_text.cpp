// toText of a real: never fails; writes the %.13g form (no "-0", three-digit exponents, at most 13
// significant digits, exponent form exactly outside 1e-4 ... 1e13); read back through toNumber a
// finite value comes within half a unit of its 13th significant digit, and printing the read-back
// value again gives the same text.
//
// Eight input bytes are taken as the bits of a double; any other input is read with toNumber, so
// the fuzzer can also reach values through their decimal form.
#include "fuzz/fuzz_check.h"
#include "runtime/value_conversions.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>

using namespace varnoq;
using namespace varnoq::fuzz;

namespace {

std::string describe(double value, const std::string& text) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.17g (%016llx) -> \"", value,
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    return buffer + text + "\"";
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the shape of a finite value's text and returns the decimal exponent of its first digit.
int checkShape(double value, const std::string& text) {
    const std::string detail = describe(value, text);
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    require(i < text.size() && isDigit(text[i]), "the text starts with a digit", detail);
    std::string mantissa;
    int pointAt = -1;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            require(pointAt < 0, "one decimal point at most", detail);
            pointAt = int(mantissa.size());
        } else {
            mantissa += text[i];
        }
    }
    if (pointAt >= 0) {
        require(pointAt < int(mantissa.size()), "no point without a fraction", detail);
        require(mantissa.back() != '0', "no trailing zeros in a fraction", detail);
    } else {
        pointAt = int(mantissa.size());
    }

    const std::size_t firstNonZero = mantissa.find_first_not_of('0');
    require(firstNonZero != std::string::npos, "only zero prints as zero", detail);
    const std::size_t significant = mantissa.size() - firstNonZero;
    if (pointAt >= int(mantissa.size())) {
        // A whole number: its trailing zeros are significant places, not digits printed in excess.
        const std::size_t lastNonZero = mantissa.find_last_not_of('0');
        require(lastNonZero + 1 - firstNonZero <= 13, "at most 13 significant digits", detail);
    } else {
        require(significant <= 13, "at most 13 significant digits", detail);
    }

    if (i == text.size()) {
        require(firstNonZero == 0 || pointAt == 1, "no leading zeros", detail);
        const int exponent = pointAt - 1 - int(firstNonZero);
        require(exponent >= -4 && exponent < 13, "plain form only from 1e-4 to below 1e13", detail);
        return exponent;
    }

    require(pointAt == 1 && firstNonZero == 0, "exponent form starts with d.", detail);
    require(text[i] == 'e' && i + 2 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'),
            "exponent written as e+ or e-", detail);
    const std::string digits = text.substr(i + 2);
    require(digits.size() >= 3, "exponent of at least three digits", detail);
    for (char c : digits)
        require(isDigit(c), "exponent made of digits", detail);
    require(digits.size() == 3 || digits[0] != '0', "no needless exponent zeros", detail);
    const int magnitude = std::stoi(digits);
    const int exponent = text[i + 1] == '-' ? -magnitude : magnitude;
    require(exponent < -4 || exponent >= 13, "exponent form only outside 1e-4 ... 1e13", detail);
    return exponent;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0.0;
    if (size == sizeof value)
        std::memcpy(&value, data, sizeof value);
    else
        value = toNumber(std::string_view(reinterpret_cast<const char*>(data), size));

    const std::string text = toText(value);
    if (!std::isfinite(value)) {
        static const std::set<std::string> special = {"1.#INF",   "-1.#INF", "-1.#IND", "1.#QNAN",
                                                      "-1.#QNAN", "1.#SNAN", "-1.#SNAN"};
        require(special.count(text) == 1, "a non-finite value prints as 1.#INF, 1.#QNAN ...",
                describe(value, text));
        require(std::isnan(value) || text == (value > 0 ? "1.#INF" : "-1.#INF"),
                "infinities print with their sign", describe(value, text));
        return 0;
    }
    if (value == 0.0) {
        require(text == "0", "zero of either sign prints 0", describe(value, text));
        return 0;
    }
    require((text[0] == '-') == std::signbit(value), "the sign is written for negatives only",
            describe(value, text));

    const int exponent = checkShape(value, text);
    const double back = toNumber(text);
    // Half a unit of the 13th digit; the digits are first rounded to 17, which may add 5e-5 of a
    // unit, and reading back rounds to the nearest double.
    const long double unit = std::pow(10.0L, exponent - 12);
    const long double ulp = std::fabs(value - std::nextafter(value, 0.0));
    const long double error = std::fabs(static_cast<long double>(back) - value);
    require(error <= 0.5L * unit * (1.0L + 1e-4L) + ulp,
            "read back within half a unit of the 13th digit",
            describe(value, text) + " reads back as " + describe(back, toText(back)));
    require(toText(back) == text, "the read-back value prints the same text",
            describe(back, toText(back)) + " from " + describe(value, text));
    return 0;
}
