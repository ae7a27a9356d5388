#pragma once

#include <cstdint>

namespace platform {

// Low 32 bits of the steady clock in nanoseconds: the reseed value of the random generator.
uint32_t clockSeed();

} // namespace platform
