#include "runtime/value_conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <system_error>

namespace varnoq {

namespace {

constexpr std::uint64_t kSignBit = 0x8000000000000000ULL;
constexpr std::uint64_t kExponentMask = 0x7FF0000000000000ULL;
constexpr std::uint64_t kQuietBit = 0x0008000000000000ULL;
constexpr std::uint64_t kFractionMask = 0x000FFFFFFFFFFFFFULL;
constexpr std::uint64_t kInvalidOperationBits = 0xFFF8000000000000ULL;

// Significant digits that decide a read number; later ones only shift its magnitude.
constexpr std::size_t kSignificantDigits = 25;
// Exponent digits saturate here: no text that fits in memory can bring such a power back into
// the range of a double, and the arithmetic on it stays far from 64-bit overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length a UTF-8 lead byte announces; 1 for bytes that cannot start a sequence.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xC0 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF7) {
        return 4;
    }
    return 1;
}

// The ASCII replacement of a full-width or look-alike character, or 0 to keep it as it is.
char asciiReplacement(char32_t c) {
    switch (c) {
    case U'\u3000':
        return ' ';
    case U'\u2605':
    case U'\u2606':
        return '*';
    case U'\uFFE5':
        return '$';
    case U'\uFFE3':
        return '~';
    case U'\uFF04':
        // The code page keeps the full-width dollar outside its row of ASCII forms.
        return 0;
    default:
        break;
    }
    if (c >= U'\uFF01' && c <= U'\uFF5E') {
        return static_cast<char>(c - 0xFEE0);
    }
    return 0;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Nearest double to digits × 10^exponent; digits holds 1 to 25 decimal digits, the first non-zero.
double decimalToDouble(const std::string& digits, std::int64_t exponent) {
    std::int64_t leading = exponent + static_cast<std::int64_t>(digits.size()) - 1;
    if (leading > 400) {
        return std::numeric_limits<double>::infinity();
    }
    if (leading < -400) {
        return 0.0;
    }
    std::string literal = digits;
    literal += 'e';
    literal += std::to_string(exponent);
    double value = 0.0;
    auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), value,
                                     std::chars_format::scientific);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        return leading > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

std::uint64_t bitsOf(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

std::string nanText(std::uint64_t bits) {
    if (bits == kInvalidOperationBits) {
        return "-1.#IND";
    }
    std::string text = (bits & kSignBit) != 0 ? "-" : "";
    text += (bits & kQuietBit) != 0 ? "1.#QNAN" : "1.#SNAN";
    return text;
}

// The double of the decimal power 10^n, correctly rounded (infinity or 0 beyond the range).
double powerOfTen(std::int64_t n) {
    return decimalToDouble("1", n);
}

// Half away from zero for a non-negative y, with the nudge that forgives noise below a half.
double roundNonNegative(double y) {
    double nudged = y + 0.000000000001;
    double whole = 0.0;
    double fraction = std::modf(nudged, &whole);
    return fraction >= 0.5 ? whole + 1.0 : whole;
}

// Low 32 bits of a whole double converted to 64 bits; outside the 64-bit range gives 0.
std::int32_t low32Bits(double whole) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!(whole >= -kTwoTo63 && whole < kTwoTo63)) {
        return 0;
    }
    auto wide = static_cast<std::int64_t>(whole);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

} // namespace

std::string normalizeNumberText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += text[i];
            ++i;
            continue;
        }
        std::size_t length = sequenceLength(lead);
        std::size_t complete = 1;
        while (complete < length && i + complete < text.size() &&
               isContinuation(static_cast<unsigned char>(text[i + complete]))) {
            ++complete;
        }
        if (complete < length) {
            if (i + complete == text.size()) {
                break; // a character cut off by the end of the text
            }
            out += text[i]; // a malformed lead byte stays as it is
            ++i;
            continue;
        }
        char replacement = 0;
        if (length == 3) {
            char32_t c =
                (static_cast<char32_t>(lead & 0x0F) << 12) |
                (static_cast<char32_t>(static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                static_cast<char32_t>(static_cast<unsigned char>(text[i + 2]) & 0x3F);
            replacement = asciiReplacement(c);
        }
        if (replacement != 0) {
            out += replacement;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

namespace {

// The leading number of a text as atof reads it, or nothing when the text holds no digit there.
std::optional<double> readNumber(std::string_view text) {
    const std::string normal = normalizeNumberText(text);
    const char* p = normal.data();
    const char* const end = p + normal.size();

    while (p != end && isSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    std::string digits;     // significant digits kept, the first non-zero
    std::int64_t scale = 0; // value = digits × 10^scale
    bool anyDigit = false;
    for (; p != end && isDigit(*p); ++p) {
        anyDigit = true;
        if (digits.empty() && *p == '0') {
            continue;
        }
        if (digits.size() < kSignificantDigits) {
            digits += *p;
        } else {
            ++scale;
        }
    }
    if (p != end && *p == '.') {
        ++p;
        for (; p != end && isDigit(*p); ++p) {
            anyDigit = true;
            if (digits.empty() && *p == '0') {
                --scale;
            } else if (digits.size() < kSignificantDigits) {
                digits += *p;
                --scale;
            }
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }

    if (p != end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q != end && (*q == '+' || *q == '-')) {
            negativeExponent = *q == '-';
            ++q;
        }
        if (q != end && isDigit(*q)) {
            std::int64_t exponent = 0;
            for (; q != end && isDigit(*q); ++q) {
                exponent = std::min(exponent * 10 + (*q - '0'), kExponentCap);
            }
            scale += negativeExponent ? -exponent : exponent;
        }
    }

    double magnitude = digits.empty() ? 0.0 : decimalToDouble(digits, scale);
    return negative ? -magnitude : magnitude;
}

} // namespace

double toNumber(std::string_view text) {
    return readNumber(text).value_or(0.0);
}

bool holdsNumber(std::string_view text) {
    return readNumber(text).has_value();
}

std::string toText(std::int32_t value) {
    std::array<char, 16> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)ec;
    return std::string(buffer.data(), end);
}

std::string toText(double value) {
    const std::uint64_t bits = bitsOf(value);
    if ((bits & kExponentMask) == kExponentMask) {
        if ((bits & kFractionMask) != 0) {
            return nanText(bits);
        }
        return (bits & kSignBit) != 0 ? "-1.#INF" : "1.#INF";
    }
    if (value == 0.0) {
        return "0";
    }

    // 17 significant digits first, as d.dddddddddddddddde±XX.
    std::array<char, 40> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::scientific, 16);
    (void)ec;
    std::string digits;
    digits += buffer[0];
    digits.append(buffer.data() + 2, 16);
    const char* exponentStart = buffer.data() + 19; // the sign after "d.dddddddddddddddde"
    int exponent = 0;
    std::from_chars(exponentStart + (*exponentStart == '+' ? 1 : 0), end, exponent);

    // Then half up to 13 digits; a carry out of the first digit moves the exponent.
    constexpr std::size_t kPrecision = 13;
    const bool roundUp = digits[kPrecision] >= '5';
    digits.resize(kPrecision);
    if (roundUp) {
        std::size_t i = kPrecision;
        while (i > 0 && digits[i - 1] == '9') {
            digits[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }

    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= static_cast<int>(kPrecision)) {
        std::string fraction = digits.substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += digits[0];
        if (!fraction.empty()) {
            text += '.';
            text += fraction;
        }
        text += 'e';
        text += exponent < 0 ? '-' : '+';
        std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
        if (magnitude.size() < 3) {
            magnitude.insert(0, 3 - magnitude.size(), '0');
        }
        text += magnitude;
        return text;
    }

    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        whole = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    fraction.erase(fraction.find_last_not_of('0') + 1);
    text += whole;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

double roundHalfAway(double x, std::int32_t places) {
    if (x == 0.0 || std::isnan(x)) {
        return x;
    }
    const bool negative = x < 0;
    const double a = std::fabs(x);
    double result = 0.0;
    if (places == 0) {
        result = roundNonNegative(a);
    } else if (places > 0) {
        const double p = powerOfTen(places);
        result = roundNonNegative(a * p) / p;
    } else {
        const double p = powerOfTen(-static_cast<std::int64_t>(places));
        result = roundNonNegative(a / p) * p;
    }
    return negative ? -result : result;
}

std::int32_t floorToInt(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double whole = std::floor(x);
    if (x - whole > 0.999999999999) {
        x = whole + 1.0;
    }
    return low32Bits(std::floor(x));
}

std::int32_t truncToInt(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    return low32Bits(std::trunc(x));
}

double squareRoot(double x) {
    if (x < 0) {
        return invalidOperationNaN();
    }
    return std::sqrt(x);
}

double realRemainder(double a, double b) {
    return std::fmod(a, b);
}

std::int32_t compareText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(a[i]);
        const auto right = static_cast<unsigned char>(b[i]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

std::string concatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) {
        total += part.size();
    }
    std::string text;
    text.reserve(total);
    for (std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

double invalidOperationNaN() {
    return std::bit_cast<double>(kInvalidOperationBits);
}

} // namespace varnoq
