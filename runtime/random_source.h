#pragma once

#include <cstdint>
#include <random>

namespace varnoq {

// The program's one source of questions. Seeded once from the millisecond tick count; draws are
// uniform over inclusive ranges.
class RandomSource {
public:
    // Seeds from tickCount plus an accumulator, so two seedings in one millisecond differ.
    void seedRandom(std::uint32_t tickCount);
    // Negative bounds count as 0 and the bounds may come in either order; equal bounds return
    // without drawing.
    std::int32_t randomInt(std::int32_t lo, std::int32_t hi);

    std::uint32_t seed() const { return seed_; }

private:
    std::mt19937 generator_;
    std::uint32_t seed_ = 0;
    std::uint32_t accumulator_ = 0;
};

// Milliseconds since an arbitrary fixed point (the system's start on Linux), low 32 bits.
std::uint32_t tickCount();

// The program-wide source, and the two calls the engine makes on it.
RandomSource& randomSource();
void seedRandom();
std::int32_t randomInt(std::int32_t lo, std::int32_t hi);

} // namespace varnoq
