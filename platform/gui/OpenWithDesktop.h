#pragma once

#include <QUrl>
#include <functional>

namespace platform {

// Hands a document or a web address to the desktop's program for it (the PDF viewer, the web
// browser). False when the desktop has no program for it or could not start one.
bool openWithDesktop(const QUrl& url);

// Tests decide what opening does: while an override is set it is called instead of the
// desktop. Returns the previous override; an empty function restores the desktop.
using OpenWithDesktopOverride = std::function<bool(const QUrl& url)>;
OpenWithDesktopOverride setOpenWithDesktopOverride(OpenWithDesktopOverride open);

} // namespace platform
