#include "platform/audio/Speech.h"

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace platform {

namespace {

std::mutex& speechMutex() {
    static std::mutex m;
    return m;
}

// The synthesizer is process-wide; these live under speechMutex().
int sampleRate = 0;
bool started = false;
std::vector<int16_t>* collecting = nullptr;

int collect(short* wav, int count, espeak_EVENT*) {
    if (wav && count > 0 && collecting)
        collecting->insert(collecting->end(), wav, wav + count);
    return 0;
}

bool startSynthesizer() {
    if (started)
        return sampleRate > 0;
    started = true;
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (rate <= 0)
        return false;
    espeak_SetSynthCallback(collect);
    if (espeak_SetVoiceByName("en-us") != EE_OK && espeak_SetVoiceByName("en") != EE_OK)
        return false;
    sampleRate = rate;
    return true;
}

} // namespace

SpeechSamples synthesizeSpeech(const QString& text) {
    SpeechSamples result;
    const QByteArray utf8 = text.trimmed().toUtf8();
    if (utf8.isEmpty())
        return result;
    std::lock_guard lock(speechMutex());
    if (!startSynthesizer())
        return result;
    collecting = &result.samples;
    const espeak_ERROR error =
        espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (error != EE_OK) {
        result.samples.clear();
        return result;
    }
    result.sampleRate = sampleRate;
    return result;
}

} // namespace platform
