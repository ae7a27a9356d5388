#include "ui/common/ButtonKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace telvo {

namespace {

// Watches the window: a key a focused button does not take itself reaches the window next.
class EnterOnFocusedButton : public QObject {
public:
    explicit EnterOnFocusedButton(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (!enter || mods != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(window_->focusWidget());
        if (!button || button->window() != window_ || !button->isVisible() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }

private:
    QWidget* window_;
};

} // namespace

void enterPressesFocusedButton(QWidget* window) {
    // No button becomes the default by taking the focus; the one set as default stays it.
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->window() == window)
            button->setAutoDefault(false);
    window->installEventFilter(new EnterOnFocusedButton(window));
}

} // namespace telvo
