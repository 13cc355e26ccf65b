#pragma once

#include "engine/engine.h"

#include <string>

namespace varnoq {

// Fills the results list with one row per answer and the eight statistics from the summary
// recorded at time-up, never from the live counters.
void showTestReport(Engine& engine);

// The texts of the three computed statistics, exposed for their rounding rules.
std::string percentText(std::int32_t part, std::int32_t answered);
std::string answersPerMinuteText(std::int32_t answered, std::int32_t testLengthSeconds);

} // namespace varnoq
