#pragma once

#include "engine/engine.h"

namespace varnoq {

inline constexpr std::int32_t TIMER_PERIOD_MS = 200;
inline constexpr std::int32_t TICKS_PER_SECOND = 5;

// The handlers that carry a test from start-up through Start, its ticks and time-up to Reset.
// The phase of a test is not stored: it is which controls are enabled and which timers run, and
// the time is counted in the positions of the two progress bars.
void mainWindowCreated(Engine& engine);
void startTest(Engine& engine);
void perQuestionTimingToggled(Engine& engine);
void testTimerTick(Engine& engine);
void questionTimerTick(Engine& engine);
void finishTest(Engine& engine);
void resetTest(Engine& engine);

} // namespace varnoq
