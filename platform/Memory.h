#pragma once

#include <cstdint>

namespace platform {

// The most memory this process has held resident so far, in bytes (0 when unknown).
uint64_t peakResidentBytes();

} // namespace platform
