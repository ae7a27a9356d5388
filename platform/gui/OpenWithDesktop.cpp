#include "platform/gui/OpenWithDesktop.h"

#include <QDesktopServices>

namespace platform {

namespace {
OpenWithDesktopOverride& override_() {
    static OpenWithDesktopOverride o;
    return o;
}
} // namespace

bool openWithDesktop(const QUrl& url) {
    if (override_())
        return override_()(url);
    return QDesktopServices::openUrl(url);
}

OpenWithDesktopOverride setOpenWithDesktopOverride(OpenWithDesktopOverride open) {
    OpenWithDesktopOverride old = std::move(override_());
    override_() = std::move(open);
    return old;
}

} // namespace platform
