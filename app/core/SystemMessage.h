#pragma once

#include <QString>
#include <functional>

namespace telvo {

// The system's plain message box (one OK button), for the few texts that use it rather than
// the program's own message windows. Procedures without windows call it; the program installs
// the real box at start, tests install a recorder.
void showSystemMessage(const QString& text);

using SystemMessageSink = std::function<void(const QString& text)>;
// Installs a sink and returns the previous one.
SystemMessageSink setSystemMessageSink(SystemMessageSink sink);

} // namespace telvo
