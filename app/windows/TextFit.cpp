#include "app/windows/TextFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>

namespace telvo {

LabelFit::LabelFit(QLabel* label)
    : label_(label), window_(label->parentWidget()), labelBase_(label->geometry()),
      windowBase_(window_->size()) {
    for (QObject* child : window_->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != label_ && !w->isWindow() && w->y() >= labelBase_.bottom() + 1)
            below_.append({w, w->pos()});
    }
}

void LabelFit::fit() {
    // heightForWidth never answers less than the label's minimum height: free it first.
    label_->setMinimumHeight(0);
    label_->setMaximumHeight(QWIDGETSIZE_MAX);
    const int needed = label_->heightForWidth(labelBase_.width());
    const int grow = std::max(0, needed - labelBase_.height());
    label_->setFixedSize(labelBase_.width(), labelBase_.height() + grow);
    for (const auto& [w, pos] : below_)
        w->move(pos + QPoint(0, grow));
    window_->setFixedSize(windowBase_.width(), windowBase_.height() + grow);
}

void fitWindowHeight(QWidget* window, QSize base) {
    int needed = base.height();
    if (QLayout* layout = window->layout()) {
        layout->activate();
        if (layout->hasHeightForWidth())
            needed = std::max(needed, layout->totalHeightForWidth(base.width()));
        else
            needed = std::max(needed, layout->totalMinimumSize().height());
    }
    window->setFixedSize(base.width(), needed);
}

void shrinkFontToFit(QLabel* label, const QFont& base) {
    QFont font = base;
    const int width = label->contentsRect().width() - 2 * label->margin();
    const bool pixels = font.pixelSize() > 0;
    int size = pixels ? font.pixelSize() : font.pointSize();
    while (size > 6 && QFontMetrics(font).horizontalAdvance(label->text()) > width) {
        --size;
        if (pixels)
            font.setPixelSize(size);
        else
            font.setPointSize(size);
    }
    label->setFont(font);
}

int widthToShow(const QFont& font, const QString& text, int inset, int minimum) {
    return std::max(minimum, QFontMetrics(font).horizontalAdvance(text) + 2 * inset);
}

} // namespace telvo
