#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace platform {

// Speech from the synthesizer (libespeak-ng, English voice), into memory.
struct SpeechSamples {
    std::vector<int16_t> samples; // mono 16-bit
    int sampleRate = 0;           // 0 when the synthesizer is not available
};

// Speaks `text` into samples; empty when the synthesizer cannot be started or the text is
// blank. Safe from any thread: one synthesis runs at a time.
SpeechSamples synthesizeSpeech(const QString& text);

} // namespace platform
