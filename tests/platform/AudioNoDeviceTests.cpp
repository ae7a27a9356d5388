#include "platform/audio/Audio.h"
#include "tests/support/WavFiles.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace telvo::test;

// With no usable audio driver a good file returns quietly: no exception, no hang, false.
TEST(NoAudioDevice, GoodSoundReturnsQuietly) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("word.wav"));
    ASSERT_TRUE(saveBytes(path, wavBytes(toneSamples(2000), 22050, 1, 16)));
    EXPECT_FALSE(platform::playWavFile(path));
    EXPECT_FALSE(platform::playSamples(std::vector<int16_t>(100, 5), 22050));
    // Asked again it still answers at once.
    EXPECT_FALSE(platform::playWavFile(path));
}
