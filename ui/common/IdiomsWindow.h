#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace telvo {

// The idioms window's commands that other subsystems carry out.
enum class IdiomsCommand {
    UsageExample, // F4
    Notepad,      // Ctrl+B
    Manual,       // F1, the window's picture
};

// What other windows may ask of the idioms window. Windows hold this interface, never the idioms
// window's class or its controls.
class IdiomsWindow {
public:
    virtual ~IdiomsWindow() = default;

    virtual QWidget* widget() = 0;
    virtual bool isOpen() const = 0;

    // The idiom text of the selected row; empty when there are no idioms.
    virtual QString selectedIdiomText() const = 0;

    // Connects `command` to the idioms window's action and enables it. Until a command is
    // installed its action stays disabled. A command the window does not have is a programming
    // error and throws std::logic_error.
    virtual void installCommand(IdiomsCommand command, std::function<void()> run) = 0;
};

} // namespace telvo
