#pragma once

#include "sound/logic/Pronunciation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <mutex>
#include <semaphore>

namespace telvo::test {

// A sound output that writes down what it was asked to do, in order: "play <path>",
// "speak <text>", "wait <ms>". Files whose name contains "broken" fail to play.
class RecordingOutput : public SoundOutput {
public:
    bool playFile(const QString& path) override {
        add(QStringLiteral("play ") + path);
        return !path.contains(QStringLiteral("broken"));
    }
    bool speak(const QString& text) override {
        add(QStringLiteral("speak ") + text);
        return !text.trimmed().isEmpty();
    }
    void wait(int milliseconds) override { add(QStringLiteral("wait %1").arg(milliseconds)); }

    QStringList events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

private:
    void add(const QString& e) {
        std::lock_guard lock(mutex_);
        events_ << e;
    }
    mutable std::mutex mutex_;
    QStringList events_;
};

// A recording output whose every sound waits for a permit of the test: what was asked is written
// down first, so the test sees which sound the worker is held in.
class GatedOutput : public RecordingOutput {
public:
    bool playFile(const QString& path) override {
        const bool ok = RecordingOutput::playFile(path);
        gate_.acquire();
        return ok;
    }
    bool speak(const QString& text) override {
        const bool ok = RecordingOutput::speak(text);
        gate_.acquire();
        return ok;
    }
    void release(int sounds = 1) { gate_.release(sounds); }
    // Lets every sound through from now on.
    void open() { gate_.release(100000); }

private:
    std::counting_semaphore<1000000> gate_{0};
};

// Keeps the UI thread's events flowing until `done` holds (at most five seconds).
template <class Done> bool waitFor(Done done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Puts an output in for the lifetime of the object.
class ScopedSoundOutput {
public:
    explicit ScopedSoundOutput(SoundOutput& output) : old_(setSoundOutput(&output)) {}
    ~ScopedSoundOutput() { setSoundOutput(old_); }
    ScopedSoundOutput(const ScopedSoundOutput&) = delete;
    ScopedSoundOutput& operator=(const ScopedSoundOutput&) = delete;

private:
    SoundOutput* old_;
};

} // namespace telvo::test
