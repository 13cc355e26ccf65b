// toNumber never fails and never yields NaN; on plain ASCII it agrees bit for bit with the C
// library's strtod wherever the two read the same language; full-width forms are worth what their
// ASCII forms are worth.
#include "fuzz/fuzz_check.h"
#include "runtime/value_conversions.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace varnoq;
using namespace varnoq::fuzz;

namespace {

std::string describe(std::string_view text, double a, double b) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, " -> %.17g (%016llx) vs %.17g (%016llx)", a,
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(a)), b,
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(b)));
    return "\"" + printable(text) + "\"" + buffer;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool isAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

// strtod also reads hexadecimal, "inf" and "nan", has no "d" exponent and uses every digit;
// toNumber keeps 25 significant digits. Texts outside that common ground are not compared.
bool strtodReadsTheSame(std::string_view text) {
    int digits = 0;
    for (char c : text) {
        switch (c) {
        case 'x':
        case 'X':
        case 'i':
        case 'I':
        case 'n':
        case 'N':
        case 'd':
        case 'D':
            return false;
        default:
            break;
        }
        if (c >= '0' && c <= '9')
            ++digits;
    }
    return digits <= 25;
}

// The full-width form of every printable ASCII character, the ideographic space for a space.
std::string fullWidth(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == ' ') {
            out += "\u3000";
        } else if (c > ' ' && c < 0x7F) {
            const char32_t wide = char32_t(c) + 0xFEE0;
            out += char(0xE0 | (wide >> 12));
            out += char(0x80 | ((wide >> 6) & 0x3F));
            out += char(0x80 | (wide & 0x3F));
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = toNumber(text);
    require(!std::isnan(value), "toNumber never gives NaN", describe(text, value, value));
    if (!holdsNumber(text))
        require(value == 0.0, "a text without a number is worth 0", describe(text, value, 0.0));

    if (!isAscii(text))
        return 0;
    if (strtodReadsTheSame(text)) {
        const double expected = std::strtod(text.c_str(), nullptr);
        require(sameBits(value, expected), "toNumber agrees with strtod",
                describe(text, value, expected));
    }
    const std::string wide = fullWidth(text);
    const double wideValue = toNumber(wide);
    require(sameBits(wideValue, value), "full-width forms read as their ASCII forms",
            describe(wide, wideValue, value));
    // A character cut off by the end of the text is dropped ("０" without its last byte).
    const double cutValue = toNumber(text + "\xEF\xBC");
    require(sameBits(cutValue, value), "a cut-off character at the end changes nothing",
            describe(text + "\xEF\xBC", cutValue, value));
    return 0;
}
