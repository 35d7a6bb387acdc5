#include "MediaBackends.h"
#include "MediaFixtures.h"

#include "core/async/FlowScope.h"

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

template <typename Media>
class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() {
        writeTone(media.app, QStringLiteral("one_second.wav"), 1.0);
        writeTone(media.app, QStringLiteral("long.wav"), 5.0);
        writeTone(media.app, QStringLiteral("short.wav"), 0.2);
        writeSilence(media.app, QStringLiteral("com_stop.wav"), 0.2);
    }

    // Waits for an operation; the value it completed with, and when.
    std::pair<SoundEnd, double> finish(AsyncOp<SoundEnd> &op, double limit = 3.0) {
        EXPECT_TRUE(media.waitFor([&op] { return op.isSettled(); }, limit));
        return {op.await_resume(), media.now()};
    }

    Media media;
};

using Backends = ::testing::Types<FakeMedia, SdlMedia>;
TYPED_TEST_SUITE(SoundPlayerTest, Backends);

TYPED_TEST(SoundPlayerTest, PlayCompletesWhenTheSoundHasEnded) {
    auto &media = this->media;
    const double start = media.now();
    auto op = media.sound().play(QStringLiteral("one_second.wav"));
    const auto [end, at] = this->finish(op);
    EXPECT_EQ(end, SoundEnd::Finished);
    EXPECT_NEAR(at - start, 1.0, TypeParam::tolerance);
    EXPECT_FALSE(media.isSounding());
    EXPECT_TRUE(media.messages.shown.isEmpty());
}

TYPED_TEST(SoundPlayerTest, ANewSoundCutsOffTheOneInProgressAtOnce) {
    auto &media = this->media;
    auto waited = media.sound().play(QStringLiteral("long.wav"));
    media.pass(0.2);
    const double cutAt = media.now();
    media.sound().playAsync(QStringLiteral("one_second.wav"));
    const auto [end, at] = this->finish(waited, 0.05);
    EXPECT_EQ(end, SoundEnd::CutOff);
    EXPECT_NEAR(at, cutAt, 0.05);

    // The voice now holds the newer sound, which ends after its own second, not the first's
    // five.
    EXPECT_TRUE(media.isSounding());
    EXPECT_TRUE(media.waitFor([&media] { return !media.isSounding(); }, 3.0));
    EXPECT_NEAR(media.now() - cutAt, 1.0, TypeParam::tolerance);
}

TYPED_TEST(SoundPlayerTest, StopEndsALoopingSoundAndWaitsForTheClick) {
    auto &media = this->media;
    media.sound().playAsync(QStringLiteral("short.wav"), LoopMode::Loop);
    media.pass(0.5); // past two rounds of the loop
    EXPECT_TRUE(media.isSounding());

    const double stoppedAt = media.now();
    auto stop = media.sound().stop();
    const auto [end, at] = this->finish(stop);
    EXPECT_EQ(end, SoundEnd::Finished);
    EXPECT_NEAR(at - stoppedAt, 0.2, TypeParam::tolerance);
    EXPECT_FALSE(media.isSounding());
    EXPECT_TRUE(media.messages.shown.isEmpty());
}

TYPED_TEST(SoundPlayerTest, StopSilencesEvenWithoutTheClickFile) {
    auto &media = this->media;
    QFile::remove(media.app.path(QStringLiteral("com_stop.wav")));
    media.sound().playAsync(QStringLiteral("long.wav"));
    auto stop = media.sound().stop();
    EXPECT_EQ(this->finish(stop).first, SoundEnd::Missing);
    EXPECT_TRUE(media.waitFor([&media] { return !media.isSounding(); }, 0.1));
    EXPECT_EQ(media.messages.shown,
              QStringList{u"Couldn't find file " + media.app.path(u"com_stop.wav"_s)});
}

TYPED_TEST(SoundPlayerTest, AWaitedLoopLastsUntilCutOff) {
    auto &media = this->media;
    auto looping = media.sound().play(QStringLiteral("short.wav"), LoopMode::Loop);
    media.pass(0.7);
    EXPECT_FALSE(looping.isSettled());
    media.sound().playAsync(QStringLiteral("short.wav"));
    EXPECT_EQ(this->finish(looping, 0.05).first, SoundEnd::CutOff);
}

TYPED_TEST(SoundPlayerTest, NamesResolveAgainstTheApplicationFolder) {
    auto &media = this->media;
    const QString full = media.app.path(QStringLiteral("one_second.wav"));
    struct Case {
        QString name;
        bool waited;
        QString message; // empty when the file plays
    };
    const Case cases[] = {
        {u"one_second.wav"_s, false, {}},
        {u"one_second.wav"_s, true, {}},
        {full, false, {}},
        // The waiting player names the file as given, the other one the resolved path.
        {u"nowhere.wav"_s, true, u"Couldn't find file nowhere.wav"_s},
        {u"gone.wav"_s, false, u"Couldn't find file "_s + media.app.path(u"gone.wav"_s)},
        // A name with a folder of its own is used unchanged.
        {u"elsewhere/one_second.wav"_s, false, u"Couldn't find file elsewhere/one_second.wav"_s},
        {u"None"_s, false, u"Couldn't find file None"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString() + (c.waited ? " (waited)" : ""));
        media.messages.shown.clear();
        media.sound().playAsync(QStringLiteral("long.wav"));
        if (c.waited) {
            auto op = media.sound().play(c.name);
            EXPECT_EQ(op.isSettled() && op.await_resume() == SoundEnd::Missing,
                      !c.message.isEmpty());
        } else {
            media.sound().playAsync(c.name);
        }
        EXPECT_EQ(media.messages.shown,
                  c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        // A missing file plays nothing, so the sound in progress goes on.
        EXPECT_TRUE(media.isSounding());
    }
}

TYPED_TEST(SoundPlayerTest, AMissingFileHoldsAWaitingCallerUntilOk) {
    auto &media = this->media;
    media.messages.holdBoxes();
    auto held = media.sound().play(u"gone.wav"_s);
    media.pass(0.5);
    EXPECT_FALSE(held.isSettled()); // the teacher has not answered yet
    EXPECT_EQ(media.messages.openBoxes(), 1);
    const double okAt = media.now();
    ASSERT_TRUE(media.messages.pressOk());
    const auto [end, at] = this->finish(held, 0.1);
    EXPECT_EQ(end, SoundEnd::Missing);
    EXPECT_NEAR(at, okAt, 0.05);
    // Told once: the same file asked for again lets its caller on at once, in silence.
    auto again = media.sound().play(u"gone.wav"_s);
    EXPECT_TRUE(again.isSettled());
    EXPECT_EQ(media.messages.shown, QStringList{u"Couldn't find file gone.wav"_s});
}

TYPED_TEST(SoundPlayerTest, OneBoxAtATimeAndOnePerMissingFile) {
    auto &media = this->media;
    const auto missing = [&media](const QString &name) -> QString {
        return u"Couldn't find file "_s + media.app.path(name);
    };
    media.messages.holdBoxes();
    media.sound().playAsync(u"a.wav"_s);
    media.sound().playAsync(u"b.wav"_s); // a box is open: b is not another box...
    auto sameFile = media.sound().play(media.app.path(u"a.wav"_s));
    auto otherFile = media.sound().play(media.app.path(u"c.wav"_s));
    media.pass(0.2);
    EXPECT_EQ(media.messages.shown, QStringList{missing(u"a.wav"_s)});
    EXPECT_FALSE(sameFile.isSettled());
    EXPECT_FALSE(otherFile.isSettled());

    // The OK lets a's callers on; a caller who waits for c gets its own box after it.
    ASSERT_TRUE(media.messages.pressOk());
    EXPECT_EQ(this->finish(sameFile, 0.1).first, SoundEnd::Missing);
    media.pass(0.2);
    EXPECT_FALSE(otherFile.isSettled());
    EXPECT_EQ(media.messages.shown, (QStringList{missing(u"a.wav"_s), missing(u"c.wav"_s)}));
    ASSERT_TRUE(media.messages.pressOk());
    EXPECT_EQ(this->finish(otherFile, 0.1).first, SoundEnd::Missing);

    // ...so b is told of at its next request, and a and c stay quiet.
    media.messages.holdBoxes(false);
    for (const char *name : {"a.wav", "c.wav", "b.wav", "a.wav", "b.wav"})
        media.sound().playAsync(QLatin1String(name));
    EXPECT_EQ(media.messages.shown,
              (QStringList{missing(u"a.wav"_s), missing(u"c.wav"_s), missing(u"b.wav"_s)}));
    EXPECT_EQ(media.messages.mostBoxesOpen, 1);
}

TYPED_TEST(SoundPlayerTest, AFileThatGoesMissingAgainIsToldOfAgain) {
    auto &media = this->media;
    const QString told = u"Couldn't find file back.wav"_s;
    auto first = media.sound().play(u"back.wav"_s);
    EXPECT_EQ(this->finish(first, 0.05).first, SoundEnd::Missing);
    writeTone(media.app, u"back.wav"_s, 0.2);
    auto found = media.sound().play(u"back.wav"_s);
    EXPECT_EQ(this->finish(found).first, SoundEnd::Finished);
    QFile::remove(media.app.path(u"back.wav"_s));
    auto gone = media.sound().play(u"back.wav"_s);
    EXPECT_EQ(this->finish(gone, 0.05).first, SoundEnd::Missing);
    EXPECT_EQ(media.messages.shown, (QStringList{told, told}));
}

TYPED_TEST(SoundPlayerTest, SilenceWithoutMessageForNoNameOrABrokenFile) {
    auto &media = this->media;
    media.app.write(QStringLiteral("broken.wav"), "RIFF\x10\0\0\0WAVEjunk");
    for (const QString &name : {QString(), u"broken.wav"_s}) {
        auto op = media.sound().play(name);
        EXPECT_EQ(this->finish(op, 0.05).first, SoundEnd::Finished);
    }
    EXPECT_TRUE(media.messages.shown.isEmpty());
}

TYPED_TEST(SoundPlayerTest, AFlowThatGivesUpTakesItsSoundAlong) {
    auto &media = this->media;
    FlowScope scope;
    auto op = scope(media.sound().play(QStringLiteral("long.wav")));
    EXPECT_TRUE(media.isSounding());
    scope.cancel();
    EXPECT_TRUE(media.waitFor([&media] { return !media.isSounding(); }, 0.1));
    EXPECT_THROW(op.await_resume(), Cancelled);
}

} // namespace
} // namespace quillora::test
