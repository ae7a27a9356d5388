#include "platform/audio/Audio.h"
#include "platform/audio/Speech.h"
#include "tests/support/WavFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace telvo::test;

namespace {

// SDL's disk driver writes exactly the bytes the device was given (then silence up to a whole
// buffer), at once: what was played can be compared with what was meant to be played.
class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(outPath()).constData(), 1);
    }
    QString outPath() const { return dir.filePath(QStringLiteral("device.raw")); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QByteArray played() const { return loadBytes(outPath()); }

    // The sound, whole and once, with only silence around it: a paused device writes silence
    // too, as fast as the disk driver runs, until playback starts.
    ::testing::AssertionResult playedExactly(const QByteArray& expected, char silence = 0) {
        const QByteArray out = played();
        if (out.size() < expected.size())
            return ::testing::AssertionFailure()
                   << "device got " << out.size() << " bytes, expected " << expected.size();
        const qsizetype start = out.indexOf(expected);
        if (start < 0)
            return ::testing::AssertionFailure()
                   << "the sound is not among the " << out.size() << " played bytes";
        for (qsizetype i = 0; i < out.size(); ++i)
            if ((i < start || i >= start + expected.size()) && out[i] != silence)
                return ::testing::AssertionFailure() << "not silent around the sound at " << i;
        return ::testing::AssertionSuccess();
    }

    QTemporaryDir dir;
};

TEST_F(DiskAudio, WavFilePlaysEverySampleOnceInItsOwnFormat) {
    struct Case {
        const char* name;
        int rate, channels, bits;
        QByteArray data;
        char silence;
    };
    QByteArray eightBit;
    for (int i = 0; i < 3000; ++i)
        eightBit.append(static_cast<char>(128 + (i % 50) - 25));
    const Case cases[] = {
        {"mono 16-bit 22050 Hz", 22050, 1, 16, toneSamples(5000), 0},
        {"stereo 16-bit 44100 Hz", 44100, 2, 16, toneSamples(8000, 3), 0},
        {"mono 8-bit 11025 Hz", 11025, 1, 8, eightBit, static_cast<char>(0x80)},
        {"shorter than one device buffer", 22050, 1, 16, toneSamples(100, 5), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = file(QString::fromLatin1(c.name) + QStringLiteral(".wav"));
        ASSERT_TRUE(saveBytes(path, wavBytes(c.data, c.rate, c.channels, c.bits)));
        EXPECT_TRUE(platform::playWavFile(path));
        EXPECT_TRUE(playedExactly(c.data, c.silence));
    }
}

TEST_F(DiskAudio, CyrillicAndBlankInThePathPlay) {
    const QString path = file(QStringLiteral("Долгий_а ice cream.wav"));
    const QByteArray data = toneSamples(2000, 2);
    ASSERT_TRUE(saveBytes(path, wavBytes(data, 22050, 1, 16)));
    EXPECT_TRUE(platform::playWavFile(path));
    EXPECT_TRUE(playedExactly(data));
}

TEST_F(DiskAudio, FileThatCannotBePlayedPlaysNothing) {
    const QByteArray good = wavBytes(toneSamples(4000), 22050, 1, 16);
    QByteArray badFormat = good;
    badFormat[20] = 0x55; // format tag no decoder knows
    struct Case {
        const char* name;
        QByteArray bytes; // empty name of a file that is not written
        bool write;
    };
    const Case cases[] = {
        {"missing", {}, false},
        {"empty", {}, true},
        {"text", QByteArray("this is not a sound at all, only words"), true},
        {"header only", good.left(44 - 8), true},
        {"truncated in the samples", good.left(good.size() / 2 + 1), true},
        {"unknown sample format", badFormat, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = file(QString::fromLatin1(c.name) + QStringLiteral(".wav"));
        if (c.write) {
            ASSERT_TRUE(saveBytes(path, c.bytes));
        }
        QFile::remove(outPath());
        EXPECT_FALSE(platform::playWavFile(path));
        EXPECT_TRUE(played().isEmpty()) << played().size() << " bytes reached the device";
    }
    // A folder is not a file.
    EXPECT_FALSE(platform::playWavFile(dir.path()));
}

TEST_F(DiskAudio, SamplesPlayInOrderAndOneSoundAfterTheOther) {
    std::vector<int16_t> samples(3000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(i * 7 - 9000);
    ASSERT_TRUE(platform::playSamples(samples, 16000));
    const QByteArray expected(reinterpret_cast<const char*>(samples.data()),
                              static_cast<qsizetype>(samples.size() * 2));
    EXPECT_TRUE(playedExactly(expected));
    EXPECT_GT(platform::lastFirstSampleTime(), 0);

    EXPECT_FALSE(platform::playSamples({}, 16000));
    EXPECT_FALSE(platform::playSamples(samples, 0));
}

// Root mean square of the samples, 0 for none.
double rms(const std::vector<int16_t>& s) {
    double sum = 0;
    for (int16_t v : s)
        sum += static_cast<double>(v) * v;
    return s.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(s.size()));
}

TEST(Speech, WordsBecomeAudibleSpeechOfPlausibleLength) {
    struct Case {
        const char* text;
        double minSeconds, maxSeconds;
    };
    const Case cases[] = {
        {"cat", 0.15, 1.5},
        {"ice cream", 0.3, 2.5},
        {"September", 0.3, 2.5},
        {"to look forward to something", 1.0, 5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const platform::SpeechSamples speech =
            platform::synthesizeSpeech(QString::fromUtf8(c.text));
        ASSERT_GT(speech.sampleRate, 0);
        const double seconds = static_cast<double>(speech.samples.size()) / speech.sampleRate;
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LE(seconds, c.maxSeconds);
        EXPECT_GT(rms(speech.samples), 300.0);
    }
    // A longer text takes longer to say.
    EXPECT_LT(
        platform::synthesizeSpeech(QStringLiteral("go")).samples.size(),
        platform::synthesizeSpeech(QStringLiteral("go home and never come back")).samples.size());
}

TEST(Speech, BlankTextSaysNothing) {
    for (const char* text : {"", "   ", "\t"}) {
        const platform::SpeechSamples speech =
            platform::synthesizeSpeech(QString::fromLatin1(text));
        EXPECT_TRUE(speech.samples.empty()) << '"' << text << '"';
    }
}

} // namespace
