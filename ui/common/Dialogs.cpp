#include "ui/common/Dialogs.h"

#include <QApplication>
#include <QPoint>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

namespace telvo {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& area) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromUtf8(name));
    if (area.isValid())
        b->setGeometry(area);
    return b;
}

QToolBar* makeCommandToolBar(QWidget* parent, const char* name) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(20, 20));
    bar->setFixedHeight(44);
    return bar;
}

QWidget* otherVisibleWindow(QWidget* self, QWidget* candidate) {
    if (!candidate)
        return nullptr;
    candidate = candidate->window();
    return candidate == self || !candidate->isVisible() ? nullptr : candidate;
}

QRect screenArea(QWidget* near) {
    QScreen* screen = near ? near->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void centreOn(QWidget* w, const QRect& area) {
    // move() places the frame, whose size the platform knows once the native window exists.
    const QSize frame = w->frameGeometry().size();
    if (area.isValid())
        w->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void centreOnOwner(QWidget* w) {
    QWidget* owner = otherVisibleWindow(w, w->parentWidget());
    if (!owner)
        owner = otherVisibleWindow(w, QApplication::activeWindow());
    centreOn(w, owner ? owner->frameGeometry() : screenArea(nullptr));
}

} // namespace telvo
