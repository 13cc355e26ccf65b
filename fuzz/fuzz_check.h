#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken property is a finding: print what was seen and abort, so libFuzzer keeps the input.
namespace varnoq::fuzz {

inline std::string printable(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] inline void fail(const char* property, const std::string& detail) {
    std::fprintf(stderr, "property broken: %s\n  %s\n", property, detail.c_str());
    std::abort();
}

inline void require(bool holds, const char* property, const std::string& detail) {
    if (!holds)
        fail(property, detail);
}

} // namespace varnoq::fuzz
