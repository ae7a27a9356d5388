#pragma once

namespace platform {

// Whether the machine has a network address other than loopback: the sign that it may reach
// the internet at all.
bool hasNetworkAddress();

} // namespace platform
