#include "core/template/TemplateFile.h"
#include "FakeMessages.h"
#include "StoryFilesTestSupport.h"
#include "TempAppFolder.h"
#include "core/TextFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using test::crlf;
using test::FakeMessages;
using test::installFixture;
using test::TempAppFolder;

QStringList linesOf(const QByteArray &bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A page whose media names all carry a folder, so they come back exactly as written.
TemplatePage simplePage(int pageId, int prev, int next) {
    TemplatePage page;
    page.inUse = true;
    page.pageId = pageId;
    page.layout = kLayoutSimple;
    for (PageChoice &choice : page.choices)
        choice.prevPageId = prev;
    page.choice(1).nextPageId = next;
    page.choice(1).picture = QStringLiteral("C:\\pics\\%1.jpg").arg(pageId);
    page.choice(1).text = QStringLiteral("Page %1\r\nsecond line").arg(pageId);
    return page;
}

class TemplateFileTest : public ::testing::Test {
protected:
    TempAppFolder app;
    FakeMessages messages;
    StoryTemplate story;

    Result<void> load(int id, TemplateLoadMode mode = TemplateLoadMode::Reading) {
        return loadTemplate(story, id, mode, app.folder(), messages);
    }
};

TEST_F(TemplateFileTest, OnePageTemplateRoundTripsByteForByte) {
    installFixture(app, QStringLiteral("template_one_page.sty"), QStringLiteral("story_7.sty"));
    const QByteArray original = app.read(QStringLiteral("story_7.sty"));
    ASSERT_EQ(linesOf(original).size(), 35);

    story.bookSubtitle = QStringLiteral("from the book read before");
    ASSERT_TRUE(load(7));
    EXPECT_TRUE(story.bookSubtitle.isEmpty());
    EXPECT_EQ(story.storyId, 7);
    EXPECT_EQ(story.storyTitle, QStringLiteral("My Cat{Tom")); // titles are not decoded
    EXPECT_EQ(story.colorScheme, 3);
    EXPECT_EQ(story.pagesInUse(), 1);
    const TemplatePage &page = story.page(1);
    EXPECT_EQ(page.pageId, 102);
    EXPECT_EQ(page.choice(1).text, QStringLiteral("Tom is a cat.\r\nHe sleeps."));
    EXPECT_EQ(page.choice(1).soundEffect, QStringLiteral("None"));
    EXPECT_EQ(page.pathRecording, QStringLiteral("recording_7_102_path.wav"));
    EXPECT_EQ(story.currentPageIndex, 1);
    EXPECT_EQ(story.currentPageId, 102);

    QFile::remove(app.path(QStringLiteral("story_7.sty")));
    ASSERT_TRUE(saveTemplate(story, app.folder(), messages));
    EXPECT_EQ(app.read(QStringLiteral("story_7.sty")), original);
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("The Story My Cat{Tom has been saved")});
}

TEST_F(TemplateFileTest, BranchingTemplateRoundTripsByteForByte) {
    installFixture(app, QStringLiteral("template_branching.sty"), QStringLiteral("story_12.sty"));
    const QByteArray original = app.read(QStringLiteral("story_12.sty"));
    ASSERT_TRUE(load(12));
    EXPECT_EQ(story.pagesInUse(), 5);
    EXPECT_EQ(story.page(2).layout, kLayoutTwoChoices);
    EXPECT_EQ(story.page(2).choice(2).nextPageId, 105);
    EXPECT_EQ(story.page(5).pathSubtitle, QStringLiteral("A Day at the Beach"));
    EXPECT_EQ(story.page(5).choice(1).text, QString::fromUtf8("Oh, a wave – é!"));
    EXPECT_EQ(story.currentPageId, 102);
    ASSERT_TRUE(saveTemplate(story, app.folder(), messages));
    EXPECT_EQ(app.read(QStringLiteral("story_12.sty")), original);
}

TEST_F(TemplateFileTest, SaveWritesUsedSlotsInOrderAndLoadPacksThem) {
    story.storyId = 5;
    story.storyTitle = QStringLiteral("Two\nlines");
    story.colorScheme = 0;
    story.page(3) = simplePage(102, 0, 150);
    story.page(7) = simplePage(150, 102, 103);
    story.page(9) = simplePage(103, 150, 0);
    story.page(9).pathSubtitle = QStringLiteral("The End");
    // A page deleted in the designer keeps its number in a freed slot; it is not written.
    story.page(5).pageId = 140;

    ASSERT_TRUE(saveTemplate(story, app.folder(), messages));
    EXPECT_EQ(story.colorScheme, 1);
    const QStringList lines = linesOf(app.read(QStringLiteral("story_5.sty")));
    ASSERT_EQ(lines.size(), 9 + 3 * 26);
    EXPECT_EQ(lines[1], QStringLiteral("Two{lines"));
    EXPECT_EQ(lines[4], QStringLiteral(" 1 "));
    EXPECT_EQ(lines[9], QString(28, QLatin1Char('=')));
    EXPECT_EQ(lines[10], QStringLiteral(" 102 "));
    EXPECT_EQ(lines[14], QString(12, QLatin1Char('-')));
    EXPECT_EQ(lines[16], QStringLiteral("Page 102}{second line"));
    EXPECT_EQ(lines[35], QString(28, QLatin1Char('=')));

    StoryTemplate saved = story;
    ASSERT_TRUE(load(5));
    EXPECT_EQ(story.storyTitle, QStringLiteral("Two{lines"));
    EXPECT_EQ(story.colorScheme, 1);
    EXPECT_EQ(story.page(1), saved.page(3));
    EXPECT_EQ(story.page(2), saved.page(7));
    EXPECT_EQ(story.page(3), saved.page(9));
    EXPECT_EQ(story.pagesInUse(), 3);
    EXPECT_EQ(story.page(4).pageId, 0);
    EXPECT_EQ(story.findPageIndex(0), 4);
}

TEST_F(TemplateFileTest, LoadResolvesMediaNamesButNotRecordingsOfTheCoverOrPath) {
    const QString bareCover = QStringLiteral("cover.jpg");
    QStringList lines{
        QStringLiteral(" 3 "),         QStringLiteral("T"),       QStringLiteral("rec.wav"),
        QStringLiteral("song.mid"),    QStringLiteral(" 2 "),     bareCover,
        QStringLiteral("Arial"),       QStringLiteral(" 1 "),     QStringLiteral(" 0 "),
        QString(28, QLatin1Char('=')), QStringLiteral(" 102 "),   QStringLiteral(" 3 "),
        QStringLiteral("sub"),         QStringLiteral("path.wav")};
    const QStringList names[3] = {
        {QStringLiteral("a.jpg"), QStringLiteral("a.wav"), QStringLiteral("fx.wav")},
        {QStringLiteral("C:\\pics\\b.jpg"), QStringLiteral("None"), QString()},
        {QStringLiteral("pics/c.jpg"), QString(), QStringLiteral("None")}};
    for (const QStringList &n : names)
        lines << QString(12, QLatin1Char('-')) << n[0] << QStringLiteral("text") << n[1] << n[2]
              << QStringLiteral(" 0 ") << QStringLiteral(" 0 ");
    app.write(QStringLiteral("story_3.sty"), crlf(lines));

    ASSERT_TRUE(load(3));
    EXPECT_EQ(story.coverPicture, app.path(bareCover));
    EXPECT_EQ(story.coverRecording, QStringLiteral("rec.wav"));
    EXPECT_EQ(story.backgroundMusic, QStringLiteral("song.mid"));
    EXPECT_EQ(story.page(1).pathRecording, QStringLiteral("path.wav"));
    const PageChoice &a = story.page(1).choice(1);
    EXPECT_EQ(a.picture, app.path(QStringLiteral("a.jpg")));
    EXPECT_EQ(a.recording, app.path(QStringLiteral("a.wav")));
    EXPECT_EQ(a.soundEffect, app.path(QStringLiteral("fx.wav")));
    const PageChoice &b = story.page(1).choice(2);
    EXPECT_EQ(b.picture, QStringLiteral("C:\\pics\\b.jpg"));
    EXPECT_EQ(b.recording, QStringLiteral("None"));
    EXPECT_EQ(b.soundEffect, QString());
    EXPECT_EQ(story.page(1).choice(3).picture, QStringLiteral("pics/c.jpg"));
}

TEST_F(TemplateFileTest, OlderFilesInWindows1252StillOpen) {
    QByteArray bytes = test::fixtureBytes(QStringLiteral("template_one_page.sty"));
    bytes.replace("My Cat{Tom", "Caf\xe9 \x93Tom\x94");
    app.write(QStringLiteral("story_7.sty"), bytes);
    ASSERT_TRUE(load(7));
    EXPECT_EQ(story.storyTitle, QString::fromUtf8("Café “Tom”"));
}

TEST_F(TemplateFileTest, SingleLineFieldsNeverSplitThePageGroup) {
    story.storyId = 4;
    story.page(1) = simplePage(102, 0, 0);
    story.page(1).pathSubtitle = QStringLiteral("The\r\nEnd");
    story.coverRecording = QStringLiteral("a\nb.wav");
    ASSERT_TRUE(saveTemplate(story, app.folder(), messages));
    EXPECT_EQ(linesOf(app.read(QStringLiteral("story_4.sty"))).size(), 35);
    ASSERT_TRUE(load(4));
    EXPECT_EQ(story.page(1).pathSubtitle, QStringLiteral("The  End"));
    EXPECT_EQ(story.coverRecording, QStringLiteral("a b.wav"));
}

// A header and `pages` complete page groups, as lines.
QStringList templateText(int pages) {
    StoryTemplate story;
    story.storyId = 5;
    for (int slot = 1; slot <= pages; ++slot)
        story.page(std::min(slot, kTemplateSlots)) =
            simplePage(101 + slot, slot == 1 ? 0 : 100 + slot, 0);
    QStringList lines = templateLines(story);
    // Pages beyond the table are repeats of the last group.
    for (int extra = kTemplateSlots; extra < pages; ++extra)
        lines += lines.mid(lines.size() - 26);
    return lines;
}

TEST_F(TemplateFileTest, BadFilesAreRefusedWithFileAndLineAndLeaveTheTemplateBlank) {
    struct Case {
        const char *what;
        std::optional<QByteArray> bytes; // nothing: no file at all
        int line;
    };
    QStringList badNumber = templateText(1);
    badNumber[4] = QStringLiteral("blue");
    QStringList badPageId = templateText(2);
    badPageId[9 + 26 + 1] = QStringLiteral(" 1O2 ");
    QStringList badLayout = templateText(1);
    badLayout[11] = QStringLiteral(" 4 ");
    QStringList wideNumber = templateText(1);
    wideNumber[10] = QStringLiteral(" 40000 ");
    QStringList hugeLine = templateText(1);
    hugeLine[15] = QString(kMaxTextLineLength + 1, QLatin1Char('x'));
    const Case cases[] = {
        {"missing file", std::nullopt, 0},
        {"empty file", QByteArray(), 1},
        {"header only, cut short", crlf(templateText(0).mid(0, 6)), 7},
        {"page group cut short", crlf(templateText(1).mid(0, 19)), 20},
        {"a stray empty line after the last page", crlf(templateText(1) << QString()), 37},
        {"more than 500 page groups", crlf(templateText(501)), 9 + 500 * 26 + 1},
        {"number line that is not a number", crlf(badNumber), 5},
        {"page number that is not a number", crlf(badPageId), 9 + 26 + 2},
        {"layout beyond three choices", crlf(badLayout), 12},
        {"page number beyond 16 bits", crlf(wideNumber), 11},
        {"huge line", crlf(hugeLine), 16},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(app.path(QStringLiteral("story_5.sty")));
        if (c.bytes)
            app.write(QStringLiteral("story_5.sty"), *c.bytes);
        installFixture(app, QStringLiteral("template_branching.sty"),
                       QStringLiteral("story_12.sty"));
        ASSERT_TRUE(load(12));
        story.bookSubtitle = QStringLiteral("left over");

        const auto loaded = load(5);
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error().file, QStringLiteral("story_5.sty"));
        EXPECT_EQ(loaded.error().line, c.line) << qPrintable(loaded.error().text());
        EXPECT_TRUE(story == StoryTemplate());
    }
}

TEST_F(TemplateFileTest, FiveHundredPageGroupsStillLoad) {
    app.write(QStringLiteral("story_5.sty"), crlf(templateText(kTemplateSlots)));
    ASSERT_TRUE(load(5));
    EXPECT_EQ(story.pagesInUse(), kTemplateSlots);
}

TEST_F(TemplateFileTest, EditingMakesWorkingCopiesOfThisTemplatesRecordings) {
    installFixture(app, QStringLiteral("template_one_page.sty"), QStringLiteral("story_7.sty"));
    app.write(QStringLiteral("recording_7_title.wav"), "title");
    app.write(QStringLiteral("recording_7_102_1.wav"), "choice");
    app.write(QStringLiteral("recording_17_102_1.wav"), "other template");
    app.write(QStringLiteral("temp_recording_7_title.wav"), "stale working copy");

    ASSERT_TRUE(load(7, TemplateLoadMode::Reading));
    EXPECT_FALSE(app.exists(QStringLiteral("temp_recording_7_102_1.wav")));

    ASSERT_TRUE(load(7, TemplateLoadMode::Editing));
    EXPECT_EQ(app.read(QStringLiteral("temp_recording_7_title.wav")), "title");
    EXPECT_EQ(app.read(QStringLiteral("temp_recording_7_102_1.wav")), "choice");
    EXPECT_FALSE(app.exists(QStringLiteral("temp_recording_17_102_1.wav")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(TemplateFileTest, SavePromotesTheWorkingRecordingsOfEveryTemplate) {
    installFixture(app, QStringLiteral("template_one_page.sty"), QStringLiteral("story_7.sty"));
    ASSERT_TRUE(load(7));
    app.write(QStringLiteral("recording_7_102_1.wav"), "old take");
    app.write(QStringLiteral("temp_recording_7_102_1.wav"), "new take");
    app.write(QStringLiteral("temp_recording_3_title.wav"), "another template");

    ASSERT_TRUE(saveTemplate(story, app.folder(), messages));
    EXPECT_EQ(app.read(QStringLiteral("recording_7_102_1.wav")), "new take");
    EXPECT_EQ(app.read(QStringLiteral("recording_3_title.wav")), "another template");
    EXPECT_TRUE(app.exists(QStringLiteral("temp_recording_7_102_1.wav")));
    EXPECT_TRUE(app.exists(QStringLiteral("temp_recording_3_title.wav")));
}

TEST_F(TemplateFileTest, FailedSaveChangesNothingAndSaysSo) {
    installFixture(app, QStringLiteral("template_one_page.sty"), QStringLiteral("story_7.sty"));
    ASSERT_TRUE(load(7));
    story.colorScheme = 0;
    app.write(QStringLiteral("recording_7_102_1.wav"), "old take");
    app.write(QStringLiteral("temp_recording_7_102_1.wav"), "new take");
    // A folder in the way of the file makes the write fail, even for root.
    QFile::remove(app.path(QStringLiteral("story_7.sty")));
    ASSERT_TRUE(QDir(app.folder().root()).mkdir(QStringLiteral("story_7.sty")));

    const auto saved = saveTemplate(story, app.folder(), messages);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().file, QStringLiteral("story_7.sty"));
    EXPECT_EQ(app.read(QStringLiteral("recording_7_102_1.wav")), "old take");
    EXPECT_EQ(story.colorScheme, 0);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(
        messages.shown[0].startsWith(QStringLiteral("The Story My Cat{Tom could not be saved")));
}

TEST_F(TemplateFileTest, TopicListsReadOnlyTheHeadInFileNameOrder) {
    installFixture(app, QStringLiteral("template_one_page.sty"), QStringLiteral("story_7.sty"));
    installFixture(app, QStringLiteral("template_branching.sty"), QStringLiteral("story_12.sty"));
    app.write(QStringLiteral("story_9.sty"), "not a number\r\n");
    app.write(QStringLiteral("story_8.sty"), " 8 \r\n");

    const QList<TemplateSummary> topics = listTemplates(app.folder());
    ASSERT_EQ(topics.size(), 2);
    EXPECT_EQ(topics[0].fileName, QStringLiteral("story_12.sty"));
    EXPECT_EQ(topics[0].storyId, 12);
    EXPECT_EQ(topics[0].storedTitle, QStringLiteral("Going Out"));
    EXPECT_EQ(topics[1].storedTitle, QStringLiteral("My Cat{Tom"));

    const auto broken = readTemplateSummary(app.folder(), QStringLiteral("story_9.sty"));
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().line, 1);
}

} // namespace
} // namespace quillora

namespace quillora {
namespace {

// A loop among the page links would have the child turn the same pages forever, or write a
// whole book that cannot be saved: the template is refused when it is loaded, naming it.
TEST_F(TemplateFileTest, PageLinksThatLoopAreRefusedAtLoad) {
    struct Case {
        const char *what;
        QList<TemplatePage> pages;
        int loopPage;
    };
    TemplatePage decision = simplePage(103, 102, 104);
    decision.layout = kLayoutTwoChoices;
    decision.choice(2).nextPageId = 102; // the second choice leads back to the start
    TemplatePage selfNext = simplePage(103, 102, 103);
    const Case cases[] = {
        {"next loop",
         {simplePage(102, 0, 103), simplePage(103, 102, 104), simplePage(104, 103, 102)},
         102},
        {"next loop through a second choice",
         {simplePage(102, 0, 103), decision, simplePage(104, 103, 0)},
         102},
        {"page follows itself", {simplePage(102, 0, 103), selfNext}, 103},
        {"previous loop",
         {simplePage(102, 0, 0), simplePage(103, 104, 104), simplePage(104, 103, 0)},
         103},
    };
    for (const Case &c : cases) {
        StoryTemplate looping;
        looping.storyId = 31;
        for (int slot = 1; slot <= c.pages.size(); ++slot)
            looping.page(slot) = c.pages[slot - 1];
        app.write(QStringLiteral("story_31.sty"), crlf(templateLines(looping)));
        const auto loaded = load(31);
        ASSERT_FALSE(loaded) << c.what;
        EXPECT_EQ(loaded.error().file, QStringLiteral("story_31.sty")) << c.what;
        EXPECT_TRUE(loaded.error().message.contains(QStringLiteral("circle"))) << c.what;
        EXPECT_TRUE(loaded.error().message.contains(QString::number(c.loopPage))) << c.what;
        EXPECT_GT(loaded.error().line, 9) << c.what;
        EXPECT_EQ(story.pagesInUse(), 0) << c.what; // nothing half loaded
    }

    // A choice a simple page does not show cannot be picked, so it makes no loop; nor does a
    // link to a page the template lacks.
    TemplatePage stale = simplePage(103, 102, 0);
    stale.choice(3).nextPageId = 102;
    StoryTemplate fine;
    fine.storyId = 32;
    fine.page(1) = simplePage(102, 0, 103);
    fine.page(2) = stale;
    fine.page(3) = simplePage(104, 999, 0);
    app.write(QStringLiteral("story_32.sty"), crlf(templateLines(fine)));
    EXPECT_TRUE(load(32));
}

TEST_F(TemplateFileTest, TheShippedTemplatesAndFixturesHaveNoLoops) {
    TempAppFolder installed(TempAppFolder::InstalledCopy);
    int loaded = 0;
    for (const TemplateSummary &summary : listTemplates(installed.folder())) {
        StoryTemplate shipped;
        const auto result = loadTemplate(shipped, summary.storyId, TemplateLoadMode::Reading,
                                         installed.folder(), messages);
        EXPECT_TRUE(result) << result.error().text().toStdString();
        ++loaded;
    }
    EXPECT_GT(loaded, 0);
    installFixture(app, QStringLiteral("template_branching.sty"), QStringLiteral("story_12.sty"));
    EXPECT_TRUE(load(12));
}

TEST_F(TemplateFileTest, TheHeadOfATemplateIsReadWhole) {
    installFixture(app, QStringLiteral("template_one_page.sty"), QStringLiteral("story_7.sty"));
    app.write(QStringLiteral("story_8.sty"), " 8 \r\nTitle\r\n");
    const auto head = readTemplateSummary(app.folder(), QStringLiteral("story_7.sty"));
    ASSERT_TRUE(head);
    EXPECT_EQ(head->coverRecording, QStringLiteral("recording_7_title.wav"));
    EXPECT_EQ(head->backgroundMusic, QStringLiteral("C:\\music\\purr.mid"));
    EXPECT_EQ(head->colorScheme, 3);
    EXPECT_EQ(head->coverPicture, QStringLiteral("C:\\pics\\cover.jpg"));
    EXPECT_EQ(head->fontName, QStringLiteral("Arial"));
    EXPECT_EQ(head->fontBold, 1);
    EXPECT_EQ(head->fontItalic, 0);

    QList<FileError> unreadable;
    EXPECT_EQ(listTemplates(app.folder(), &unreadable).size(), 1);
    ASSERT_EQ(unreadable.size(), 1);
    EXPECT_EQ(unreadable[0].file, QStringLiteral("story_8.sty"));
    EXPECT_EQ(unreadable[0].line, 3);
}

} // namespace
} // namespace quillora
