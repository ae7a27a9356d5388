#pragma once

#include <QString>

namespace telvo {

// What the sound windows play through: the sound device, or a recorder in tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a WAV file to its end; false, silently, when it cannot be played.
    virtual bool playFile(const QString& path) = 0;
    // Speaks `text` with the speech synthesizer to its end; false when nothing could be said.
    virtual bool speak(const QString& text) = 0;
    // Silence of `milliseconds` on the calling thread.
    virtual void wait(int milliseconds) = 0;
};

// The sound device and the synthesizer of this machine.
SoundOutput& systemSoundOutput();

// The output the windows use: the system one unless a test put its own in. Returns the old one.
SoundOutput* setSoundOutput(SoundOutput* output);
SoundOutput& soundOutput();

enum class Pronounced {
    Recording, // the word's WAV file played
    Speech,    // the word has no recording: the synthesizer said it
    Nothing,   // a recording exists but cannot be played, or nothing could be said
};

// Says `word` on the calling thread: its recording in `folder` (exact name, else a match that
// ignores letter case) when there is one, otherwise the synthesizer's voice. A broken recording
// stays silent rather than being replaced by speech: the user chose those files.
Pronounced pronounceWord(SoundOutput& output, const QString& folder, const QString& word);

} // namespace telvo
