#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace telvo {

// The groups window's commands that other subsystems carry out.
enum class GroupsCommand {
    PronounceWord, // the word drill on the selected group word (Ctrl+W, double-click on the label)
    Player,        // the player in group mode (Ctrl+P)
    Manual,        // the user manual (F1, the question-mark picture)
};

// What other windows may ask of the groups window. Windows hold this interface, never the groups
// window's class or its controls.
class GroupsWindow {
public:
    virtual ~GroupsWindow() = default;

    virtual QWidget* widget() = 0;
    virtual bool isOpen() const = 0;

    // The English word of the selected word row (blanks collapsed, trimmed); empty when the
    // window is closed or the row is empty.
    virtual QString selectedWord() const = 0;
    // The translation of the selected word row, the same way.
    virtual QString selectedTranslation() const = 0;
    // The 0-based index of the group shown, or -1 when there is none.
    virtual int selectedGroup() const = 0;

    // Connects `command` to the groups window's action. A command the window does not have is a
    // programming error and throws std::logic_error.
    virtual void installCommand(GroupsCommand command, std::function<void()> run) = 0;
};

} // namespace telvo
