#pragma once

class QWidget;

namespace telvo {

// Enter (Return, or Enter on the keypad) presses the push button that has the focus in `window`,
// as Space does; the window's default button takes Enter only while no push button has the
// focus, and a window without one gives Enter to nobody then. Qt's own rule differs: it passes
// Enter on a button that is not "auto-default" to the default button, and in a dialog without
// a default it makes the last auto-default button that had the focus the default. Call once the
// window's buttons exist.
void enterPressesFocusedButton(QWidget* window);

} // namespace telvo
