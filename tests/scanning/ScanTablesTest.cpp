#include "core/scanning/KeyFlags.h"
#include "core/scanning/ScanScreens.h"
#include "core/scanning/ScanSet.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillora {
namespace {

using namespace Qt::StringLiterals;

TEST(KeyFlags, AHeldKeyCountsOnceUntilItIsReleased) {
    KeyFlags keys;
    // Auto-repeat sends key-downs without key-ups; only the first counts.
    EXPECT_TRUE(keys.keyDown(kKeySpace));
    keys.spacePressed = false; // the scan heard it
    EXPECT_FALSE(keys.keyDown(kKeySpace));
    EXPECT_FALSE(keys.keyDown(kKeySpace));
    EXPECT_FALSE(keys.spacePressed);
    keys.keyUp(kKeySpace);
    EXPECT_TRUE(keys.keyDown(kKeySpace));
    EXPECT_TRUE(keys.spacePressed);

    // Each key keeps its own release; other keys are no switches at all.
    EXPECT_TRUE(keys.keyDown(kKeyEnter));
    EXPECT_TRUE(keys.keyDown(kKeyEscape));
    EXPECT_FALSE(keys.keyDown(kKeyEscape));
    EXPECT_FALSE(keys.keyDown('A'));
    EXPECT_TRUE(keys.enterPressed);
    EXPECT_TRUE(keys.escapeRequested);

    // A release the program never saw does not block the switches of the next screen.
    keys.assumeReleased(false);
    EXPECT_TRUE(keys.spaceReleased && keys.enterReleased);
    EXPECT_FALSE(keys.escapeReleased);
    keys.assumeReleased(true);
    EXPECT_TRUE(keys.escapeReleased);
}

TEST(ScanSet, AdvancingPassesOverDisabledItemsAndWrapsAround) {
    struct Case {
        int count;
        std::vector<int> enabled;
        int from;
        int next;
        int firstFrom1;
    };
    const Case cases[] = {
        {3, {1, 2, 3}, 1, 2, 1},    {3, {1, 2, 3}, 3, 1, 1},       // wraps from the last item
        {5, {1, 3, 4, 5}, 1, 3, 1},                                // skips the disabled second item
        {5, {1, 3, 4, 5}, 5, 1, 1}, {6, {1, 2, 4, 5, 6}, 2, 4, 1}, // reading page at the first page
        {8, {4, 8}, 8, 4, 4},       // wraps past disabled items at the start
        {5, {2}, 2, 2, 2},          // one enabled item stays lit
        {3, {}, 2, 2, 1},           // nothing enabled: no endless search
        {3, {1, 2, 3, 4}, 3, 1, 1}, // flags past the count do not take part
    };
    for (const Case &c : cases) {
        ScanSet set;
        set.setCount(c.count);
        for (const int item : c.enabled)
            set.setEnabled(item, true);
        EXPECT_EQ(set.nextEnabledAfter(c.from), c.next)
            << "count " << c.count << " from " << c.from;
        EXPECT_EQ(set.firstEnabledFrom(1), c.firstFrom1) << "count " << c.count;
    }
}

TEST(ScanSet, TablesKeepToTheirLimitsAndNameTheHighlightedTwin) {
    ScanSet set;
    set.setCount(25);
    EXPECT_EQ(set.count(), 10);
    set.setEnabled(50, true);
    set.setEnabled(51, true);
    set.setEnabled(0, true);
    EXPECT_TRUE(set.isEnabled(50));
    EXPECT_FALSE(set.isEnabled(51));
    EXPECT_FALSE(set.isEnabled(0));
    set.clearEnabled();
    EXPECT_FALSE(set.isEnabled(50));

    set.setPicture(20, u"aobj_yes.jpg"_s);
    set.setPicture(21, u"aobj_no.jpg"_s);
    EXPECT_EQ(set.highlightedPicture(20), u"aobj_yes_active.jpg"_s);
    EXPECT_EQ(set.picture(21), QString());

    AnnouncementTable announcements;
    announcements.set(10, u"announce_no.wav"_s);
    announcements.set(11, u"announce_yes.wav"_s);
    EXPECT_EQ(announcements.at(10), u"announce_no.wav"_s);
    EXPECT_EQ(announcements.at(11), QString());
}

TEST(ScanScreens, FillingAScreenClearsTheFlagsAndSetsItsButtons) {
    ScanSet set;
    AnnouncementTable announcements;
    set.setEnabled(40, true);
    fillScanScreen(set, announcements, ScanScreen::WritingPage, 2);
    EXPECT_EQ(set.count(), 7);
    EXPECT_FALSE(set.isEnabled(40));
    EXPECT_FALSE(set.anyEnabled());
    // A decision page's choices speak their own narration instead of a name.
    EXPECT_EQ(set.picture(1), u"aobj_check_button_only.jpg"_s);
    EXPECT_EQ(set.highlightedPicture(1), u"aobj_check_button_only_active.jpg"_s);
    EXPECT_EQ(announcements.at(1), QString());
    EXPECT_EQ(announcements.at(7), u"announce_main_menu.wav"_s);

    fillScanScreen(set, announcements, ScanScreen::WritingPage, 1);
    EXPECT_EQ(set.picture(1), u"aobj_write_button.jpg"_s);
    EXPECT_EQ(announcements.at(1), u"announce_write_this_page.wav"_s);

    fillScanScreen(set, announcements, ScanScreen::CoverColour);
    EXPECT_EQ(set.count(), 6);
    EXPECT_EQ(announcements.at(4), u"announce_gray.wav"_s);
}

} // namespace
} // namespace quillora
