#include "ui/common/ClickableLabel.h"

#include <QMouseEvent>

namespace telvo {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (afterDoubleClick_) {
        afterDoubleClick_ = false;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    afterDoubleClick_ = true;
    emit doubleClicked();
}

} // namespace telvo
