#pragma once

#include "sound/logic/Pronunciation.h"

#include <QString>
#include <QStringList>
#include <mutex>

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
