#include "ui/common/ActivityIndicator.h"

#include <QPainter>
#include <QPalette>

namespace telvo {

namespace {
constexpr int kSegments = 12;
}

ActivityIndicator::ActivityIndicator(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Индикатор_активности"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kSegments;
        update();
    });
    hide();
}

void ActivityIndicator::start() {
    show();
    raise();
    timer_.start();
}

void ActivityIndicator::stop() {
    timer_.stop();
    hide();
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    const qreal outer = side / 2.0 - 2;
    const qreal inner = outer * 0.55;
    QColor colour = palette().color(QPalette::Highlight);
    for (int i = 0; i < kSegments; ++i) {
        // The segment at the current step is the darkest; the ones behind it fade.
        const int age = (step_ - i + kSegments) % kSegments;
        colour.setAlphaF(1.0 - 0.8 * age / kSegments);
        p.setPen(QPen(colour, side / 12.0, Qt::SolidLine, Qt::RoundCap));
        p.save();
        p.rotate(360.0 * i / kSegments);
        p.drawLine(QPointF(0, -inner), QPointF(0, -outer));
        p.restore();
    }
}

} // namespace telvo
