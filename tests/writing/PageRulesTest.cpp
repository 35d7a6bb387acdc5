#include "TempAppFolder.h"
#include "core/template/StoryTemplate.h"
#include "student/PageLayout.h"
#include "student/WritingProgress.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

TEST(PageText, SizeFollowsTheWeightOfTheText) {
    const QString five = u"abcde"_s;
    struct Case {
        int layout;
        QString text;
        int size;
    };
    const Case cases[] = {
        {1, five.repeated(5), 32},
        {1, five.repeated(5) + u'\n', 20}, // a line break weighs 30 characters
        {1, u"x"_s.repeated(31), 26},
        {1, u"x"_s.repeated(101), 18},
        {1, u"x"_s.repeated(151), 14},
        {1, u"x"_s.repeated(201), 12},
        {2, u"x"_s.repeated(30), 18},
        {2, u"x"_s.repeated(31), 16},
        {3, u"x"_s.repeated(51), 14},
        {3, u"x"_s.repeated(150), 12},
        {3, u"x"_s.repeated(200), 11},
        {2, u"x"_s.repeated(500), 10},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pageTextPointSize(c.layout, c.text), c.size) << c.layout << " " << c.text.size();
    EXPECT_EQ(topicTitlePointSize(u"x"_s.repeated(20)), 22);
    EXPECT_EQ(topicTitlePointSize(u"x"_s.repeated(21)), 18);
    EXPECT_EQ(coverTitlePointSize(u"x"_s.repeated(20)), 11);
    EXPECT_EQ(coverTitlePointSize(u"x"_s.repeated(21)), 10);
}

TEST(PagePlaces, SimplePageAndCards) {
    const FramePlaces simple = simplePagePlaces();
    // The picture is centred on the notebook page, then moved 100 pixels left, 50 down.
    EXPECT_EQ(simple.picture, QRect(40, 50, 480, 360));
    EXPECT_EQ(simple.text, QRect(40, 430, 680, 133));
    EXPECT_EQ(simple.selectButton.topLeft(), QPoint(550, 150));
    EXPECT_EQ(simple.readButton.right() + 1, 760 - 53);
    EXPECT_EQ(simple.readButton.top(), 16);

    const FramePlaces card = decisionCardPlaces();
    EXPECT_EQ(card.selectButton.center().x(), 150 - 1);
    EXPECT_EQ(card.readButton.left(), 10);
    EXPECT_EQ(card.readButton.bottom() + 1, 480 - 6);
    for (const FramePlaces &places : {simple, card}) {
        const QRect frame(QPoint(0, 0), places.frame);
        for (const QRect &part :
             {places.picture, places.text, places.selectButton, places.readButton})
            EXPECT_TRUE(frame.contains(part)) << part.x() << "," << part.y();
        EXPECT_FALSE(places.selectButton.intersects(places.readButton));
    }

    EXPECT_EQ(frameLefts(2, 1280)[0], 228);
    EXPECT_EQ(frameLefts(2, 1280)[1], 755);
    EXPECT_EQ(frameLefts(3, 1280), (std::array<int, 3>{96, 491, 886}));
    EXPECT_EQ(frameLefts(3, 1024), (std::array<int, 3>{32, 363, 694}));
    EXPECT_EQ(frameLefts(1, 1024)[0], 132);
}

TEST(PagePlaces, TheWholePageFitsTheSmallestScreen) {
    for (const int height : {768, 1024}) {
        const int bottom = std::max(simplePageTop(height) + kNotebookPageSize.height(),
                                    decisionPageTop(height) + kDecisionCardSize.height());
        EXPECT_LE(bottom + 20 + 104, height) << height;
        EXPECT_GE(decisionPageTop(height) - kCaptionHeight, 0);
    }
}

TEST(PagePlaces, StartOverAndMenuStandTogetherOrTheMenuAlone) {
    const BottomButtons both = bottomButtonPlaces(1280, 600, {120, 104}, {120, 104}, true);
    EXPECT_EQ(both.startOver, QPoint(450, 620));
    EXPECT_EQ(both.studentMenu, QPoint(710, 620));
    const BottomButtons alone = bottomButtonPlaces(1280, 600, {120, 104}, {120, 104}, false);
    EXPECT_EQ(alone.studentMenu, QPoint(580, 620));
    EXPECT_EQ(skipButtonPlace(QRect(550, 150, 180, 130)), QPoint(550, 345));
}

TEST(PagePlaces, ButtonsKeepOffTheWordsAndPicturesOfAPage) {
    const FramePlaces simple = simplePagePlaces();
    const QRect skip(skipButtonPlace(simple.selectButton), kWriteButtonSize);
    const FramePlaces card = decisionCardPlaces();
    const std::pair<QRect, FramePlaces> cases[] = {
        {simple.selectButton, simple}, {skip, simple},          {simple.readButton, simple},
        {card.selectButton, card},     {card.readButton, card},
    };
    for (const auto &[button, places] : cases) {
        SCOPED_TRACE(::testing::Message() << button.x() << "," << button.y());
        EXPECT_FALSE(button.intersects(places.text));
        EXPECT_FALSE(button.intersects(places.picture));
    }
    EXPECT_FALSE(skip.intersects(simple.selectButton));

    // On the end page write and save stands alone in the gap between its neighbours, in the
    // middle of the screen.
    const QSize nav(120, 104);
    for (const int width : {1024, 1280}) {
        const BottomButtons row = bottomButtonPlaces(width, 600, nav, nav, true);
        const QRect save(saveButtonPlace(row, nav, nav, true), nav);
        EXPECT_EQ(save.center().x(), width / 2 - 1) << width;
        EXPECT_EQ(save.top(), 620);
        EXPECT_FALSE(save.intersects(QRect(row.startOver, nav))) << width;
        EXPECT_FALSE(save.intersects(QRect(row.studentMenu, nav))) << width;
        const BottomButtons alone = bottomButtonPlaces(width, 600, nav, nav, false);
        EXPECT_EQ(QRect(saveButtonPlace(alone, nav, nav, false), nav).right() + 1 + 20,
                  alone.studentMenu.x());
    }
}

TEST(WritingPages, TheFirstPageIsTheLastSlotComingFromNowhere) {
    StoryTemplate story;
    const std::pair<int, int> pages[] = {{101, 0}, {102, 101}, {103, 0}, {104, 103}};
    int slot = 0;
    for (const auto &[id, prev] : pages) {
        TemplatePage &page = story.page(++slot);
        page.inUse = true;
        page.pageId = id;
        page.layout = 1;
        page.choice(1).prevPageId = prev;
    }
    EXPECT_EQ(firstPageSlot(story), 3);
    story.page(4).pathSubtitle = u"  Home Again "_s;
    story.storyTitle = u"Fox"_s;
    EXPECT_EQ(titleWithSubtitle(story, 4), u"Fox (Home Again)"_s);
    EXPECT_EQ(titleWithSubtitle(story, 3), u"Fox"_s);
    story.page(4).pathSubtitle = u"   "_s;
    EXPECT_EQ(titleWithSubtitle(story, 4), u"Fox"_s);
    EXPECT_EQ(firstPageSlot(StoryTemplate()), 0);
}

} // namespace
} // namespace quillora::test
