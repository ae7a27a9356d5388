#pragma once

#include <QString>
#include <functional>

namespace platform {

// True when the active keyboard layout is English (US). On X11 that is the layout of the
// active XKB group being "us"; elsewhere (Wayland, offscreen) the input method's locale being
// en_US. Other English variants (gb, us(intl) is still us) count as not English.
bool isEnglishUsLayout();

// The XKB name of the active layout ("us", "ru", "gb"), or an empty text when there is no X11
// display or the server does not say.
QString activeXkbLayout();

// The layout name of group `group` (0-based) in an XKB symbols name such as
// "pc+us+ru:2+inet(evdev)": "us" for group 0, "ru" for group 1. Variants in parentheses are
// dropped; parts that are not layouts (pc, inet, group, ...) are skipped. Empty when the
// group has no layout.
QString xkbLayoutOfGroup(const QString& symbols, int group);

// Tests decide the layout: while an override is set, it gives the active layout's XKB name and
// isEnglishUsLayout() answers from it alone. Returns the previous override; an empty function
// restores the real query.
using KeyboardLayoutOverride = std::function<QString()>;
KeyboardLayoutOverride setKeyboardLayoutOverride(KeyboardLayoutOverride layoutName);

} // namespace platform
