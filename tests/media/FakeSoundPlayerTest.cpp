#include "MediaBackends.h"
#include "MediaFixtures.h"

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// Flow tests read what a child heard from this record, so it must be exact.
TEST(FakeSoundPlayerTest, RecordsEveryPlayAndStopWithItsVirtualTime) {
    FakeMedia media;
    writeTone(media.app, u"announce_a.wav"_s, 1.5);
    writeTone(media.app, u"announce_b.wav"_s, 0.5);
    writeSilence(media.app, u"com_stop.wav"_s, 0.2);
    const double start = media.now();

    auto first = media.sound().play(u"announce_a.wav"_s);
    ASSERT_TRUE(media.waitFor([&first] { return first.isSettled(); }, 10));
    media.sound().playAsync(u"announce_b.wav"_s);
    media.pass(0.2);
    auto stop = media.sound().stop();
    ASSERT_TRUE(media.waitFor([&stop] { return stop.isSettled(); }, 10));
    media.sound().playAsync(u"missing.wav"_s);

    EXPECT_EQ(media.soundDouble.played(), (QStringList{u"announce_a.wav"_s, u"announce_b.wav"_s}));
    EXPECT_EQ(media.soundDouble.stops, std::vector<double>{start + 1.7});
    const auto &plays = media.soundDouble.plays;
    ASSERT_EQ(plays.size(), 3u);
    struct Expected {
        double startedAt, duration, endedAt;
        SoundEnd end;
        bool awaited, stopClick;
    };
    const Expected expected[] = {
        {0.0, 1.5, 1.5, SoundEnd::Finished, true, false},
        {1.5, 0.5, 1.7, SoundEnd::CutOff, false, false},
        {1.7, 0.2, 1.9, SoundEnd::Finished, true, true},
    };
    for (std::size_t i = 0; i < plays.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(plays[i].startedAt, start + expected[i].startedAt, 1e-9);
        EXPECT_NEAR(plays[i].duration, expected[i].duration, 1e-9);
        EXPECT_NEAR(plays[i].endedAt, start + expected[i].endedAt, 1e-9);
        EXPECT_EQ(plays[i].end, expected[i].end);
        EXPECT_EQ(plays[i].awaited, expected[i].awaited);
        EXPECT_EQ(plays[i].stopClick, expected[i].stopClick);
    }
    EXPECT_EQ(media.messages.shown,
              QStringList{u"Couldn't find file "_s + media.app.path(u"missing.wav"_s)});
    // A sound cut off leaves no deadline behind for the clock to jump to.
    EXPECT_FALSE(media.clock.hasPending());
}

} // namespace
} // namespace quillora::test
