#include "MediaBackends.h"
#include "MediaFixtures.h"
#include "core/WavFile.h"
#include "media/SdlRecorder.h"

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

TEST(SdlRecorderTest, SavesTheCaptureAsNarrationWav) {
    SdlMedia media;
    ASSERT_TRUE(media.recorder().start()) << "the dummy driver offers a silent microphone";
    media.pass(0.4);
    const QString target = media.app.path(u"temp_recording_7_105_2.wav"_s);
    ASSERT_TRUE(media.recorder().save(target).ok());
    EXPECT_FALSE(media.recorder().isCapturing());

    const auto info = readWavInfo(target);
    ASSERT_TRUE(info.ok()) << info.error().text().toStdString();
    EXPECT_EQ(info->audioFormat, 1);
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_EQ(info->channels, 1);
    EXPECT_NEAR(info->durationSeconds(), 0.4, 0.15);

    // The saved narration plays back through the voice.
    auto playback = media.sound().play(target);
    EXPECT_TRUE(media.waitFor([&playback] { return playback.isSettled(); }, 2.0));
    EXPECT_EQ(playback.await_resume(), SoundEnd::Finished);
}

// Without a recording to save the caller hears so and no file appears, whatever the cause;
// nothing hangs and the next recording works.
TEST(SdlRecorderTest, NothingToSaveWritesNoFile) {
    SdlMedia media;
    SdlRecorder noMicrophone(false);
    struct Case {
        const char *what;
        Recorder *recorder;
        std::function<void(Recorder &)> before;
    };
    const Case cases[] = {
        {"never started", &media.recorder(), [](Recorder &) {}},
        {"closed before saving", &media.recorder(),
         [](Recorder &r) {
             ASSERT_TRUE(r.start());
             r.close();
         }},
        {"no microphone", &noMicrophone, [](Recorder &r) { EXPECT_FALSE(r.start()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.before(*c.recorder);
        const QString target = media.app.path(u"temp_recording_7_title.wav"_s);
        const auto saved = c.recorder->save(target);
        EXPECT_FALSE(saved.ok());
        EXPECT_FALSE(QFileInfo::exists(target));
        EXPECT_FALSE(c.recorder->isCapturing());
    }
    EXPECT_TRUE(media.recorder().start());
}

TEST(SdlRecorderTest, AnUnwritableTargetIsReportedAndTheDeviceStillCloses) {
    SdlMedia media;
    ASSERT_TRUE(media.recorder().start());
    const auto saved = media.recorder().save(media.app.path(u"no_such_folder/take.wav"_s));
    EXPECT_FALSE(saved.ok());
    EXPECT_FALSE(media.recorder().isCapturing());
}

// On a machine without a sound card the program falls back to the silent driver by itself.
// There is no microphone there either, so recording fails softly instead of saving silence.
TEST(MediaServicesTest, WithoutASoundCardEverythingStillRunsSilently) {
    const QByteArray requested = qgetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_AUDIODRIVER");
    SdlMedia media;
    qputenv("SDL_AUDIODRIVER", requested);
    if (media.media->driverName() != u"dummy"_s)
        GTEST_SKIP() << "this machine has a sound device";

    EXPECT_FALSE(media.recorder().start());
    writeTone(media.app, u"short.wav"_s, 0.2);
    auto op = media.sound().play(u"short.wav"_s);
    EXPECT_TRUE(media.waitFor([&op] { return op.isSettled(); }, 1.0));
    EXPECT_EQ(op.await_resume(), SoundEnd::Finished);
}

TEST(MediaServicesTest, OnlyOneDeviceOwnerAtATimeTheSecondIsSilent) {
    SdlMedia first;
    FakeMessages messages;
    auto second = createMediaServices(first.app.folder(), messages);
    EXPECT_EQ(first.media->driverName(), u"dummy"_s);
    EXPECT_TRUE(second->driverName().isEmpty());

    // The silent services keep time from the files and report missing ones all the same.
    writeTone(first.app, u"short.wav"_s, 0.3);
    QElapsedTimer elapsed;
    elapsed.start();
    auto op = second->sound().play(u"short.wav"_s);
    EXPECT_TRUE(QTest::qWaitFor([&op] { return op.isSettled(); }, 1000));
    EXPECT_NEAR(static_cast<double>(elapsed.elapsed()) / 1000.0, 0.3, 0.1);
    second->sound().playAsync(u"gone.wav"_s);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_FALSE(second->recorder().start());
}

} // namespace
} // namespace quillora::test
