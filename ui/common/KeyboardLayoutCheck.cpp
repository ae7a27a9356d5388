#include "ui/common/KeyboardLayoutCheck.h"

#include "app/core/Failure.h"
#include "platform/gui/KeyboardLayout.h"

namespace telvo {

bool Raskladka_klaviatury() {
    return reportFailuresAs("Раскладка_клавиатуры", [] { return platform::isEnglishUsLayout(); });
}

} // namespace telvo
