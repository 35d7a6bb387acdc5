#include "WritingFixture.h"

#include "core/book/PersonalBook.h"
#include "core/profiles/Assignments.h"
#include "student/CoverChoice.h"
#include "student/NoticePanel.h"
#include "student/PageView.h"
#include "student/TopicScreen.h"
#include "student/WritingItems.h"
#include "student/WritingScreen.h"
#include "ui/PictureButton.h"

#include <QLabel>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

QStringList fileLines(const QByteArray &bytes) {
    return QString::fromUtf8(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts);
}

class WritingFlow : public WritingFixture {
protected:
    void SetUp() override {
        removeTemplates();
        writeFoxStory(folder);
    }
};

struct PathCase {
    int accessMode;
    std::initializer_list<int> items; // topic, pages, write and save, cover
    QString bookName;
    QStringList bookLines;
    QString title;
    QString accessText;
};

// A whole book along each path of the story in each access mode: the same choices give the
// same book, byte for byte, and the same record in the statistics.
TEST_F(WritingFlow, WritesTheBookOfEachPathInEachMode) {
    const QStringList upTheHill = {u"603"_s,   u"7"_s,     u"3"_s,     u"1"_s,    u"205"_s,
                                   u" 201 "_s, u" 202 "_s, u" 204 "_s, u" 205 "_s};
    const QStringList shortWay = {u"603"_s, u"7"_s,     u"6"_s,     u"1"_s,
                                  u"206"_s, u" 201 "_s, u" 202 "_s, u" 206 "_s};
    const PathCase cases[] = {
        {kAccessMouse,
         {1, 1, 1, 1, 1, 1, 4, 3},
         u"mystory_603_9999_1_7_205.msy"_s,
         upTheHill,
         u"The Fox (Up the Hill)"_s,
         u"Mouse / Touch Window"_s},
        {kAccessStepScanning,
         {1, 1, 1, 1, 1, 1, 4, 3},
         u"mystory_603_9999_1_7_205.msy"_s,
         upTheHill,
         u"The Fox (Up the Hill)"_s,
         u"Step Scanning with 2 switches"_s},
        {kAccessTimedScanning,
         {1, 1, 1, 2, 1, 4, 6},
         u"mystory_603_9999_1_7_206.msy"_s,
         shortWay,
         u"The Fox"_s,
         u"Timed Scan: Scan set to 3 seconds"_s},
        {kAccessStepScanning,
         {1, 1, 1, 2, 1, 4, 6},
         u"mystory_603_9999_1_7_206.msy"_s,
         shortWay,
         u"The Fox"_s,
         u"Step Scanning with 2 switches"_s},
    };
    for (const PathCase &c : cases) {
        SCOPED_TRACE(c.bookName.toStdString() + " mode " + std::to_string(c.accessMode));
        WritingRig fresh;
        fresh.removeTemplates();
        writeFoxStory(fresh.folder);
        fresh.logOn(c.accessMode);
        fresh.startWriting();
        fresh.chooseAll(c.items);
        ASSERT_TRUE(fresh.runToMenu());
        EXPECT_EQ(fresh.bookFiles(), QStringList{c.bookName});
        EXPECT_EQ(fresh.file(c.bookName), crlf(c.bookLines));
        const QStringList log = fileLines(fresh.file(u"stats_603.sta"_s));
        ASSERT_EQ(log.size(), 10);
        EXPECT_EQ(log[3], u"Book Title: "_s + c.title);
        EXPECT_EQ(log[5], u"Access Mode:"_s + c.accessText);
        EXPECT_EQ(log[6], u"The student completed the task of writing the book"_s);
        EXPECT_EQ(log[7], u"Pages Written = %1"_s.arg(c.bookLines.size() - 5));
        EXPECT_EQ(log[8], u"Pages Erased = 0"_s);
        const QStringList csv = fileLines(fresh.file(u"stats_603.csv"_s));
        ASSERT_EQ(csv.size(), 5);
        EXPECT_TRUE(
            csv[4].startsWith(u"\"3/7/13 02:05 PM\",\""_s + c.title + u"\",\"Write a Book\""_s));
        EXPECT_TRUE(fresh.messages.shown.isEmpty())
            << fresh.messages.shown.join(u'|').toStdString();
        EXPECT_FALSE(fresh.area->isVisible());
    }
}

TEST_F(WritingFlow, TheChildHearsEveryStepInOrder) {
    logOn(kAccessMouse);
    startWriting();
    chooseAll({1, 1, 1, 1, 1, 1, 4, 3});
    ASSERT_TRUE(runToMenu());
    EXPECT_EQ(spokenSinceMark(),
              (QStringList{u"announce_topic_for_book.wav"_s, u"narr_201_1.wav"_s,
                           u"aobj_printer.wav"_s, u"narr_202_1.wav"_s, u"aobj_printer.wav"_s,
                           u"announce_now_choose.wav"_s, u"aobj_bell.wav"_s, u"narr_204_1.wav"_s,
                           u"aobj_printer.wav"_s, u"announce_last_page.wav"_s, u"narr_205_1.wav"_s,
                           u"aobj_printer.wav"_s, u"announce_the_end.wav"_s, u"aobj_bell.wav"_s,
                           u"announce_compiling_pages.wav"_s, u"aobj_stapling_pages.wav"_s,
                           u"announce_choose_book_cover.wav"_s, u"announce_book_added.wav"_s}));
}

TEST_F(WritingFlow, SwitchUsersHearTheChoicesWhenTheScanReachesThem) {
    logOn(kAccessStepScanning);
    startWriting();
    chooseAll({1, 1, 1});
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() == 4; }));
    markSounds();
    choose(2); // the decision page: the scan passes choice 1 on its way to choice 2
    chooseAll({1, 4, 1});
    ASSERT_TRUE(runToMenu());
    EXPECT_EQ(spokenSinceMark(),
              (QStringList{u"narr_203_1.wav"_s, u"narr_203_2.wav"_s, u"aobj_bell.wav"_s,
                           u"announce_last_page.wav"_s, u"narr_206_1.wav"_s, u"aobj_printer.wav"_s,
                           u"announce_the_end.wav"_s, u"aobj_bell.wav"_s,
                           u"announce_compiling_pages.wav"_s, u"aobj_stapling_pages.wav"_s,
                           u"announce_choose_book_cover.wav"_s, u"aobj_bell.wav"_s,
                           u"announce_book_added.wav"_s}));
}

// Start over forgets the pages written and skipped before it: the book holds the second
// walk only, without the page skipped on it.
TEST_F(WritingFlow, StartOverAndSkippedPagesShapeTheBook) {
    logOn(kAccessStepScanning);
    startWriting();
    chooseAll({1, 1, 1, 1, 1, WritingItem::StartOver});
    ASSERT_TRUE(
        runUntil(clock, [this] { return area->progress().direction == PageDirection::Back; }));
    EXPECT_EQ(area->noticePanel()->lines(), QStringList{u"Undoing"_s});
    chooseAll({WritingItem::SkipPage, 1, 2, 1, 4, 2});
    ASSERT_TRUE(runToMenu());
    ASSERT_EQ(bookFiles(), QStringList{u"mystory_603_9999_1_7_206.msy"_s});
    EXPECT_EQ(file(bookFiles().front()),
              crlf({u"603"_s, u"7"_s, u"2"_s, u"1"_s, u"206"_s, u" 202 "_s, u" 206 "_s}));
    const QStringList log = fileLines(file(u"stats_603.sta"_s));
    EXPECT_EQ(log[7], u"Pages Written = 5"_s);
    EXPECT_EQ(log[8], u"Pages Erased = 1"_s);
    EXPECT_TRUE(sound.played().contains(u"aobj_undoing.wav"_s));
}

TEST_F(WritingFlow, WriteAndSaveWithNothingWrittenStartsOverWithoutABook) {
    logOn(kAccessTimedScanning);
    startWriting();
    chooseAll({1, WritingItem::SkipPage, WritingItem::SkipPage, 2, WritingItem::SkipPage, 4});
    ASSERT_TRUE(runUntil(clock, [this] { return area->noticePanel()->isVisible(); }));
    EXPECT_EQ(area->noticePanel()->lines(),
              (QStringList{u"Oops!"_s, u"You didn't write any pages."_s, u"Let's Start Over"_s}));
    EXPECT_EQ(sound.sounding(), u"announce_no_pages_read.wav"_s);
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() == 7; }));
    EXPECT_EQ(story.currentPageId, 201);
    EXPECT_TRUE(area->progress().skippedPages.isEmpty());
    EXPECT_EQ(shownWritingItems(), (QList<int>{1, 5, 7}));
    choose(WritingItem::BackToMenu);
    ASSERT_TRUE(runToMenu());
    EXPECT_TRUE(bookFiles().isEmpty());
    const QStringList log = fileLines(file(u"stats_603.sta"_s));
    EXPECT_EQ(log[3], u"Book Title: The Fox"_s);
    EXPECT_EQ(log[6], u"The student did not finish writing the book"_s);
    EXPECT_EQ(log[7], u"Pages Written = 0"_s);
}

// Which buttons each page offers, walked by mouse.
TEST_F(WritingFlow, ThePagesOfferTheirButtons) {
    for (const int skipPages : {1, 0}) {
        SCOPED_TRACE(skipPages);
        WritingRig fresh;
        fresh.removeTemplates();
        writeFoxStory(fresh.folder);
        fresh.logOn(kAccessMouse, skipPages);
        fresh.startWriting();
        const QList<int> skip = skipPages == 1 ? QList<int>{5} : QList<int>{};
        // The buttons each page shows, and the one the student then chooses.
        const std::pair<QList<int>, int> walk[] = {
            {QList<int>{1} + skip + QList<int>{7}, 1},    // first page: no start over
            {QList<int>{1} + skip + QList<int>{6, 7}, 1}, // 202
            {{1, 2, 6, 7}, 2},                            // the decision, never a skip
            {QList<int>{1} + skip + QList<int>{6, 7}, 1}, // 206
            {{4, 6, 7}, 7},                               // the end page
        };
        fresh.choose(1); // the topic
        for (const auto &[shown, item] : walk) {
            ASSERT_TRUE(
                runUntil(fresh.clock, [&fresh] { return fresh.area->isWaitingForClick(); }));
            EXPECT_EQ(fresh.shownWritingItems(), shown);
            fresh.choose(item);
        }
        EXPECT_TRUE(fresh.runToMenu());
    }
}

TEST_F(WritingFlow, LeavingMidwaySavesNothingAndLogsThePathByMouseOnly) {
    const std::pair<int, QString> cases[] = {{kAccessMouse, u"The Fox (Up the Hill)"_s},
                                             {kAccessStepScanning, u"The Fox"_s}};
    for (const auto &[mode, title] : cases) {
        WritingRig fresh;
        fresh.removeTemplates();
        writeFoxStory(fresh.folder);
        fresh.logOn(mode);
        fresh.startWriting();
        fresh.chooseAll({1, 1, 1, 1, 1, WritingItem::BackToMenu});
        ASSERT_TRUE(fresh.runToMenu());
        EXPECT_TRUE(fresh.bookFiles().isEmpty());
        const QStringList log = fileLines(fresh.file(u"stats_603.sta"_s));
        EXPECT_EQ(log[3], u"Book Title: "_s + title);
        EXPECT_EQ(log[7], u"Pages Written = 3"_s);
    }
}

// Once the end has been reached, the last page of a path is no longer announced as such.
TEST_F(WritingFlow, TheLastPageIsAnnouncedUntilTheEndHasBeenSeen) {
    logOn(kAccessMouse);
    startWriting();
    chooseAll({1, 1, 1, 2, 1});
    ASSERT_TRUE(runUntil(clock, [this] { return area->progress().reachedEnd; }));
    EXPECT_EQ(sound.played().count(u"announce_last_page.wav"_s), 1);
    EXPECT_EQ(area->progress().lastShownPageIndex, 6); // the end page is not a page of the book
    chooseAll({WritingItem::StartOver, 1, 1, 2});
    ASSERT_TRUE(runUntil(clock, [this] { return area->isWaitingForClick(); }));
    EXPECT_EQ(story.currentPageId, 206);
    EXPECT_EQ(sound.played().count(u"announce_last_page.wav"_s), 1);
}

TEST_F(WritingFlow, DecisionPagesShowTheirCardsAndReadButtonsForMouseUsers) {
    for (const int mode : {kAccessMouse, kAccessTimedScanning}) {
        WritingRig fresh;
        fresh.removeTemplates();
        writeFoxStory(fresh.folder);
        fresh.logOn(mode);
        fresh.startWriting();
        fresh.chooseAll({1, 1, 1});
        ASSERT_TRUE(runUntil(fresh.clock, [&fresh] { return fresh.area->choicesAsked() == 4; }));
        const PageView *page = fresh.area->writingScreen()->pageView();
        EXPECT_TRUE(page->frame(1)->isVisible());
        EXPECT_TRUE(page->frame(2)->isVisible());
        EXPECT_FALSE(page->frame(3)->isVisible());
        EXPECT_TRUE(page->caption()->isVisible());
        EXPECT_EQ(page->caption()->text(), u"Now you can choose"_s);
        EXPECT_EQ(page->readButton(1)->isVisible(), mode == kAccessMouse);
        EXPECT_EQ(page->readButton(2)->isVisible(), mode == kAccessMouse);
        EXPECT_EQ(page->text(2)->text(), u"Page 203 choice 2"_s);
        // Two cards share the width in three equal gaps.
        EXPECT_EQ(page->frame(1)->x(), 227 + 1);
        EXPECT_EQ(page->frame(2)->x(), 2 * 227 + 300 + 1);
    }
}

TEST_F(WritingFlow, TheReadButtonSpeaksItsChoice) {
    logOn(kAccessMouse);
    startWriting();
    chooseAll({1, 1, 1});
    ASSERT_TRUE(runUntil(clock, [this] { return area->isWaitingForClick(); }));
    area->writingScreen()->pageView()->readButton(2)->click();
    drainEvents();
    EXPECT_EQ(sound.sounding(), u"narr_203_2.wav"_s);
    EXPECT_TRUE(area->isWaitingForClick());
}

TEST_F(WritingFlow, ClicksWhileTheScreenIsBusyAreDropped) {
    logOn(kAccessMouse);
    startWriting();
    chooseAll({1, 1});
    // The writing panel is up and the printer is playing: a second click is no second page.
    ASSERT_TRUE(area->noticePanel()->isVisible());
    area->writingScreen()->button(1)->click();
    ASSERT_TRUE(runUntil(clock, [this] { return area->isWaitingForClick(); }));
    EXPECT_EQ(story.currentPageId, 202);
    EXPECT_EQ(statistics.record().pagesForward, 1);
}

TEST_F(WritingFlow, AStoryWithoutAFirstPageStopsTheProgram) {
    removeTemplates();
    writeStory(folder, 9, u"Headless"_s, {{301, 1, {302}, 399, {}}, {302, 1, {0}, 301, {}}});
    logOn(kAccessMouse);
    startWriting();
    choose(1);
    ASSERT_TRUE(runToMenu());
    EXPECT_EQ(stop.messages,
              QStringList{u"Critical Error: The first page of the story wasn't found"_s});
}

TEST_F(WritingFlow, ABrokenLinkStopsTheProgramWithTheOutOfSynchMessage) {
    removeTemplates();
    writeStory(folder, 9, u"Broken"_s, {{301, 1, {399}, 0, {}}});
    logOn(kAccessMouse);
    startWriting();
    chooseAll({1, 1});
    ASSERT_TRUE(runToMenu());
    ASSERT_EQ(stop.messages.size(), 1);
    EXPECT_TRUE(stop.messages.front().startsWith(u"Critical Error: The student Zoe has stories"_s));
}

TEST_F(WritingFlow, AnUnreadableStoryLeavesTheStudentOnTheTopicScreen) {
    folder.write(u"story_7.sty"_s,
                 " 7 \r\nThe Fox\r\n\r\n\r\n 1 \r\n\r\nArial\r\n 1 \r\n 0 \r\n====\r\n");
    logOn(kAccessMouse);
    startWriting();
    choose(1);
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() == 2; }));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.front().contains(u"story_7.sty"_s));
    EXPECT_TRUE(area->topicScreen()->isVisible());
    EXPECT_TRUE(stop.messages.isEmpty());
    choose(4);
    EXPECT_TRUE(runToMenu());
}

class TopicChoice : public WritingFixture {};

TEST_F(TopicChoice, OneTopicOffersOnlyWriteAndBack) {
    logOn(kAccessMouse);
    startWriting();
    ASSERT_TRUE(runUntil(clock, [this] { return area->isWaitingForClick(); }));
    EXPECT_EQ(shownTopicItems(), (QList<int>{1, 4}));
    EXPECT_EQ(area->topicScreen()->counter()->text(), u"Topic 1 of 1"_s);
    EXPECT_EQ(area->topicScreen()->heading()->text(), u"Choose a Topic for your Book"_s);
    EXPECT_EQ(area->topicScreen()->title()->text(), u"Milo the Cat"_s);
    EXPECT_EQ(area->topicScreen()->title()->font().pointSize(), 22);
    // The demo's cover narration follows the screen's own announcement.
    EXPECT_EQ(sound.played(),
              (QStringList{u"announce_topic_for_book.wav"_s, u"recording_1_title.wav"_s}));
    choose(4);
    EXPECT_TRUE(runToMenu());
    EXPECT_FALSE(folder.exists(u"stats_603.sta"_s));
}

TEST_F(TopicChoice, NextAndPreviousWalkTheTopicsInFolderOrder) {
    writeFoxStory(folder);
    writeStory(folder, 8, u"A Very Long Title For A Story"_s, {{401, 1, {0}, 0, {}}});
    logOn(kAccessTimedScanning);
    startWriting();
    const std::pair<int, QList<int>> walk[] = {{2, {1, 2, 4}}, {2, {1, 2, 3, 4}}, {3, {1, 3, 4}}};
    for (const auto &[item, shown] : walk) {
        ASSERT_TRUE(runUntil(clock, [this] { return engine.isScanning(); }));
        EXPECT_EQ(shownTopicItems(), shown);
        choose(item);
    }
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() == 4; }));
    EXPECT_EQ(area->currentTopic(), 2);
    EXPECT_EQ(area->topicScreen()->counter()->text(), u"Topic 2 of 3"_s);
    EXPECT_EQ(area->topicScreen()->title()->text(), u"The Fox"_s);
    choose(3);
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() == 5; }));
    EXPECT_EQ(area->topicScreen()->title()->text(), u"Milo the Cat"_s);
    choose(2);
    choose(2);
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() == 7; }));
    EXPECT_EQ(area->topicScreen()->title()->text(), u"A Very Long Title For A Story"_s);
    EXPECT_EQ(area->topicScreen()->title()->font().pointSize(), 18);
    choose(4);
    EXPECT_TRUE(runToMenu());
}

TEST_F(TopicChoice, AssignmentsThatListOnlyMissingTemplatesSaySo) {
    logOn(kAccessMouse);
    ASSERT_TRUE(saveAssignments(folder.folder(), 603, {55}).ok());
    startWriting();
    ASSERT_TRUE(runToMenu());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.front().contains(u"student_story_assignments_603.asg"_s));
    EXPECT_TRUE(messages.shown.front().contains(u"story_55.sty"_s));
    EXPECT_TRUE(sound.played().isEmpty());
}

TEST_F(TopicChoice, AnUnreadableTemplateIsNamedOnceAndTheOthersAreOffered) {
    logOn(kAccessMouse);
    folder.write(u"story_9.sty"_s, " 9 \r\nBroken\r\n"); // ends inside its head
    for (int round = 0; round < 2; ++round) {
        startWriting();
        choose(TopicScreen::StudentMenu);
        ASSERT_TRUE(runToMenu());
        backAtMenu = false;
    }
    ASSERT_EQ(messages.shown.size(), 1) << messages.shown.join(u'|').toStdString();
    EXPECT_TRUE(messages.shown.front().contains(u"story_9.sty"_s));
}

} // namespace
} // namespace quillora::test
