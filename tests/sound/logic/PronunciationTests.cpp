#include "platform/ProgramFolder.h"
#include "sound/logic/Pronunciation.h"
#include "sound/logic/SoundTask.h"
#include "sound/logic/TranscriptionSigns.h"
#include "tests/sound/logic/SoundTestSupport.h"
#include "tests/support/WavFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

class Folder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString make(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(saveBytes(path, wavBytes(toneSamples(500), 22050, 1, 16)));
        return path;
    }
    QTemporaryDir dir;
    RecordingOutput out;
};

TEST_F(Folder, RecordingWhenThereIsOneSpeechOtherwise) {
    const QString exact = make(QStringLiteral("ice cream.wav"));
    const QString upper = make(QStringLiteral("London.wav"));
    const QString slash = make(QStringLiteral("and_or.wav"));
    const QString broken = make(QStringLiteral("broken.wav"));
    struct Case {
        const char* word;
        Pronounced result;
        QString event;
    };
    const Case cases[] = {
        {"ice cream", Pronounced::Recording, QStringLiteral("play ") + exact},
        {"london", Pronounced::Recording, QStringLiteral("play ") + upper},
        {"and/or", Pronounced::Recording, QStringLiteral("play ") + slash},
        {"icecream", Pronounced::Speech, QStringLiteral("speak icecream")},
        {"look after", Pronounced::Speech, QStringLiteral("speak look after")},
        // A recording that will not play stays silent: no voice in its place.
        {"broken", Pronounced::Nothing, QStringLiteral("play ") + broken},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        out.clear();
        EXPECT_EQ(pronounceWord(out, dir.path(), QString::fromUtf8(c.word)), c.result);
        EXPECT_EQ(out.events(), QStringList{c.event});
    }
}

TEST_F(Folder, MissingFolderStillSpeaks) {
    EXPECT_EQ(pronounceWord(out, dir.filePath(QStringLiteral("nowhere")), QStringLiteral("cat")),
              Pronounced::Speech);
    EXPECT_EQ(pronounceWord(out, QString(), QStringLiteral("dog")), Pronounced::Speech);
    EXPECT_EQ(out.events(),
              (QStringList{QStringLiteral("speak cat"), QStringLiteral("speak dog")}));
}

// The real output on SDL's disk driver: what reached the device.
class DeviceFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(device()).constData(), 1);
    }
    QString device() const { return dir.filePath(QStringLiteral("device.raw")); }
    QTemporaryDir dir;
};

TEST_F(DeviceFile, ARecordedWordPlaysItsFileAndAnUnrecordedOneIsSpoken) {
    const QByteArray samples = toneSamples(3000, 4);
    ASSERT_TRUE(
        saveBytes(dir.filePath(QStringLiteral("cat.wav")), wavBytes(samples, 22050, 1, 16)));
    EXPECT_EQ(pronounceWord(systemSoundOutput(), dir.path(), QStringLiteral("Cat")),
              Pronounced::Recording);
    // A paused device takes silence until playback starts, as fast as the disk driver runs.
    EXPECT_GE(loadBytes(device()).indexOf(samples), 0);

    EXPECT_EQ(pronounceWord(systemSoundOutput(), dir.path(), QStringLiteral("elephant")),
              Pronounced::Speech);
    QByteArray spoken = loadBytes(device());
    // The device takes silence before playback starts and until it is closed; that is not
    // part of the speech.
    while (spoken.size() >= 2 && spoken.endsWith(QByteArray(2, '\0')))
        spoken.chop(2);
    qsizetype lead = 0;
    while (lead + 2 <= spoken.size() && spoken[lead] == '\0' && spoken[lead + 1] == '\0')
        lead += 2;
    spoken.remove(0, lead);
    // 16-bit samples at the synthesizer's 22 050 Hz: between a fifth of a second and three.
    const double seconds = static_cast<double>(spoken.size()) / 2 / 22050;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 3.0);
    double sum = 0;
    const auto* s = reinterpret_cast<const int16_t*>(spoken.constData());
    const qsizetype n = spoken.size() / 2;
    for (qsizetype i = 0; i < n; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    EXPECT_GT(std::sqrt(sum / static_cast<double>(std::max<qsizetype>(n, 1))), 300.0);
}

// The build speaks every sign's recording into the program folder: each is a WAV file of
// audible sound, long enough for a sound and a word.
TEST(TranscriptionSigns, EverySignHasItsRecordingInTheProgramFolder) {
    for (int i = 0; i < kTranscriptionSignCount; ++i) {
        const QString path = transcriptionSignFile(programFolder(), i);
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = loadBytes(path);
        ASSERT_GT(bytes.size(), 44);
        EXPECT_TRUE(bytes.startsWith("RIFF"));
        EXPECT_EQ(bytes.mid(8, 4), QByteArray("WAVE"));
        const qsizetype data = bytes.indexOf("data");
        ASSERT_GT(data, 0);
        const auto* s = reinterpret_cast<const int16_t*>(bytes.constData() + data + 8);
        const qsizetype n = (bytes.size() - data - 8) / 2;
        EXPECT_GT(static_cast<double>(n) / 22050, 0.4);
        double sum = 0;
        for (qsizetype k = 0; k < n; ++k)
            sum += static_cast<double>(s[k]) * s[k];
        EXPECT_GT(std::sqrt(sum / static_cast<double>(n)), 300.0);
    }
}

TEST(SoundTaskTest, OneTaskAtATimeWithItsStepsOnTheUiThread) {
    SoundTask task;
    const QThread* ui = QThread::currentThread();
    QStringList steps;
    bool workOnWorker = false, stepOnUi = false, beginSawBusy = false;
    const bool started = task.start(
        [&] {
            beginSawBusy = task.busy();
            steps << QStringLiteral("begin");
        },
        [&](const SoundTask::OnUi& onUi) {
            workOnWorker = QThread::currentThread() != ui;
            QThread::msleep(30);
            onUi([&] {
                stepOnUi = QThread::currentThread() == ui;
                steps << QStringLiteral("step");
            });
        },
        [&] { steps << QStringLiteral("end"); });
    ASSERT_TRUE(started);
    EXPECT_TRUE(task.busy());
    // A second request while the first runs, even before it has begun, is refused.
    EXPECT_FALSE(
        task.start({}, [&](const SoundTask::OnUi&) { steps << QStringLiteral("second"); }, {}));
    task.waitUntilIdle();
    EXPECT_FALSE(task.busy());
    EXPECT_TRUE(beginSawBusy);
    EXPECT_TRUE(workOnWorker);
    EXPECT_TRUE(stepOnUi);
    EXPECT_EQ(steps, (QStringList{"begin", "step", "end"}));
    // Once idle it takes the next one.
    EXPECT_TRUE(task.start({}, [](const SoundTask::OnUi&) {}, {}));
    task.waitUntilIdle();
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
