#include "sound/logic/Pronunciation.h"

#include "platform/audio/Audio.h"
#include "platform/audio/Speech.h"
#include "sound/logic/SoundFolder.h"

#include <QThread>

namespace telvo {

namespace {

class SystemSoundOutput final : public SoundOutput {
public:
    bool playFile(const QString& path) override { return platform::playWavFile(path); }
    bool speak(const QString& text) override {
        const platform::SpeechSamples speech = platform::synthesizeSpeech(text);
        return platform::playSamples(speech.samples, speech.sampleRate);
    }
    void wait(int milliseconds) override {
        if (milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

SoundOutput*& currentOutput() {
    static SoundOutput* output = &systemSoundOutput();
    return output;
}

} // namespace

SoundOutput& systemSoundOutput() {
    static SystemSoundOutput output;
    return output;
}

SoundOutput* setSoundOutput(SoundOutput* output) {
    SoundOutput* old = currentOutput();
    currentOutput() = output ? output : &systemSoundOutput();
    return old;
}

SoundOutput& soundOutput() {
    return *currentOutput();
}

Pronounced pronounceWord(SoundOutput& output, const QString& folder, const QString& word) {
    const QString file = findWordFile(folder, word);
    if (!file.isEmpty())
        return output.playFile(file) ? Pronounced::Recording : Pronounced::Nothing;
    return output.speak(word) ? Pronounced::Speech : Pronounced::Nothing;
}

} // namespace telvo
