#include "LibraryFixture.h"

#include "core/library/LibraryCheck.h"

#include <functional>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

// A template with nothing wrong: a cover picture and one end page with its picture.
StoryTemplate soundTemplate(TempAppFolder &folder, int storyId, const QString &title) {
    StoryTemplate story =
        smallTemplate(storyId, title, QStringLiteral("page_pic_%1_102_1.jpg").arg(storyId));
    story.coverPicture = QStringLiteral("cover_pic_%1.jpg").arg(storyId);
    folder.write(story.coverPicture, "jpg");
    folder.write(story.page(1).choice(1).picture, "jpg");
    return story;
}

// Two pages: a decision on 102 leading to 103 and 104.
StoryTemplate decisionTemplate(TempAppFolder &folder, int storyId) {
    StoryTemplate story = soundTemplate(folder, storyId, QStringLiteral("Choices"));
    TemplatePage &first = story.page(1);
    first.layout = kLayoutTwoChoices;
    first.pathSubtitle.clear();
    first.choice(2).picture = first.choice(1).picture;
    first.choice(1).nextPageId = 103;
    first.choice(2).nextPageId = 104;
    for (int slot : {2, 3}) {
        TemplatePage &end = story.page(slot);
        end = story.page(1);
        end.pageId = 101 + slot;
        end.layout = kLayoutSimple;
        end.choice(1).nextPageId = 0;
        end.choice(2) = PageChoice{};
        for (PageChoice &choice : end.choices)
            choice.prevPageId = 102;
        end.pathSubtitle = QStringLiteral("End %1").arg(slot);
    }
    return story;
}

QByteArray book(int storyId, int pageId) {
    return crlf({QStringLiteral("600"), QString::number(storyId), QStringLiteral("1"),
                 QStringLiteral("1"), QString::number(pageId), QStringLiteral(" 102 "),
                 QStringLiteral(" %1 ").arg(pageId)});
}

TEST(LibraryCheckTest, SoundFoldersHaveNoProblem) {
    TempAppFolder demo(TempAppFolder::InstalledCopy);
    EXPECT_TRUE(checkLibrary(demo.folder()).isEmpty());
    TempAppFolder folder;
    writeTemplate(folder, decisionTemplate(folder, 7));
    folder.write(QStringLiteral("mystory_600_9999_1_7_103.msy"), book(7, 103));
    EXPECT_TRUE(checkLibrary(folder.folder()).isEmpty());
    EXPECT_EQ(checkSummary({}), QStringLiteral("The library check found no problem."));
}

TEST(LibraryCheckTest, EachBrokenFolderReportsItsOneProblem) {
    const struct {
        const char *name;
        std::function<void(TempAppFolder &)> breakIt;
        const char *file;
        const char *says;
        int pageId;
    } cases[] = {
        {"choice leading to a missing page",
         [](TempAppFolder &f) {
             StoryTemplate s = soundTemplate(f, 7, QStringLiteral("A"));
             s.page(1).choice(1).nextPageId = 999;
             writeTemplate(f, s);
         },
         "story_7.sty", "page 102: choice 1 leads to page 999", 102},
        {"decision choice leading nowhere",
         [](TempAppFolder &f) {
             StoryTemplate s = decisionTemplate(f, 7);
             s.page(1).choice(2).nextPageId = 0;
             s.page(3).inUse = false;
             writeTemplate(f, s);
         },
         "story_7.sty", "page 102: ", 102},
        {"end page without subtitle",
         [](TempAppFolder &f) {
             StoryTemplate s = decisionTemplate(f, 7);
             s.page(2).pathSubtitle.clear();
             writeTemplate(f, s);
         },
         "story_7.sty", "page 103: ", 103},
        {"page without picture",
         [](TempAppFolder &f) {
             StoryTemplate s = soundTemplate(f, 7, QStringLiteral("A"));
             s.page(1).choice(1).picture.clear();
             writeTemplate(f, s);
         },
         "story_7.sty", "page 102: ", 102},
        {"cover without picture",
         [](TempAppFolder &f) {
             StoryTemplate s = soundTemplate(f, 7, QStringLiteral("A"));
             s.coverPicture.clear();
             writeTemplate(f, s);
         },
         "story_7.sty", "the cover has no picture", 0},
        {"missing narration",
         [](TempAppFolder &f) {
             StoryTemplate s = soundTemplate(f, 7, QStringLiteral("A"));
             s.page(1).choice(1).recording = QStringLiteral("recording_7_102_1.wav");
             writeTemplate(f, s);
         },
         "story_7.sty", "page 102: narration recording_7_102_1.wav is missing", 102},
        {"two templates with one title",
         [](TempAppFolder &f) {
             writeTemplate(f, soundTemplate(f, 7, QStringLiteral("Same")));
             writeTemplate(f, soundTemplate(f, 8, QStringLiteral("Same")));
         },
         "story_8.sty", "has the title \"Same\", as story_7.sty has", 0},
        {"book that no longer fits",
         [](TempAppFolder &f) {
             writeTemplate(f, soundTemplate(f, 7, QStringLiteral("A")));
             f.write(QStringLiteral("mystory_600_9999_1_7_103.msy"), book(7, 103));
         },
         "mystory_600_9999_1_7_103.msy", "no longer fits story template 7: its page 103", 0},
        {"unreadable template",
         [](TempAppFolder &f) { f.write(QStringLiteral("story_7.sty"), "7\r\nTitle\r\n"); },
         "story_7.sty", "cannot be read", 0},
        {"unreadable book",
         [](TempAppFolder &f) {
             f.write(QStringLiteral("mystory_600_9999_1_7_103.msy"), "600\r\n");
         },
         "mystory_600_9999_1_7_103.msy", "cannot be read", 0},
    };
    for (const auto &c : cases) {
        TempAppFolder folder;
        c.breakIt(folder);
        const QList<LibraryProblem> problems = checkLibrary(folder.folder());
        ASSERT_EQ(problems.size(), 1)
            << c.name << ": "
            << (problems.isEmpty() ? "" : problemLine(problems.last()).toStdString());
        EXPECT_EQ(problems[0].fileName, QString::fromUtf8(c.file)) << c.name;
        EXPECT_TRUE(
            problemLine(problems[0]).startsWith(QString::fromUtf8(c.file) + QStringLiteral(": ")));
        EXPECT_TRUE(problems[0].text.contains(QString::fromUtf8(c.says)))
            << c.name << ": " << problems[0].text.toStdString();
        EXPECT_EQ(problems[0].pageId, c.pageId) << c.name;
    }
}

} // namespace
} // namespace quillora::test
