#include "platform/Clock.h"

#include <chrono>

namespace platform {

uint32_t clockSeed() {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(static_cast<uint64_t>(ns.count()));
}

} // namespace platform
