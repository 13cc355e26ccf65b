#pragma once

#include "engine/test_state.h"
#include "runtime/control_operations.h"
#include "runtime/random_source.h"

namespace varnoq {

// What every handler works on: the test state, the controls of the windows and the random
// source. Handlers keep nothing between events; the phase of a test lives in the controls.
struct Engine {
    TestState& state;
    ControlOperations& controls;
    RandomSource& random;
};

} // namespace varnoq
