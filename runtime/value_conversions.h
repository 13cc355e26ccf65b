#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Conversions between texts (UTF-8), 32-bit integers and doubles, with the exact results the
// engine relies on. None of them depends on the C or C++ locale.
namespace varnoq {

// Reads the leading number of a text the way atof does ("12abc" gives 12, "abc" gives 0), after
// turning full-width digits, signs, point and exponent letters and the ideographic space into
// their ASCII forms. Accepts d/D as exponent letters; uses only the first 25 significant digits.
double toNumber(std::string_view text);
// The first step of toNumber on its own: full-width ASCII forms (not ＄), ￥, ￣, ～, ☆, ★ and the
// ideographic space become ASCII; a character cut off by the end of the text is dropped.
std::string normalizeNumberText(std::string_view text);
// Whether toNumber finds a number at the start of the text, that is at least one digit: "-",
// "--", "abc" and "" hold none, "-0", "07" and "0-" do.
bool holdsNumber(std::string_view text);

std::string toText(std::int32_t value);
// "%.13g" with three-digit exponents, "0" for -0, and 1.#INF / -1.#IND / 1.#QNAN / 1.#SNAN.
std::string toText(double value);

// Rounds half away from zero to `places` decimals (negative: tens, hundreds, ...), with a 1e-12
// nudge so that 57.49999999999999 (23 / 40 * 100) rounds to 58.
double roundHalfAway(double x, std::int32_t places = 0);

// Floor that forgives rounding noise just below a whole number; NaN gives 0.
std::int32_t floorToInt(double x);
// Low 32 bits of the truncation to 64 bits; NaN, infinities and out-of-range values give 0.
std::int32_t truncToInt(double x);

// A negative x gives the NaN of an invalid operation (sign bit set), as the FPU makes it.
double squareRoot(double x);
double realRemainder(double a, double b);

// 0 when equal, otherwise -1 or 1 by the first differing byte, bytes taken as unsigned.
std::int32_t compareText(std::string_view a, std::string_view b);
std::string concatText(std::initializer_list<std::string_view> parts);

// The NaN that 0 / 0 gives on the processor: bits FFF8000000000000.
double invalidOperationNaN();

} // namespace varnoq
