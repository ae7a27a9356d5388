#include "sound/logic/WordDrill.h"

#include <algorithm>

namespace telvo {

int drillWindowWidth(int length) {
    return std::clamp(43 * length + 215, 360, 1000);
}

int drillFlashIntervalMs(int length) {
    return length <= 7 ? 900 : length * 90;
}

QString drillCounterText(int showings, int minutes, int seconds) {
    auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    return QString::number(showings) + QStringLiteral(" [") + two(minutes) + u':' + two(seconds) +
           u']';
}

} // namespace telvo
