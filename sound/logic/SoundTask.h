#pragma once

#include <QObject>
#include <functional>

namespace telvo {

// The background sound of a window: one task at a time on the shared thread pool, and the
// window's busy flag. The flag is set the moment a task is accepted, on the user-interface
// thread, so a second request made before the task has begun is refused too; it is cleared
// when the task's last step has run. Steps the task runs "on the UI thread" are synchronous
// calls: the worker waits for them, so no state is shared between threads without one.
class SoundTask : public QObject {
    Q_OBJECT
public:
    using OnUi = std::function<void(const std::function<void()>&)>;
    // The task's body, on the worker: plays, waits, and calls `onUi` for every step that
    // touches the window or the shared state.
    using Work = std::function<void(const OnUi& onUi)>;

    explicit SoundTask(QObject* parent = nullptr);
    // A window closing while a task runs (the program ending) waits for it.
    ~SoundTask() override;

    bool busy() const { return busy_; }

    // Starts `work` unless a task runs. `begin` and `end` run on the UI thread as the task's
    // first and last steps. False when refused.
    bool start(std::function<void()> begin, Work work, std::function<void()> end);

    // Lets the UI thread go on until the running task has ended (tests, benchmarks, closing).
    void waitUntilIdle();

signals:
    void finished();

private:
    bool busy_ = false;
};

} // namespace telvo
