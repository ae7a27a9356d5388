#pragma once

namespace telvo {

// True when the active keyboard layout is English (US); any other layout, other English
// variants included, is not. Tests decide the answer with platform::setKeyboardLayoutOverride.
bool Raskladka_klaviatury();

} // namespace telvo
