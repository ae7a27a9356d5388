#include "ui/common/FlagIndicator.h"

#include "app/core/Failure.h"
#include "ui/common/KeyboardLayoutCheck.h"

#include <QEvent>
#include <QPixmap>
#include <QTimer>

namespace telvo {

FlagIndicator::FlagIndicator(int intervalMs, QWidget* parent)
    : QLabel(parent), timer_(new QTimer(this)) {
    setFixedSize(32, 32);
    timer_->setInterval(intervalMs);
    connect(timer_, &QTimer::timeout, this, &FlagIndicator::tick);
}

QString FlagIndicator::englishFlagPath() {
    return QStringLiteral(":/images/flag_usa.png");
}

QString FlagIndicator::russianFlagPath() {
    return QStringLiteral(":/images/flag_russia.png");
}

void FlagIndicator::activate() {
    showFlag(Raskladka_klaviatury());
    timer_->start();
}

void FlagIndicator::tick() {
    const bool english = Raskladka_klaviatury();
    if (!shown_ || english != english_)
        showFlag(english);
}

void FlagIndicator::showFlag(bool english) {
    const QString path = english ? englishFlagPath() : russianFlagPath();
    const QPixmap picture(path);
    if (picture.isNull())
        throw Failure(QStringLiteral("Не удалось загрузить рисунок %1").arg(path));
    setPixmap(picture);
    const bool changed = !shown_ || english != english_;
    english_ = english;
    shown_ = true;
    if (changed)
        emit flagChanged(english);
}

void FlagIndicator::watchWindow() {
    QWidget* w = window();
    if (w == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = w;
    if (watchedWindow_)
        watchedWindow_->installEventFilter(this);
}

bool FlagIndicator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::WindowActivate)
        activate();
    return QLabel::eventFilter(watched, event);
}

void FlagIndicator::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    watchWindow();
    // A window shown again is not always activated again (or not at once): showing it is
    // enough to bring the picture up to date and poll while it is visible.
    activate();
}

void FlagIndicator::hideEvent(QHideEvent* event) {
    // Nobody sees the flag of a hidden window; polling starts again on the next activation.
    timer_->stop();
    QLabel::hideEvent(event);
}

} // namespace telvo
