#include "ScanFixture.h"

#include "core/profiles/StudentProfile.h"
#include "core/template/StoryTemplate.h"

#include <QFile>
#include <QStringList>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

using StepScanning = ScanFixture;
using TimedScanning = ScanFixture;
using ScanRules = ScanFixture;

TEST_F(StepScanning, NothingIsLitUntilTheFirstSpaceWhichDoesNotMoveOn) {
    settings(kAccessStepScanning);
    useScreen(ScanScreen::StudentMenu, {1, 2, 3});
    choose(ScanScreen::StudentMenu);
    wait(30);
    EXPECT_EQ(display.lit, 0);
    EXPECT_TRUE(display.litLog.empty());
    EXPECT_EQ(display.pictures[1], u"aobj_write_book_button.jpg"_s);
    EXPECT_EQ(sound.played(), QStringList{u"announce_start_scan.wav"_s});

    tap(kKeySpace);
    settle();
    EXPECT_EQ(display.litItems(), std::vector<int>{1});
    EXPECT_EQ(display.pictures[1], u"aobj_write_book_button_active.jpg"_s);
    tap(kKeySpace);
    settle();
    tap(kKeySpace);
    settle();
    tap(kKeySpace);
    settle();
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 2, 3, 1}));
    EXPECT_EQ(display.pictures[3], u"aobj_delete_book_button.jpg"_s);
    EXPECT_EQ(sound.played(),
              (QStringList{u"announce_start_scan.wav"_s, u"announce_write_book.wav"_s,
                           u"announce_read_book.wav"_s, u"announce_delete_book.wav"_s,
                           u"announce_write_book.wav"_s}));
    EXPECT_FALSE(chosen);

    wait(5); // nothing moves without a switch
    EXPECT_EQ(display.litLog.size(), 4u);
    tap(kKeyEnter);
    ASSERT_TRUE(runUntilChosen());
    EXPECT_EQ(*chosen, 1);
    EXPECT_FALSE(engine.isScanning());
}

TEST_F(StepScanning, AHeldSpaceStepsOnce) {
    settings(kAccessStepScanning);
    useScreen(ScanScreen::Topic, {1, 2, 3, 4});
    choose(ScanScreen::Topic);
    tap(kKeySpace);
    settle();
    // Auto-repeat: one key-down after another, the release only at the end.
    for (int repeat = 0; repeat < 5; ++repeat) {
        press(kKeySpace);
        settle();
        wait(0.1);
    }
    release(kKeySpace);
    settle();
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 2}));
    tap(kKeySpace);
    settle();
    EXPECT_EQ(display.lit, 3);
}

TEST_F(StepScanning, SpaceAndEnterInOnePassChooseTheItemBeforeTheStep) {
    settings(kAccessStepScanning);
    useScreen(ScanScreen::YesNo, {1, 2});
    choose(ScanScreen::YesNo);
    tap(kKeySpace);
    settle();
    tap(kKeySpace);
    tap(kKeyEnter);
    ASSERT_TRUE(runUntilChosen());
    EXPECT_EQ(*chosen, 1);
    EXPECT_EQ(display.litItems(), std::vector<int>{1});
}

TEST_F(TimedScanning, TheHighlightMovesByItselfOverEnabledItemsOnly) {
    settings(kAccessTimedScanning, 3);
    useScreen(ScanScreen::Collection, {1, 3, 4, 5});
    choose(ScanScreen::Collection);
    ASSERT_TRUE(runUntilLit(5));
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 3, 4, 5, 1}));
    EXPECT_THAT(display.litTimes(),
                timesAre({startedAt, startedAt + 3, startedAt + 6, startedAt + 9, startedAt + 12}));
    // Space plays no part in timed scanning.
    tap(kKeySpace);
    settle();
    EXPECT_EQ(display.litLog.size(), 5u);
    wait(1);
    tap(kKeyEnter);
    settle();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, 1);
    EXPECT_DOUBLE_EQ(chosenAt, startedAt + 13);
}

TEST_F(TimedScanning, AMissingAnnouncementOpensOneBoxNotOnePerStep) {
    QFile::remove(folder.path(u"announce_back.wav"_s));
    messages.holdBoxes(); // nobody answers at first: the scan goes on under the box
    settings(kAccessTimedScanning, 3);
    useScreen(ScanScreen::Collection, {1, 3, 4});
    choose(ScanScreen::Collection);
    ASSERT_TRUE(runUntilLit(7));
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 3, 4, 1, 3, 4, 1}));
    const QStringList once{u"Couldn't find file "_s + folder.path(u"announce_back.wav"_s)};
    EXPECT_EQ(messages.shown, once);
    ASSERT_TRUE(messages.pressOk());
    ASSERT_TRUE(runUntilLit(13));
    EXPECT_EQ(messages.shown, once);
    EXPECT_EQ(messages.mostBoxesOpen, 1);
    EXPECT_EQ(messages.openBoxes(), 0);
}

TEST_F(TimedScanning, EnterDuringTheFirstDwellChoosesTheStartItem) {
    settings(kAccessTimedScanning, 5);
    useScreen(ScanScreen::ReadingPage, {1, 2, 4, 5, 6});
    choose(ScanScreen::ReadingPage);
    wait(4.9);
    tap(kKeyEnter);
    ASSERT_TRUE(runUntilChosen());
    EXPECT_EQ(*chosen, 1);
    EXPECT_EQ(display.litItems(), std::vector<int>{1});
    // A press made before the scan began (or while the last action ran) is not a choice.
    press(kKeyEnter);
    settle();
    chosen.reset();
    choose(ScanScreen::ReadingPage);
    release(kKeyEnter);
    wait(4);
    EXPECT_FALSE(chosen);
}

TEST_F(ScanRules, EachScreenStartsWhereItsRuleSays) {
    struct Case {
        ScanScreen screen;
        std::initializer_list<int> enabled;
        int startItem;
        int firstLit;
    };
    const Case cases[] = {
        {ScanScreen::ReadingPage, {1, 2, 4, 5, 6}, 1, 1}, // previous page disabled
        {ScanScreen::Collection, {2, 4, 5}, 1, 2},        // first enabled
        {ScanScreen::CoverColour, {3, 4, 5, 6}, 1, 3},    // lowest enabled
        {ScanScreen::WritingPage, {4, 5, 8}, 1, 4},
        {ScanScreen::Topic, {1, 2, 3, 4}, 2, 2}, // the item asked for
    };
    settings(kAccessTimedScanning, 2);
    for (const Case &c : cases) {
        useScreen(c.screen, c.enabled, kLayoutTwoChoices);
        display.litLog.clear();
        chosen.reset();
        choose(ScanRequest{c.screen, c.startItem, {}});
        tap(kKeyEnter);
        ASSERT_TRUE(runUntilChosen());
        EXPECT_EQ(*chosen, c.firstLit) << static_cast<int>(c.screen);
    }
}

TEST_F(ScanRules, EscapeLeavesOnlyTheStudentMenuAndAtTheRightMoment) {
    enum class When { Pending, InPrelude, OneSecondAfterFirstLit };
    struct Case {
        const char *name;
        int mode;
        ScanScreen screen;
        When when;
        std::optional<double> leavesAfter; // seconds after the Escape; none: it stays
        std::vector<int> lit;
    };
    const Case cases[] = {
        {"step, prelude", kAccessStepScanning, ScanScreen::StudentMenu, When::InPrelude, 0.0, {}},
        {"step, scanning",
         kAccessStepScanning,
         ScanScreen::StudentMenu,
         When::OneSecondAfterFirstLit,
         0.0,
         {1}},
        {"timed, mid-dwell",
         kAccessTimedScanning,
         ScanScreen::StudentMenu,
         When::OneSecondAfterFirstLit,
         2.0,
         {1}},
        {"timed, left over", kAccessTimedScanning, ScanScreen::StudentMenu, When::Pending, 0.0, {}},
        {"step, left over", kAccessStepScanning, ScanScreen::StudentMenu, When::Pending, {}, {1}},
        {"step, topic",
         kAccessStepScanning,
         ScanScreen::Topic,
         When::OneSecondAfterFirstLit,
         {},
         {1}},
        {"timed, topic",
         kAccessTimedScanning,
         ScanScreen::Topic,
         When::OneSecondAfterFirstLit,
         {},
         {1, 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        scope.cancel();
        settle();
        engine.keys() = KeyFlags{};
        settings(c.mode, 3);
        useScreen(c.screen, {1, 2, 3, 4});
        display.litLog.clear();
        chosen.reset();
        const std::size_t stopsBefore = sound.stops.size();

        if (c.when == When::Pending)
            tap(kKeyEscape); // on some other screen, before this scan
        choose(c.screen);
        settle();
        if (c.mode == kAccessStepScanning && c.when != When::InPrelude)
            tap(kKeySpace);
        settle();
        if (c.when == When::OneSecondAfterFirstLit) {
            wait(1);
            tap(kKeyEscape);
        } else if (c.when == When::InPrelude) {
            wait(1);
            tap(kKeyEscape);
        }
        const double escapedAt = clock.now();
        settle();
        EXPECT_EQ(sound.stops.size(), stopsBefore + 1) << "Escape silences the voice";
        wait(2.5);
        settle();
        if (c.leavesAfter) {
            ASSERT_TRUE(chosen);
            EXPECT_EQ(*chosen, kScanEscapeChoice);
            EXPECT_NEAR(chosenAt - escapedAt, *c.leavesAfter, 1e-9);
        } else {
            EXPECT_FALSE(chosen);
        }
        EXPECT_EQ(display.litItems(), c.lit);
    }
}

TEST_F(ScanRules, EscapeOnAnotherScreenIsLeftForTheStudentMenu) {
    settings(kAccessTimedScanning, 3);
    useScreen(ScanScreen::Topic, {1, 2, 3, 4});
    choose(ScanScreen::Topic);
    wait(1);
    tap(kKeyEscape);
    wait(5);
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(engine.keys().escapeRequested);
    tap(kKeyEnter);
    ASSERT_TRUE(runUntilChosen());

    useScreen(ScanScreen::StudentMenu, {1, 2});
    chosen.reset();
    display.litLog.clear();
    choose(ScanScreen::StudentMenu);
    ASSERT_TRUE(runUntilChosen());
    EXPECT_EQ(*chosen, kScanEscapeChoice);
    EXPECT_DOUBLE_EQ(chosenAt, startedAt);
    EXPECT_TRUE(display.litLog.empty());
}

TEST_F(ScanRules, SilentScanningStillPlaysTheStartPrompt) {
    settings(kAccessStepScanning, 3, 2);
    useScreen(ScanScreen::StudentMenu, {1, 2});
    choose(ScanScreen::StudentMenu);
    settle();
    tap(kKeySpace);
    settle();
    tap(kKeySpace);
    settle();
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 2}));
    EXPECT_EQ(sound.played(), QStringList{u"announce_start_scan.wav"_s});

    settings(kAccessTimedScanning, 1, 2);
    choose(ScanScreen::StudentMenu);
    ASSERT_TRUE(runUntilLit(5));
    EXPECT_EQ(sound.played(), QStringList{u"announce_start_scan.wav"_s});
}

TEST_F(ScanRules, MouseModeGivesBackTheStartItemWithoutScanning) {
    settings(kAccessMouse);
    useScreen(ScanScreen::YesNo, {1, 2});
    choose(ScanRequest{ScanScreen::YesNo, 2, {}});
    settle();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, 2);
    EXPECT_TRUE(display.litLog.empty());
    EXPECT_TRUE(sound.plays.empty());
}

TEST_F(ScanRules, CancellingTheScanStopsItsTimerAndLeavesNothingBehind) {
    settings(kAccessTimedScanning, 3);
    useScreen(ScanScreen::Topic, {1, 2, 3, 4});
    choose(ScanScreen::Topic);
    wait(1);
    scope.cancel();
    settle();
    EXPECT_FALSE(engine.isScanning());
    EXPECT_FALSE(clock.hasPending());
    tap(kKeyEnter);
    wait(10);
    EXPECT_FALSE(chosen);
    EXPECT_EQ(display.litLog.size(), 1u);
}

TEST_F(ScanRules, PressesMadeWhileAChoiceIsCarriedOutAreDropped) {
    settings(kAccessStepScanning);
    useScreen(ScanScreen::ReadingPage, {1, 2, 4, 5});
    engine.beginAction(display);
    for (int item = 1; item <= 6; ++item)
        EXPECT_FALSE(display.shown[item]) << item;
    tap(kKeySpace);
    tap(kKeyEnter);
    engine.endAction(display);
    EXPECT_EQ(
        display.shown,
        (std::map<int, bool>{{1, true}, {2, true}, {3, false}, {4, true}, {5, true}, {6, false}}));
    EXPECT_FALSE(engine.keys().spacePressed);
    EXPECT_FALSE(engine.keys().enterPressed);
}

TEST_F(ScanRules, AProfileWithNoDwellStillGivesTheChildASecond) {
    StudentProfile profile;
    profile.accessMode = kAccessTimedScanning;
    profile.scanSeconds = 0;
    profile.auditoryScanning = 2;
    engine.setSettings(scanSettings(profile));
    EXPECT_EQ(engine.settings().accessMode, kAccessTimedScanning);
    EXPECT_EQ(engine.settings().auditoryScanning, 2);
    useScreen(ScanScreen::YesNo, {1, 2});
    choose(ScanScreen::YesNo);
    ASSERT_TRUE(runUntilLit(3));
    EXPECT_THAT(display.litTimes(), timesAre({startedAt, startedAt + 1, startedAt + 2}));
}

} // namespace
} // namespace quillora::test
