#include "core/template/StoryTemplate.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

void placePage(StoryTemplate &story, int slot, int pageId) {
    story.page(slot).inUse = true;
    story.page(slot).pageId = pageId;
    story.page(slot).layout = kLayoutSimple;
}

TEST(TemplateModel, ClearEmptiesEverySlotButKeepsTheCover) {
    StoryTemplate story;
    story.storyId = 9;
    story.storyTitle = QStringLiteral("Kept");
    story.editingAllowed = false;
    placePage(story, 1, 102);
    story.page(kTemplateSlots).pathSubtitle = QStringLiteral("x");
    story.page(3).choice(3).picture = QStringLiteral("p.jpg");
    story.page(3).choice(2).prevPageId = 5;

    story.clearTemplate();

    for (int slot = 1; slot <= kTemplateSlots; ++slot)
        EXPECT_EQ(story.page(slot), TemplatePage{}) << slot;
    EXPECT_EQ(story.storyId, 9);
    EXPECT_EQ(story.storyTitle, QStringLiteral("Kept"));
    EXPECT_TRUE(story.editingAllowed);
}

TEST(TemplateModel, FindPageIndexTakesTheLowestSlot) {
    StoryTemplate story;
    placePage(story, 2, 150);
    placePage(story, 5, 150);
    placePage(story, 1, 102);
    EXPECT_EQ(story.findPageIndex(150), 2);
    EXPECT_EQ(story.findPageIndex(102), 1);
    // Free slots hold page 0, so 0 finds the first free slot: the end of a path.
    EXPECT_EQ(story.findPageIndex(0), 3);
    EXPECT_EQ(story.findPageIndex(999), 0);
}

TEST(TemplateModel, NewPageIdIsOneAboveTheHighestAndAtLeast102) {
    struct Case {
        std::vector<int> pageIds;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {{}, 102},        {{102, 150, 103}, 151},  {{5, 7}, 102},
        {{32766}, 32767}, {{32767}, std::nullopt}, // 16-bit page numbers have run out
    };
    for (const Case &c : cases) {
        StoryTemplate story;
        story.currentPageId = 42;
        int slot = 1;
        for (const int id : c.pageIds)
            placePage(story, slot++, id);
        EXPECT_EQ(story.newPageId(), c.expected);
        EXPECT_EQ(story.currentPageId, c.expected.value_or(42));
    }
}

TEST(TemplateModel, LineBreakCodec) {
    struct Case {
        QString text;
        QString encoded;
    };
    const Case cases[] = {
        {QStringLiteral("first\r\nsecond"), QStringLiteral("first}{second")},
        {QStringLiteral("a\nb\rc"), QStringLiteral("a{b}c")},
        {QString(), QString()},
        {QStringLiteral("no breaks"), QStringLiteral("no breaks")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(encodeLineBreaks(c.text), c.encoded);
        EXPECT_EQ(decodeLineBreaks(c.encoded), c.text);
    }
    // Braces typed into a text are not kept apart from encoded breaks.
    EXPECT_EQ(decodeLineBreaks(QStringLiteral("{x}")), QStringLiteral("\nx\r"));
}

TEST(TemplateModel, CopiesAreIndependent) {
    StoryTemplate story;
    placePage(story, 1, 102);
    StoryTemplate copy = story;
    copy.page(1).choice(1).text = QStringLiteral("changed");
    EXPECT_TRUE(story.page(1).choice(1).text.isEmpty());
    EXPECT_FALSE(copy == story);
}

} // namespace
} // namespace quillora
