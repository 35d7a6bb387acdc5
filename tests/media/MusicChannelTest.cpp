#include "MediaBackends.h"
#include "MediaFixtures.h"

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

template <typename Media>
class MusicChannelTest : public ::testing::Test {
protected:
    MusicChannelTest() {
        media.app.write(u"tune.mid"_s, shortMidiTune());
        tune = media.app.path(u"tune.mid"_s);
    }

    void startTune() {
        media.music().setCurrentMusicFile(tune);
        media.music().startBackgroundMusic();
        ASSERT_TRUE(media.isMusicPlaying());
    }

    Media media;
    QString tune;
};

using Backends = ::testing::Types<FakeMedia, SdlMedia>;
TYPED_TEST_SUITE(MusicChannelTest, Backends);

TYPED_TEST(MusicChannelTest, AFinishedPieceRestartsOnlyWhenMusicIsOn) {
    auto &media = this->media;
    this->startTune();
    media.music().checkMusicLoop(1); // still playing: nothing to do
    EXPECT_TRUE(media.isMusicPlaying());

    ASSERT_TRUE(media.waitForPieceEnd());
    media.music().checkMusicLoop(2);
    EXPECT_FALSE(media.isMusicPlaying());
    media.music().checkMusicLoop(1);
    EXPECT_TRUE(media.isMusicPlaying());
    EXPECT_TRUE(media.messages.shown.isEmpty());
}

TYPED_TEST(MusicChannelTest, NoMusicLeavesEverythingAsItIs) {
    auto &media = this->media;
    for (const QString &none : {u"none"_s, QString()}) {
        SCOPED_TRACE(none.toStdString());
        this->startTune();
        ASSERT_TRUE(media.recorder().start());
        media.music().setCurrentMusicFile(none);
        media.music().startBackgroundMusic();
        EXPECT_TRUE(media.isMusicPlaying());
        EXPECT_TRUE(media.recorder().isCapturing());
        EXPECT_TRUE(media.messages.shown.isEmpty());
        media.recorder().close();
    }
}

TYPED_TEST(MusicChannelTest, APieceThatCannotBeOpenedIsReportedAndClosesTheOldOne) {
    auto &media = this->media;
    this->startTune();
    media.music().setCurrentMusicFile(media.app.path(u"missing.mid"_s));
    media.music().startBackgroundMusic();
    EXPECT_FALSE(media.isMusicPlaying());
    EXPECT_EQ(media.messages.shown, QStringList{u"Error opening midi file!"_s});
    // Nothing open, so there is nothing to restart either.
    media.music().checkMusicLoop(1);
    EXPECT_FALSE(media.isMusicPlaying());
    EXPECT_EQ(media.messages.shown.size(), 1);
}

// The designer's music preview starts while a narration is being recorded.
TYPED_TEST(MusicChannelTest, StartingMusicClosesARecordingInProgress) {
    auto &media = this->media;
    ASSERT_TRUE(media.recorder().start());
    this->startTune();
    EXPECT_FALSE(media.recorder().isCapturing());
    const QString target = media.app.path(u"temp_recording_7_title.wav"_s);
    EXPECT_FALSE(media.recorder().save(target).ok());
    EXPECT_FALSE(QFileInfo::exists(target));

    media.music().closeAllMedia();
    EXPECT_FALSE(media.isMusicPlaying());
}

TEST(SdlMusicChannelTest, AFileThatIsNoMusicCannotBeOpened) {
    SdlMedia media;
    media.app.write(u"noise.mid"_s, "this is no tune at all");
    media.music().setCurrentMusicFile(media.app.path(u"noise.mid"_s));
    media.music().startBackgroundMusic();
    EXPECT_FALSE(media.isMusicPlaying());
    EXPECT_EQ(media.messages.shown, QStringList{u"Error opening midi file!"_s});
}

} // namespace
} // namespace quillora::test
