#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace platform {

// Plays sound through SDL2 on the calling thread and returns when the sound has finished, so
// a caller runs it on a worker thread and the windows stay responsive. One sound plays at a
// time: a second caller waits for the first. Every failure (missing or broken file, no audio
// device) is a silent return of false: the callers never show a message for it.

// Plays a WAV file to its end. A truncated file plays nothing rather than garbage.
bool playWavFile(const QString& path);

// Plays mono 16-bit samples at `sampleRate` to their end.
bool playSamples(const std::vector<int16_t>& samples, int sampleRate);

// Nanoseconds of the steady clock when the device last took its first buffer of sound, 0 before
// any playback: lets a benchmark measure the time from a request to the first sample.
int64_t lastFirstSampleTime();

} // namespace platform
