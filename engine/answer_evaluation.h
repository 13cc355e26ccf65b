#pragma once

#include "engine/engine.h"

namespace varnoq {

// Judges the text of the answer box against the question on screen, counts and logs it, and
// shows the next question in an empty, focused answer box.
void submitAnswer(Engine& engine);

// The right answer to the question shown: from the operator caption, not from operationMode,
// so that a mixed test is judged by the operator the user saw. An unknown operator gives 0.
std::int32_t expectedResult(const std::string& operatorCaption, std::int32_t operand1,
                            std::int32_t operand2);

} // namespace varnoq
