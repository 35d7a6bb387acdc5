#include "core/template/StoryMap.h"
#include "TwoPathStory.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

using namespace Qt::StringLiterals;

struct Place {
    int pageId;
    int depth;
    int lane;
    int pageNumber;
};

void expectPlaces(const StoryMap &map, const std::vector<Place> &places) {
    ASSERT_EQ(map.pages.size(), static_cast<qsizetype>(places.size()));
    for (std::size_t i = 0; i < places.size(); ++i) {
        const MapPage &page = map.pages[static_cast<qsizetype>(i)];
        SCOPED_TRACE(places[i].pageId);
        EXPECT_EQ(page.pageId, places[i].pageId);
        EXPECT_EQ(page.depth, places[i].depth);
        EXPECT_EQ(page.lane, places[i].lane);
        EXPECT_EQ(page.pageNumber, places[i].pageNumber);
    }
}

// Adds a simple end page after the given choice of a page.
void addEndPage(StoryTemplate &story, int slot, int pageId, int afterSlot, int choice) {
    TemplatePage &page = story.page(slot);
    page.inUse = true;
    page.pageId = pageId;
    page.layout = kLayoutSimple;
    page.choice(1).picture = u"end.jpg"_s;
    page.pathSubtitle = u"End"_s;
    for (PageChoice &c : page.choices)
        c.prevPageId = story.page(afterSlot).pageId;
    story.page(afterSlot).choice(choice).nextPageId = pageId;
}

TEST(StoryMap, TwoPathTreeGivesEachPathItsLane) {
    const StoryMap map = buildStoryMap(test::twoPathStory(7));
    expectPlaces(map, {{102, 0, 0, 1}, {103, 1, 0, 1}, {104, 2, 0, 2}, {105, 2, 1, 2}});
    EXPECT_EQ(map.depths, 3);
    EXPECT_EQ(map.lanes, 2);
    EXPECT_EQ(map.problemPages, 0);

    const MapPage &decision = map.pages[1];
    EXPECT_TRUE(decision.decision);
    ASSERT_EQ(decision.branches.size(), 2);
    EXPECT_EQ(decision.branches[0].index, 2);
    EXPECT_EQ(decision.branches[1].index, 3);
    EXPECT_EQ(decision.branches[1].lane, 1);
    EXPECT_EQ(map.pages[3].parentIndex, 1);
    EXPECT_TRUE(map.pages[0].current);
    EXPECT_FALSE(map.pages[1].current);
    EXPECT_TRUE(map.pages[2].end);
    EXPECT_EQ(map.pages[3].subtitle, u"Park"_s);
    EXPECT_TRUE(map.pages[0].subtitle.isEmpty());
}

TEST(StoryMap, ALaterPathStartsBelowEverythingOfTheEarlierOnes) {
    // 103 offers three choices: path 1 goes on to a decision of its own (106 with 107 and
    // 108), path 2 is 105, path 3 leads nowhere yet.
    StoryTemplate story = test::twoPathStory(7);
    story.page(2).layout = kLayoutThreeChoices;
    story.page(2).choice(3).picture = u"third.jpg"_s;
    story.page(3).choice(1).nextPageId = 106;
    story.page(3).pathSubtitle.clear();
    addEndPage(story, 5, 106, 3, 1);
    story.page(5).layout = kLayoutTwoChoices;
    story.page(5).choice(2).picture = u"second.jpg"_s;
    story.page(5).pathSubtitle.clear();
    addEndPage(story, 6, 107, 5, 1);
    addEndPage(story, 7, 108, 5, 2);
    story.currentPageId = 108;

    const StoryMap map = buildStoryMap(story);
    expectPlaces(map, {{102, 0, 0, 1},
                       {103, 1, 0, 1},
                       {104, 2, 0, 2},
                       {106, 3, 0, 2},
                       {107, 4, 0, 3},
                       {108, 4, 1, 3},
                       {105, 2, 2, 2}});
    const MapBranch &nowhere = map.pages[1].branches[2];
    EXPECT_EQ(nowhere.index, -1);
    EXPECT_EQ(nowhere.lane, 3) << "a branch leading nowhere keeps a lane of its own";
    EXPECT_EQ(map.lanes, 4);
    EXPECT_TRUE(map.pages[map.indexOf(108)].current);
}

TEST(StoryMap, PagesShowWhatSaveWouldRefuse) {
    StoryTemplate story = test::twoPathStory(7);
    story.page(2).layout = kLayoutThreeChoices; // choice 3: no picture, leads nowhere
    story.page(4).choice(1).picture.clear();    // 105
    story.page(3).pathSubtitle.clear();         // 104
    story.page(1).choice(2).picture.clear();    // not shown on a simple page

    const StoryMap map = buildStoryMap(story);
    EXPECT_EQ(map.problemPages, 3);
    EXPECT_TRUE(map.pages[map.indexOf(102)].problems.isEmpty());
    const QList<PageProblem> decision{
        {SaveCheck::PictureMissing, 3, u"A Picture is required for choice number 3"_s},
        {SaveCheck::PathEndsInDecision, 3,
         u"The end of path number  3 cannot end with a decision"_s},
    };
    EXPECT_EQ(map.pages[map.indexOf(103)].problems, decision);
    ASSERT_EQ(map.pages[map.indexOf(104)].problems.size(), 1);
    EXPECT_EQ(map.pages[map.indexOf(104)].problems[0].check, SaveCheck::SubtitleMissing);
    const QList<PageProblem> park{{SaveCheck::PictureMissing, 1, u"A Picture is required"_s}};
    EXPECT_EQ(map.pages[map.indexOf(105)].problems, park);
}

TEST(StoryMap, DamagedLinksStillShowEveryPageOnce) {
    StoryTemplate story = test::twoPathStory(7);
    story.page(4).choice(1).nextPageId = 102; // back to the first page
    story.page(3).choice(1).nextPageId = 999; // a page that is not there
    addEndPage(story, 9, 120, 9, 2);          // its own previous page, reached from nowhere
    story.page(9).choice(1).prevPageId = 555;

    const StoryMap map = buildStoryMap(story);
    ASSERT_EQ(map.pages.size(), 5);
    EXPECT_EQ(map.pages[4].pageId, 120);
    EXPECT_EQ(map.pages[4].depth, 0);
    EXPECT_EQ(map.pages[4].lane, map.lanes - 1);
    EXPECT_EQ(map.pages[map.indexOf(105)].branches[0].index, -1);
    EXPECT_EQ(map.pages[map.indexOf(104)].branches[0].index, -1);
    EXPECT_EQ(map.indexOf(999), -1);
}

} // namespace
} // namespace quillora
