#include "ScanFixture.h"

#include "core/template/StoryTemplate.h"

#include <QStringList>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// The writing page speaks its pictures' narration with the waiting player, so the dwell
// and the next step wait for it.
class WritingPageScan : public ScanFixture {
protected:
    void decisionPage(int mode) {
        settings(mode, 3);
        useScreen(ScanScreen::WritingPage, {1, 2, 4, 7}, kLayoutTwoChoices);
        PageSpeech speech;
        speech.layout = kLayoutTwoChoices;
        speech.choices[0] = {u"narr1.wav"_s, u"effect.wav"_s};
        speech.choices[1] = {u"narr2.wav"_s, {}};
        choose(ScanRequest{ScanScreen::WritingPage, 1, speech});
    }
    void simplePage(int mode) {
        settings(mode, 3);
        useScreen(ScanScreen::WritingPage, {1, 4, 5, 6, 7}, kLayoutSimple);
        TemplatePage page;
        page.layout = kLayoutSimple;
        page.choice(1).recording = u"narr3.wav"_s;
        choose(ScanRequest{ScanScreen::WritingPage, 1, pageSpeech(page)});
    }
};

TEST_F(WritingPageScan, TimedDwellStartsAfterTheChoiceHasBeenSpoken) {
    decisionPage(kAccessTimedScanning);
    ASSERT_TRUE(runUntilLit(4));
    // Choice 1: narration 2 s, a pause of 0.5 s, its effect 0.2 s, then the dwell of 3 s.
    // Choice 2: narration 1.5 s, then the dwell. Item 4 is announced, not narrated.
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 2, 4, 7}));
    EXPECT_THAT(display.litTimes(),
                timesAre({startedAt, startedAt + 5.7, startedAt + 10.2, startedAt + 13.2}));
    EXPECT_EQ(sound.played(),
              (QStringList{u"narr1.wav"_s, u"effect.wav"_s, u"narr2.wav"_s,
                           u"announce_write_save_book.wav"_s, u"announce_main_menu.wav"_s}));
    EXPECT_DOUBLE_EQ(sound.plays[1].startedAt, startedAt + 2.5);
}

TEST_F(WritingPageScan, KeysPressedDuringTheNarrationCountWhenItEnds) {
    decisionPage(kAccessStepScanning);
    tap(kKeySpace);
    settle();
    ASSERT_EQ(display.litItems(), std::vector<int>{1});
    wait(1); // choice 1 is being spoken
    tap(kKeySpace);
    settle();
    EXPECT_EQ(display.litItems(), std::vector<int>{1});
    ASSERT_TRUE(runUntilLit(2));
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 2}));
    EXPECT_THAT(display.litTimes(), timesAre({startedAt, startedAt + 2.7}));
    tap(kKeyEnter);
    ASSERT_TRUE(runUntilChosen());
    EXPECT_EQ(*chosen, 2);
}

TEST_F(WritingPageScan, ASimplePageSpeaksBeforeTheScanStarts) {
    simplePage(kAccessStepScanning);
    settle();
    EXPECT_EQ(sound.sounding(), u"narr3.wav"_s);
    wait(0.5);
    tap(kKeySpace); // heard, and acted on once the page has been read
    settle();
    EXPECT_TRUE(display.litLog.empty());
    ASSERT_TRUE(runUntilLit(1));
    EXPECT_EQ(display.litItems(), std::vector<int>{1});
    EXPECT_THAT(display.litTimes(), timesAre({startedAt + 1}));
    EXPECT_EQ(display.pictures[1], u"aobj_write_button_active.jpg"_s);
    EXPECT_EQ(sound.played(), (QStringList{u"narr3.wav"_s, u"announce_start_scan.wav"_s,
                                           u"announce_write_this_page.wav"_s}));

    // In timed scanning the first highlight follows the narration at once.
    scope.cancel();
    display.litLog.clear();
    simplePage(kAccessTimedScanning);
    ASSERT_TRUE(runUntilLit(2));
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 4}));
    EXPECT_THAT(display.litTimes(), timesAre({startedAt + 1, startedAt + 4}));
}

TEST_F(WritingPageScan, EscapeCutsTheNarrationShortAndTheScanGoesOn) {
    decisionPage(kAccessTimedScanning);
    wait(1);
    tap(kKeyEscape);
    ASSERT_TRUE(runUntilLit(2));
    EXPECT_EQ(display.litItems(), (std::vector<int>{1, 2}));
    EXPECT_THAT(display.litTimes(), timesAre({startedAt, startedAt + 4}));
    EXPECT_FALSE(sound.played().contains(u"effect.wav"_s));
    EXPECT_FALSE(chosen);
}

TEST_F(WritingPageScan, LeavingThePageSilencesItsNarration) {
    decisionPage(kAccessTimedScanning);
    wait(1);
    scope.cancel();
    settle();
    EXPECT_TRUE(sound.sounding().isEmpty());
    EXPECT_FALSE(clock.hasPending());
    EXPECT_FALSE(engine.isScanning());
}

} // namespace
} // namespace quillora::test
