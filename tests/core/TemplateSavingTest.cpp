#include "core/template/TemplateSaving.h"
#include "FakeMessages.h"
#include "SmallDisk.h"
#include "TwoPathStory.h"
#include "core/template/FolderListing.h"
#include "core/template/TemplateFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace quillora {
namespace {

using namespace Qt::StringLiterals;
using test::FakeMessages;
using test::TempAppFolder;

const CoverEntry kGoodCover{u"  Going Out "_s, u"cover.jpg"_s};

// Another template of the folder, saved under its own number.
void saveOther(const AppFolder &folder, int storyId, const QString &title) {
    FakeMessages quiet;
    StoryTemplate other = test::linearStory(storyId, 1);
    other.storyTitle = title;
    ASSERT_TRUE(saveTemplate(other, folder, quiet));
}

class TemplateSavingTest : public ::testing::Test {
protected:
    TempAppFolder app;
    FakeMessages messages;
    StoryTemplate story = test::twoPathStory(7);
    int pictureChecks = 0;

    SaveResult save(const CoverEntry &cover, bool currentPageLacksPicture = false) {
        return saveTemplateClicked(
            story, cover,
            [&] {
                ++pictureChecks;
                return currentPageLacksPicture;
            },
            app.folder(), messages);
    }
};

// Each case breaks its own check and every check after it, so the refusal shows both the
// message and that nothing earlier in the order was skipped.
struct Break {
    const char *what;
    std::function<void(StoryTemplate &, CoverEntry &)> apply;
    SaveCheck check;
    QString message;
    QString section;
    int pageId;
};

const std::vector<Break> &breaksInOrder() {
    static const std::vector<Break> breaks{
        {"title of spaces", [](StoryTemplate &, CoverEntry &c) { c.title = u"   "_s; },
         SaveCheck::TitleMissing, u"A Story Title is Required"_s, kCoverSection, 0},
        {"no cover picture", [](StoryTemplate &, CoverEntry &c) { c.coverPicture = u" "_s; },
         SaveCheck::CoverPictureMissing, u"A picture is required for the cover"_s, kCoverSection,
         0},
        {"title of another template", [](StoryTemplate &, CoverEntry &c) { c.title = u" Zoo "_s; },
         SaveCheck::TitleInUse, u"The Title of this Story Zoo has already been used"_s,
         kCoverSection, 0},
        {"third choice leading nowhere",
         [](StoryTemplate &s, CoverEntry &) {
             s.page(2).layout = kLayoutThreeChoices;
             s.page(2).choice(3).picture = u"third.jpg"_s;
         },
         SaveCheck::PathEndsInDecision, u"The end of path number  3 cannot end with a decision"_s,
         kPageDetailsSection, 103},
        {"end page without subtitle",
         [](StoryTemplate &s, CoverEntry &) { s.page(3).pathSubtitle.clear(); },
         SaveCheck::SubtitleMissing,
         u"Please enter a subtitle for this path\rThis subtitle is displayed on the book cover "
         "when the student chooses this path"_s,
         kPageDetailsSection, 104},
    };
    return breaks;
}

TEST_F(TemplateSavingTest, ChecksRefuseInOrderWithTheirMessageSectionAndPage) {
    saveOther(app.folder(), 3, u"Zoo"_s);
    const auto &breaks = breaksInOrder();
    for (std::size_t i = 0; i < breaks.size(); ++i) {
        SCOPED_TRACE(breaks[i].what);
        story = test::twoPathStory(7);
        CoverEntry cover = kGoodCover;
        // Last first, so where two breaks touch one field the earlier one holds.
        for (std::size_t j = breaks.size(); j-- > i;)
            breaks[j].apply(story, cover);

        const SaveResult result = save(cover);
        ASSERT_EQ(result.outcome, SaveOutcome::Refused);
        ASSERT_TRUE(result.refusal);
        EXPECT_EQ(result.refusal->check, breaks[i].check);
        EXPECT_EQ(result.refusal->message, breaks[i].message);
        EXPECT_EQ(result.refusal->section, breaks[i].section);
        EXPECT_EQ(result.refusal->pageId, breaks[i].pageId);
        if (breaks[i].pageId != 0) {
            EXPECT_EQ(story.currentPageId, breaks[i].pageId);
            EXPECT_EQ(story.page(story.currentPageIndex).pageId, breaks[i].pageId);
        }
        EXPECT_FALSE(app.exists(u"story_7.sty"_s));
        EXPECT_TRUE(messages.shown.isEmpty()) << "the designer shows the refusal";
    }
}

TEST_F(TemplateSavingTest, TheCurrentPagesPicturesAreCheckedAfterTheCoverAndBeforeThePaths) {
    story.page(2).choice(2).nextPageId = 0;

    EXPECT_EQ(save(CoverEntry{}, true).refusal->check, SaveCheck::TitleMissing);
    EXPECT_EQ(pictureChecks, 0);

    const SaveResult refused = save(kGoodCover, true);
    EXPECT_EQ(refused.outcome, SaveOutcome::Refused);
    EXPECT_FALSE(refused.refusal) << "the designer's check has shown its own message";
    EXPECT_EQ(pictureChecks, 1);
    EXPECT_EQ(story.currentPageId, 102);

    EXPECT_EQ(save(kGoodCover).refusal->check, SaveCheck::PathEndsInDecision);
    EXPECT_FALSE(app.exists(u"story_7.sty"_s));
}

TEST_F(TemplateSavingTest, OnlyTemplatesWithDecisionsNeedSubtitles) {
    story = test::linearStory(7, 3);
    EXPECT_EQ(save(kGoodCover).outcome, SaveOutcome::Saved);
    story.page(2).layout = kLayoutTwoChoices;
    story.page(2).choice(2).nextPageId = 0;
    EXPECT_EQ(save(kGoodCover).refusal->message,
              u"The end of path number  2 cannot end with a decision"_s);
    story.page(2).layout = kLayoutSimple;
    story.page(1).layout = kLayoutTwoChoices;
    story.page(1).choice(2).nextPageId = 105;
    story.page(4) = story.page(3);
    story.page(4).pageId = 105;
    for (PageChoice &choice : story.page(4).choices)
        choice.prevPageId = 102;
    const SaveResult refused = save(kGoodCover);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(refused.refusal->check, SaveCheck::SubtitleMissing);
    EXPECT_EQ(refused.refusal->pageId, 104) << "the first end page in slot order";
}

TEST_F(TemplateSavingTest, TitleInUseLooksAtOtherTemplatesTitlesExactly) {
    saveOther(app.folder(), 3, u"Zoo Trip"_s);
    saveOther(app.folder(), 4, u"A{B"_s);
    const struct {
        QString title;
        int storyId;
        bool inUse;
    } cases[] = {
        {u"Zoo Trip"_s, 7, true},
        {u"zoo trip"_s, 7, false}, // another letter case is another title
        {u"Zoo  Trip"_s, 7, false},
        {u"Zoo Trip"_s, 3, false}, // the template's own earlier save
        {u"A{B"_s, 7, true},       // compared as stored
        {u"Zoo"_s, 7, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(titleInUse(c.title, c.storyId, app.folder()), c.inUse) << c.title.toStdString();
}

TEST_F(TemplateSavingTest, SavingTwiceReplacesOneFileAndPromotesEveryWorkingRecording) {
    story.storyTitle = u"Going Out"_s;
    app.write(u"temp_recording_7_102_1.wav"_s, "first take");
    app.write(u"temp_recording_9_title.wav"_s, "another template");

    EXPECT_EQ(save(kGoodCover).outcome, SaveOutcome::Saved);
    app.write(u"temp_recording_7_102_1.wav"_s, "second take");
    EXPECT_EQ(save(kGoodCover).outcome, SaveOutcome::Saved);

    EXPECT_EQ(listFolder(app.folder(), u"*.sty"_s), QStringList{u"story_7.sty"_s});
    EXPECT_EQ(messages.shown, QStringList(2, u"The Story Going Out has been saved"_s));
    for (const QString &name : listFolder(app.folder(), u"temp_recording_*.wav"_s))
        EXPECT_EQ(app.read(name.mid(5)), app.read(name)) << name.toStdString();
    EXPECT_EQ(app.read(u"recording_7_102_1.wav"_s), "second take");
}

TEST(TemplateSavingFullDisk, AFullDiskKeepsTheOldTemplateAndNamesIt) {
    test::SmallDisk disk;
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    FakeMessages messages;
    StoryTemplate story = test::twoPathStory(7);
    story.storyTitle = u"Going Out"_s;
    ASSERT_EQ(saveTemplateClicked(story, kGoodCover, {}, disk.folder(), messages).outcome,
              SaveOutcome::Saved);
    const QByteArray before = disk.read(u"story_7.sty"_s);
    story.page(3).choice(1).text = u"changed"_s;
    disk.fill();

    messages.shown.clear();
    EXPECT_EQ(saveTemplateClicked(story, kGoodCover, {}, disk.folder(), messages).outcome,
              SaveOutcome::Failed);
    EXPECT_EQ(disk.read(u"story_7.sty"_s), before);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(u"story_7.sty"_s)) << messages.shown[0].toStdString();
    EXPECT_FALSE(messages.shown[0].contains(u"has been saved"_s));
}

} // namespace
} // namespace quillora
