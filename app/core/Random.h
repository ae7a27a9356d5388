#pragma once

#include <cstdint>

namespace telvo {

// The program's linear congruential generator. The draw rule is part of the behaviour (tests
// replay known sequences), so it is written out here rather than taken from <random>.
class RandomGenerator {
public:
    uint32_t seed = 0;

    // Advances the seed and returns a number in 0 .. n-1 (0 when n <= 0).
    int32_t draw(int32_t n);

    // Reseeds from the low 32 bits of the steady clock.
    void reseedFromClock();
};

} // namespace telvo
