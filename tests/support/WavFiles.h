#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cmath>
#include <cstdint>
#include <vector>

namespace telvo::test {

// PCM WAV files made by the tests, so no recording is kept in the repository.

inline void appendLe(QByteArray& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A canonical RIFF/WAVE file around `data` (already in the sample format).
inline QByteArray wavBytes(const QByteArray& data, int sampleRate, int channels, int bits) {
    QByteArray out("RIFF");
    appendLe(out, 36 + static_cast<uint32_t>(data.size()), 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2); // PCM
    appendLe(out, static_cast<uint32_t>(channels), 2);
    appendLe(out, static_cast<uint32_t>(sampleRate), 4);
    appendLe(out, static_cast<uint32_t>(sampleRate * channels * bits / 8), 4);
    appendLe(out, static_cast<uint32_t>(channels * bits / 8), 2);
    appendLe(out, static_cast<uint32_t>(bits), 2);
    out.append("data");
    appendLe(out, static_cast<uint32_t>(data.size()), 4);
    out.append(data);
    return out;
}

// `count` mono 16-bit samples of a tone whose every sample differs from its neighbours, so a
// lost or repeated buffer shows in a comparison; `seed` makes two files tell apart.
inline QByteArray toneSamples(int count, int seed = 1) {
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const auto v = static_cast<int16_t>(8000 * std::sin((i + seed * 37) * 0.05) + seed);
        appendLe(data, static_cast<uint16_t>(v), 2);
    }
    return data;
}

inline bool saveBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray loadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace telvo::test
