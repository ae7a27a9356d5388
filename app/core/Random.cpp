#include "app/core/Random.h"

#include "platform/Clock.h"

namespace telvo {

int32_t RandomGenerator::draw(int32_t n) {
    seed = seed * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
}

void RandomGenerator::reseedFromClock() {
    seed = platform::clockSeed();
}

} // namespace telvo
