#include "sound/logic/SoundTask.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

namespace telvo {

SoundTask::SoundTask(QObject* parent) : QObject(parent) {}

SoundTask::~SoundTask() {
    waitUntilIdle();
}

bool SoundTask::start(std::function<void()> begin, Work work, std::function<void()> end) {
    if (busy_)
        return false;
    busy_ = true;
    QThreadPool::globalInstance()->start(
        [this, begin = std::move(begin), work = std::move(work), end = std::move(end)] {
            const OnUi onUi = [this](const std::function<void()>& step) {
                if (step)
                    QMetaObject::invokeMethod(this, step, Qt::BlockingQueuedConnection);
            };
            onUi(begin);
            work(onUi);
            onUi([this, &end] {
                if (end)
                    end();
                busy_ = false;
                emit finished();
            });
        });
    return true;
}

void SoundTask::waitUntilIdle() {
    // The task's UI steps need this thread's events, so waiting must keep them flowing.
    while (busy_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (busy_)
            QThread::msleep(1);
    }
}

} // namespace telvo
