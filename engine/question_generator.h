#pragma once

#include "engine/engine.h"

namespace varnoq {

enum OperationMode : std::int32_t {
    Add = 0,
    Subtract = 1,
    Multiply = 2,
    Divide = 3,
    AddOrSubtract = 4,
    MultiplyOrDivide = 5,
};

// Reads the operation and the largest number, shows the operator and the first question, and
// opens the answer box.
void prepareFirstQuestion(Engine& engine);
// Draws operand1 and operand2 for operationMode and maxNumber; for the mixed modes it also
// writes the operator it chose. The number labels are left to the caller.
void generateQuestion(Engine& engine);

} // namespace varnoq
