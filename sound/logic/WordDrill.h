#pragma once

#include <QString>

namespace telvo {

// The word drill's measures, from the length of the word it flashes.

// 43 pixels a letter and 215 besides, but never narrower than 360 nor wider than 1000.
int drillWindowWidth(int length);

// 900 ms up to 7 letters, then 90 ms a letter: 8 letters flash faster than 7, 10 as fast.
int drillFlashIntervalMs(int length);

// "N [MM:SS]" under the word: the showings so far and the time.
QString drillCounterText(int showings, int minutes, int seconds);

} // namespace telvo
