#include "core/template/PageGraph.h"
#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "core/template/WorkingRecordings.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quillora::test {
namespace {

// A page as the tables below describe it: number, layout, previous page and followers.
struct Shape {
    int id;
    int layout;
    int prev;
    std::vector<int> next; // choice 1..3 followers
};

std::vector<Shape> shapeOf(const StoryTemplate &story) {
    std::vector<Shape> pages;
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        const TemplatePage &p = story.page(slot);
        if (!p.inUse)
            continue;
        EXPECT_EQ(p.choice(2).prevPageId, p.choice(1).prevPageId) << "page " << p.pageId;
        EXPECT_EQ(p.choice(3).prevPageId, p.choice(1).prevPageId) << "page " << p.pageId;
        pages.push_back({p.pageId,
                         p.layout,
                         p.choice(1).prevPageId,
                         {p.choice(1).nextPageId, p.choice(2).nextPageId, p.choice(3).nextPageId}});
    }
    return pages;
}

void expectShape(const StoryTemplate &story, const std::vector<Shape> &expected) {
    const std::vector<Shape> actual = shapeOf(story);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "page " << expected[i].id);
        EXPECT_EQ(actual[i].id, expected[i].id);
        EXPECT_EQ(actual[i].layout, expected[i].layout);
        EXPECT_EQ(actual[i].prev, expected[i].prev);
        EXPECT_EQ(actual[i].next, expected[i].next);
    }
}

// A story that has every picture, so nothing stops at a missing one.
StoryTemplate started() {
    StoryTemplate story;
    newTemplate(story, 7);
    return story;
}

// 102 is a two-choice page; path 1 is 103, 104; path 2 is 105.
StoryTemplate twoPaths() {
    StoryTemplate story = started();
    story.page(1).layout = kLayoutTwoChoices;
    EXPECT_FALSE(insertPageAfter(story, 1));
    EXPECT_FALSE(insertPageAfter(story, 1));
    showPage(story, 102);
    EXPECT_FALSE(insertPageAfter(story, 2));
    return story;
}

TEST(PageGraph, NewTemplateHoldsOneSimplePage) {
    StoryTemplate story;
    story.storyTitle = QStringLiteral("Old");
    story.page(9).inUse = true;
    story.page(9).pageId = 400;
    story.editingAllowed = false;
    newTemplate(story, 12);
    EXPECT_EQ(story.storyId, 12);
    expectShape(story, {{102, 1, 0, {0, 0, 0}}});
    EXPECT_EQ(story.currentPageId, 102);
    EXPECT_EQ(story.currentPageIndex, 1);
    EXPECT_TRUE(story.storyTitle.isEmpty());
    EXPECT_EQ(story.colorScheme, 1);
    EXPECT_EQ(story.fontName, QStringLiteral("Arial"));
    EXPECT_TRUE(story.editingAllowed);
}

TEST(PageGraph, InsertionsKeepTheTree) {
    struct Case {
        const char *name;
        std::function<void(StoryTemplate &)> act;
        std::vector<Shape> expected;
        int current;
    };
    const std::vector<Case> cases{
        {"after the only page",
         [](StoryTemplate &s) { (void)insertPageAfter(s, 1); },
         {{102, 1, 0, {103, 0, 0}}, {103, 1, 102, {0, 0, 0}}},
         103},
        {"after a page inside a path",
         [](StoryTemplate &s) {
             (void)insertPageAfter(s, 1);
             showPage(s, 102);
             (void)insertPageAfter(s, 1);
         },
         {{102, 1, 0, {104, 0, 0}}, {103, 1, 104, {0, 0, 0}}, {104, 1, 102, {103, 0, 0}}},
         104},
        {"before the first page",
         [](StoryTemplate &s) { (void)insertPageBefore(s); },
         {{102, 1, 103, {0, 0, 0}}, {103, 1, 0, {102, 0, 0}}},
         103},
        {"starting path 2, then ahead of it",
         [](StoryTemplate &s) {
             s.page(1).layout = kLayoutTwoChoices;
             (void)insertPageAfter(s, 2);
             showPage(s, 102);
             (void)insertPageAfter(s, 2);
         },
         {{102, 2, 0, {0, 104, 0}}, {103, 1, 104, {0, 0, 0}}, {104, 1, 102, {103, 0, 0}}},
         104},
        {"before a decision first page",
         [](StoryTemplate &s) {
             s.page(1).layout = kLayoutThreeChoices;
             (void)insertPageAfter(s, 3);
             showPage(s, 102);
             (void)insertPageBefore(s);
         },
         {{102, 3, 104, {0, 0, 103}}, {103, 1, 102, {0, 0, 0}}, {104, 1, 0, {102, 0, 0}}},
         104},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StoryTemplate story = started();
        c.act(story);
        expectShape(story, c.expected);
        EXPECT_EQ(story.currentPageId, c.current);
        EXPECT_EQ(story.page(story.currentPageIndex).pageId, c.current);
    }
}

TEST(PageGraph, DeletionJoinsThePathAndMovesToTheNeighbour) {
    struct Case {
        const char *name;
        int deleted;
        std::vector<Shape> expected;
        int current;
    };
    const std::vector<Case> cases{
        {"inside path 1",
         103,
         {{102, 2, 0, {104, 105, 0}}, {104, 1, 102, {0, 0, 0}}, {105, 1, 102, {0, 0, 0}}},
         102},
        {"end of path 1",
         104,
         {{102, 2, 0, {103, 105, 0}}, {103, 1, 102, {0, 0, 0}}, {105, 1, 102, {0, 0, 0}}},
         103},
        {"only page of path 2",
         105,
         {{102, 2, 0, {103, 0, 0}}, {103, 1, 102, {104, 0, 0}}, {104, 1, 103, {0, 0, 0}}},
         102},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StoryTemplate story = twoPaths();
        showPage(story, c.deleted);
        ASSERT_FALSE(deletePageRefusal(story));
        const DeletedPage gone = deletePage(story);
        EXPECT_EQ(gone.pageId, c.deleted);
        EXPECT_TRUE(gone.slotFreed);
        expectShape(story, c.expected);
        EXPECT_EQ(story.currentPageId, c.current);
    }
}

TEST(PageGraph, DeletingTheFirstPageMakesItsFollowerFirst) {
    StoryTemplate story = started();
    (void)insertPageAfter(story, 1);
    showPage(story, 102);
    story.page(1).choice(1).picture = QStringLiteral("a.jpg");
    story.page(1).choice(1).soundEffect = QStringLiteral("sound_effect_a.wav");
    deletePage(story);
    expectShape(story, {{103, 1, 0, {0, 0, 0}}});
    EXPECT_EQ(story.currentPageId, 103);
    // The freed slot keeps its number and its sound effect; its pictures go.
    EXPECT_EQ(story.page(1).pageId, 102);
    EXPECT_TRUE(story.page(1).choice(1).picture.isEmpty());
    EXPECT_EQ(story.page(1).choice(1).soundEffect, QStringLiteral("sound_effect_a.wav"));
}

TEST(PageGraph, DeletingTheOnlyPageEmptiesItButKeepsItsSoundEffects) {
    StoryTemplate story = started();
    story.page(1).layout = kLayoutThreeChoices;
    for (PageChoice &c : story.page(1).choices) {
        c.picture = QStringLiteral("p.jpg");
        c.text = QStringLiteral("t");
        c.recording = QStringLiteral("r.wav");
        c.soundEffect = QStringLiteral("sound_effect_s.wav");
    }
    const DeletedPage gone = deletePage(story);
    EXPECT_FALSE(gone.slotFreed);
    expectShape(story, {{102, 1, 0, {0, 0, 0}}});
    for (const PageChoice &c : story.page(1).choices) {
        EXPECT_TRUE(c.picture.isEmpty() && c.text.isEmpty() && c.recording.isEmpty());
        EXPECT_EQ(c.soundEffect, QStringLiteral("sound_effect_s.wav"));
    }
}

TEST(PageGraph, DeletionIsRefusedWhileLaterPathsHavePages) {
    StoryTemplate story = twoPaths();
    showPage(story, 102);
    EXPECT_EQ(deletePageRefusal(story), pageMessages::deleteRefusedSecondPath());

    StoryTemplate third = started();
    third.page(1).layout = kLayoutThreeChoices;
    (void)insertPageAfter(third, 3);
    showPage(third, 102);
    EXPECT_EQ(deletePageRefusal(third), pageMessages::deleteRefusedThirdPath());
}

TEST(PageGraph, NumbersAreNeverReusedAfterDeletions) {
    StoryTemplate story = started();
    (void)insertPageAfter(story, 1); // 103 in slot 2
    (void)insertPageAfter(story, 1); // 104 in slot 3
    showPage(story, 103);
    deletePage(story); // frees slot 2; 102 current
    (void)insertPageAfter(story, 1);
    EXPECT_EQ(story.currentPageIndex, 2);
    EXPECT_EQ(story.currentPageId, 105);
    expectShape(story,
                {{102, 1, 0, {105, 0, 0}}, {105, 1, 102, {104, 0, 0}}, {104, 1, 105, {0, 0, 0}}});
}

TEST(PageGraph, TheDesignerStopsAt499Pages) {
    StoryTemplate story = started();
    for (int i = 2; i <= kDesignerPageLimit; ++i)
        ASSERT_FALSE(insertPageAfter(story, 1));
    EXPECT_EQ(story.pagesInUse(), 499);
    const StoryTemplate before = story;
    EXPECT_EQ(insertPageAfter(story, 1), QString::fromLatin1(pageMessages::kReachedMaxPages));
    EXPECT_EQ(story, before);
    showPage(story, 102);
    const StoryTemplate atFirst = story;
    EXPECT_EQ(insertPageBefore(story), QString::fromLatin1(pageMessages::kReachedMaxPages));
    EXPECT_EQ(story, atFirst);
    EXPECT_FALSE(story.page(kTemplateSlots).inUse);
}

TEST(PageGraph, PageNumbersCountSimplePagesOnly) {
    StoryTemplate story = twoPaths();
    struct Case {
        int page;
        int number;
    };
    for (const Case c : {Case{102, 1}, Case{103, 2}, Case{104, 3}, Case{105, 2}}) {
        showPage(story, c.page);
        EXPECT_EQ(pageNumber(story), c.number) << c.page;
    }
}

TEST(PageGraph, LayoutChangesAreRefusedWhenTheyWouldOrphanPages) {
    const QString third1 = QStringLiteral(
        "Error: There are pages on the 3rd path.\nYou must delete all pages in the third path "
        "before selecting no choices");
    const QString third2 = QStringLiteral(
        "Error: There are pages on the 3rd path.\nYou must delete all pages in the third path "
        "before selecting 2 choices");
    const QString second = QStringLiteral(
        "Error: There are pages on the second path.\nYou must delete all pages in the second "
        "path before selecting no choices");
    struct Case {
        int layout;
        int second; // choice 2's follower
        int third;  // choice 3's follower
        int newLayout;
        QString refusal; // empty: allowed
    };
    const std::vector<Case> cases{
        {3, 200, 201, 1, third1}, {3, 200, 201, 2, third2}, {3, 200, 0, 1, second},
        {3, 0, 201, 1, third1},   {2, 200, 0, 1, second},   {2, 200, 0, 3, {}},
        {3, 200, 0, 2, {}},       {1, 0, 0, 3, {}},
    };
    for (const Case &c : cases) {
        StoryTemplate story = started();
        story.page(1).layout = c.layout;
        story.page(1).choice(2).nextPageId = c.second;
        story.page(1).choice(3).nextPageId = c.third;
        SCOPED_TRACE(testing::Message() << c.layout << " -> " << c.newLayout);
        EXPECT_EQ(layoutChangeRefusal(story, c.newLayout).value_or(QString()), c.refusal);
    }
}

class PasteTest : public ::testing::Test {
protected:
    PasteTest() {
        story = started();
        (void)insertPageAfter(story, 1); // 103 is current
    }
    TempAppFolder folder;
    FakeMessages messages;
    StoryTemplate story;
};

TEST_F(PasteTest, CopiesTheRecordingToTheChoicesOwnNames) {
    folder.write(QStringLiteral("recording_7_102_1.wav"), "RIFF-narration");
    const ChoiceClipboard clip{QStringLiteral("/pics/a.jpg"), QStringLiteral("words"),
                               QStringLiteral("recording_7_102_1.wav"),
                               QStringLiteral("sound_effect_x.wav")};
    ASSERT_TRUE(pasteChoice(story, 1, clip, folder.folder(), messages));
    const PageChoice &c = story.page(story.currentPageIndex).choice(1);
    EXPECT_EQ(c.picture, clip.picture);
    EXPECT_EQ(c.text, clip.text);
    EXPECT_EQ(c.soundEffect, clip.soundEffect);
    EXPECT_EQ(c.recording, QStringLiteral("recording_7_103_1.wav"));
    EXPECT_EQ(folder.read(QStringLiteral("temp_recording_7_103_1.wav")), "RIFF-narration");
    EXPECT_EQ(folder.read(QStringLiteral("recording_7_103_1.wav")), "RIFF-narration");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PasteTest, AMissingRecordingLeavesTheTargetsRecording) {
    PageChoice &c = story.page(story.currentPageIndex).choice(2);
    c.recording = QStringLiteral("recording_7_103_2.wav");
    c.picture = QStringLiteral("old.jpg");
    EXPECT_TRUE(pasteNeedsConsent(story, 2));
    const ChoiceClipboard clip{
        QStringLiteral("new.jpg"), {}, QStringLiteral("never_saved.wav"), {}};
    ASSERT_TRUE(pasteChoice(story, 2, clip, folder.folder(), messages));
    EXPECT_EQ(c.picture, QStringLiteral("new.jpg"));
    EXPECT_EQ(c.recording, QStringLiteral("recording_7_103_2.wav"));

    ASSERT_TRUE(pasteChoice(story, 2, ChoiceClipboard{}, folder.folder(), messages));
    EXPECT_TRUE(c.recording.isEmpty());
    EXPECT_FALSE(pasteNeedsConsent(story, 2));
}

TEST(WorkingRecordings, DeletionsTakeOnlyTheTemplatesWorkingCopies) {
    TempAppFolder folder;
    for (const char *name : {"temp_recording_7_102_1.wav", "temp_recording_7_102_path.wav",
                             "temp_recording_7_1020_1.wav", "temp_recording_7_title.wav",
                             "temp_recording_70_102_1.wav", "recording_7_102_1.wav"})
        folder.write(QLatin1String(name), "x");
    deletePageTempRecordings(folder.folder(), 7, 102);
    EXPECT_FALSE(folder.exists(QStringLiteral("temp_recording_7_102_1.wav")));
    EXPECT_FALSE(folder.exists(QStringLiteral("temp_recording_7_102_path.wav")));
    EXPECT_TRUE(folder.exists(QStringLiteral("temp_recording_7_1020_1.wav")));
    EXPECT_TRUE(folder.exists(QStringLiteral("temp_recording_7_title.wav")));

    deleteTempRecordings(folder.folder(), 7);
    EXPECT_FALSE(folder.exists(QStringLiteral("temp_recording_7_1020_1.wav")));
    EXPECT_FALSE(folder.exists(QStringLiteral("temp_recording_7_title.wav")));
    EXPECT_TRUE(folder.exists(QStringLiteral("temp_recording_70_102_1.wav")));
    EXPECT_TRUE(folder.exists(QStringLiteral("recording_7_102_1.wav")));

    EXPECT_EQ(workingCopyName(QStringLiteral("recording_7_102_1.wav")),
              QStringLiteral("temp_recording_7_102_1.wav"));
    EXPECT_EQ(permanentNameOf(QStringLiteral("temp_recording_7_102_1.wav")),
              QStringLiteral("recording_7_102_1.wav"));
    EXPECT_TRUE(permanentNameOf(QStringLiteral("recording_7_102_1.wav")).isEmpty());
}

} // namespace
} // namespace quillora::test
