#include "platform/audio/Audio.h"

#include <QFile>

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

// One sound at a time, and SDL's audio subsystem is started under the same lock.
std::mutex& playbackMutex() {
    static std::mutex m;
    return m;
}

std::atomic<int64_t> firstSampleTime{0};

int64_t steadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Small buffers: with SDL's default a half-second sound took twice its length to play.
constexpr Uint16 kBufferSamples = 512;

bool audioStarted() {
    if (SDL_WasInit(SDL_INIT_AUDIO))
        return true;
    // A truncated file must fail to load rather than play what is there plus noise.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

struct Playback {
    const Uint8* data = nullptr;
    Uint32 length = 0;
    Uint32 position = 0;
    Uint8 silence = 0;
    bool finished = false;
    std::mutex mutex;
    std::condition_variable done;
};

void SDLCALL fillBuffer(void* userdata, Uint8* stream, int len) {
    auto* p = static_cast<Playback*>(userdata);
    std::lock_guard lock(p->mutex);
    if (p->position == 0 && len > 0)
        firstSampleTime.store(steadyNanoseconds());
    const Uint32 wanted = static_cast<Uint32>(len);
    const Uint32 n = std::min(wanted, p->length - p->position);
    if (n > 0)
        std::memcpy(stream, p->data + p->position, n);
    if (n < wanted)
        std::memset(stream + n, p->silence, wanted - n);
    p->position += n;
    if (p->position >= p->length && !p->finished) {
        p->finished = true;
        p->done.notify_all();
    }
}

// Plays `length` bytes of `format` to their end; the caller holds the playback lock.
bool playBuffer(const Uint8* data, Uint32 length, const SDL_AudioSpec& format) {
    if (length == 0)
        return false;
    Playback playback;
    playback.data = data;
    playback.length = length;

    SDL_AudioSpec desired = format;
    desired.samples = kBufferSamples;
    desired.callback = fillBuffer;
    desired.userdata = &playback;
    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts to the device, so the callback gets the file's format.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, 0);
    if (device == 0)
        return false;
    playback.silence = obtained.silence;

    const int bytesPerFrame =
        static_cast<int>(SDL_AUDIO_BITSIZE(obtained.format) / 8) * obtained.channels;
    const double seconds =
        bytesPerFrame > 0 && obtained.freq > 0
            ? static_cast<double>(length) / (static_cast<double>(bytesPerFrame) * obtained.freq)
            : 0.0;
    const double bufferSeconds =
        obtained.freq > 0 ? static_cast<double>(obtained.samples) / obtained.freq : 0.0;

    SDL_PauseAudioDevice(device, 0);
    bool finished;
    {
        std::unique_lock lock(playback.mutex);
        // A device that stops asking for sound must not hold the worker for ever.
        const auto limit = std::chrono::milliseconds(static_cast<int64_t>(seconds * 1000) + 3000);
        finished = playback.done.wait_for(lock, limit, [&] { return playback.finished; });
    }
    // The last buffer was only handed over; let it sound before the device closes.
    if (finished)
        SDL_Delay(static_cast<Uint32>(bufferSeconds * 1000) + 1);
    SDL_CloseAudioDevice(device);
    return finished;
}

// The sounds play on worker threads SDL did not create, and SDL frees the per-thread data it
// keeps (its error text) only for its own threads; each playback frees it on the way out.
struct ThreadDataCleanup {
    ThreadDataCleanup() = default;
    ThreadDataCleanup(const ThreadDataCleanup&) = delete;
    ThreadDataCleanup& operator=(const ThreadDataCleanup&) = delete;
    ~ThreadDataCleanup() { SDL_TLSCleanup(); }
};

} // namespace

bool playWavFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty())
        return false;

    std::lock_guard lock(playbackMutex());
    const ThreadDataCleanup cleanup;
    if (!audioStarted())
        return false;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    if (!rw)
        return false;
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &format, &data, &length))
        return false;
    const bool played = playBuffer(data, length, format);
    SDL_FreeWAV(data);
    return played;
}

bool playSamples(const std::vector<int16_t>& samples, int sampleRate) {
    if (samples.empty() || sampleRate <= 0)
        return false;
    std::lock_guard lock(playbackMutex());
    const ThreadDataCleanup cleanup;
    if (!audioStarted())
        return false;
    SDL_AudioSpec format{};
    format.freq = sampleRate;
    format.format = AUDIO_S16SYS;
    format.channels = 1;
    return playBuffer(reinterpret_cast<const Uint8*>(samples.data()),
                      static_cast<Uint32>(samples.size() * sizeof(int16_t)), format);
}

int64_t lastFirstSampleTime() {
    return firstSampleTime.load();
}

} // namespace platform
