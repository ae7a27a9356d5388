#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QPushButton;
class QToolBar;
class QWidget;

namespace telvo {

// A named button of a dialog; `area` places it when the dialog has no layout. Which button
// Enter presses is the window's business (enterPressesFocusedButton).
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& area = {});

// The fixed command bar of a record window: not movable, no context menu, 20-pixel icons with
// their text below, 44 pixels high.
QToolBar* makeCommandToolBar(QWidget* parent, const char* name);

// The window, other than `self`, that `candidate` belongs to, when it is visible.
QWidget* otherVisibleWindow(QWidget* self, QWidget* candidate);

// The available desktop area of the screen `near` is on (the primary screen without one).
QRect screenArea(QWidget* near);

// Moves the window so that its frame is centred on `area`.
void centreOn(QWidget* w, const QRect& area);

// Centred on the owner window (the main window for the long-lived ones), or on the window the
// user works in, or on the desktop when neither is visible.
void centreOnOwner(QWidget* w);

} // namespace telvo
