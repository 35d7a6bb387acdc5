#include "StoryFilesTestSupport.h"
#include "TempAppFolder.h"
#include "core/StrayFiles.h"
#include "core/book/BookLibrary.h"
#include "core/profiles/Assignments.h"
#include "core/profiles/StudentProfile.h"
#include "core/template/TemplateLibrary.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using test::installFixture;
using test::TempAppFolder;

QStringList fileNames(const QList<FileError> &errors) {
    QStringList names;
    for (const FileError &error : errors)
        names.append(error.file);
    return names;
}

TEST(StudentListing, AnUnreadableProfileIsNamedAndTheOthersStay) {
    TempAppFolder app;
    installFixture(app, u"student_601.lgn"_s);
    installFixture(app, u"student_602.lgn"_s);
    app.write(u"student_603.lgn"_s, "Cleo\r\nnot a number\r\n");
    app.write(u"student_604.lgn"_s, "");
    const StudentListing listing = listStudents(app.folder());
    EXPECT_EQ(listing.names, (QStringList{u"Anna"_s, u"Ben"_s}));
    EXPECT_EQ(fileNames(listing.unreadable),
              (QStringList{u"student_603.lgn"_s, u"student_604.lgn"_s}));
    EXPECT_EQ(listing.unreadable[0].line, 2);
}

class TopicListingTest : public ::testing::Test {
protected:
    TempAppFolder app;

    TopicListingTest() {
        installFixture(app, u"template_one_page.sty"_s, u"story_7.sty"_s);
        installFixture(app, u"template_branching.sty"_s, u"story_12.sty"_s);
    }
    QList<int> ids(const TopicListing &listing) const {
        QList<int> numbers;
        for (const Topic &topic : listing.topics)
            numbers.append(topic.storyId);
        return numbers;
    }
};

TEST_F(TopicListingTest, TopicsComeFromTheTemplateHeads) {
    const TopicListing listing = loadTopics(app.folder(), 601);
    EXPECT_EQ(ids(listing), (QList<int>{12, 7}));
    const Topic &cat = listing.topics[1];
    EXPECT_EQ(cat.fileName, u"story_7.sty"_s);
    EXPECT_EQ(cat.title, u"My Cat{Tom"_s);
    EXPECT_EQ(cat.coverNarration, u"recording_7_title.wav"_s);
    EXPECT_EQ(cat.coverPicture, u"C:\\pics\\cover.jpg"_s);
    EXPECT_EQ(cat.fontName, u"Arial"_s);
    EXPECT_EQ(cat.bold, 1);
    EXPECT_EQ(cat.italic, 0);
    EXPECT_TRUE(listing.unreadable.isEmpty());
    EXPECT_FALSE(listing.assignmentsNameOnlyMissing);
    EXPECT_FALSE(listing.assignmentsError);
}

TEST_F(TopicListingTest, AnUnreadableTemplateIsNamedUnlessItIsNotTheStudentsToUse) {
    app.write(u"story_9.sty"_s, " 9 \r\nA title\r\n");
    app.write(u"story_10.sty"_s, "ten\r\n");
    TopicListing listing = loadTopics(app.folder(), 601);
    EXPECT_EQ(ids(listing), (QList<int>{12, 7}));
    EXPECT_EQ(fileNames(listing.unreadable), (QStringList{u"story_10.sty"_s, u"story_9.sty"_s}));
    const QString message = unreadableTemplatesMessage(listing.unreadable);
    EXPECT_TRUE(message.contains(u"story_9.sty"_s)) << message.toStdString();
    EXPECT_TRUE(message.contains(u"story_10.sty"_s));

    ASSERT_TRUE(saveAssignments(app.folder(), 601, {9}));
    listing = loadTopics(app.folder(), 601);
    EXPECT_TRUE(listing.topics.isEmpty());
    EXPECT_EQ(fileNames(listing.unreadable), QStringList{u"story_9.sty"_s});
    EXPECT_FALSE(listing.assignmentsNameOnlyMissing); // it is there, only broken
}

TEST_F(TopicListingTest, AssignmentsNamingOnlyMissingTemplatesAreTheirOwnCase) {
    ASSERT_TRUE(saveAssignments(app.folder(), 601, {40, 41}));
    TopicListing listing = loadTopics(app.folder(), 601);
    EXPECT_TRUE(listing.topics.isEmpty());
    EXPECT_TRUE(listing.assignmentsNameOnlyMissing);
    const QString message = onlyMissingAssignedMessage(app.folder(), 601);
    for (const QString &name :
         {u"student_story_assignments_601.asg"_s, u"story_40.sty"_s, u"story_41.sty"_s})
        EXPECT_TRUE(message.contains(name)) << message.toStdString();
    EXPECT_NE(message, noTopicsMessage());

    // One assigned template that is there is enough.
    ASSERT_TRUE(saveAssignments(app.folder(), 601, {40, 7}));
    listing = loadTopics(app.folder(), 601);
    EXPECT_EQ(ids(listing), QList<int>{7});
    EXPECT_FALSE(listing.assignmentsNameOnlyMissing);

    // Nothing at all in the folder is the old case, with its old words.
    TempAppFolder empty;
    listing = loadTopics(empty.folder(), 601);
    EXPECT_TRUE(listing.topics.isEmpty());
    EXPECT_FALSE(listing.assignmentsNameOnlyMissing);
    EXPECT_EQ(noTopicsMessage(),
              u"The program didn't find any topics\n\nAdd story templates (topics) by clicking on "
              "the Teacher Functions button from the main menu."_s);
}

TEST_F(TopicListingTest, AnUnreadableAssignmentFileOffersNothing) {
    app.write(u"student_story_assignments_601.asg"_s, "seven\r\n");
    const TopicListing listing = loadTopics(app.folder(), 601);
    EXPECT_TRUE(listing.topics.isEmpty());
    ASSERT_TRUE(listing.assignmentsError);
    EXPECT_EQ(listing.assignmentsError->file, u"student_story_assignments_601.asg"_s);
}

TEST(TopicLimit, AtMostTwoHundredInFileNameOrder) {
    TempAppFolder app;
    QStringList names;
    for (int id = 1; id <= 205; ++id) {
        names.append(u"story_%1.sty"_s.arg(id));
        app.write(
            names.back(),
            (u" %1 \r\nStory %1\r\nnarr.wav\r\n\r\n 1 \r\ncover.jpg\r\nArial\r\n 1 \r\n 0 \r\n"_s)
                .arg(id)
                .toUtf8());
    }
    const TopicListing listing = loadTopics(app.folder(), 603);
    ASSERT_EQ(listing.topics.size(), kTopicLimit);
    // Names sort as text (story_1, story_10, story_100, ...): the last five of them are left out.
    std::sort(names.begin(), names.end());
    QStringList offered;
    for (const Topic &topic : listing.topics)
        offered.append(topic.fileName);
    EXPECT_EQ(offered, names.mid(0, kTopicLimit));
    const Topic &first = listing.topics.front();
    EXPECT_EQ(first.title, u"Story 1"_s);
    EXPECT_EQ(first.coverNarration, u"narr.wav"_s);
    EXPECT_EQ(first.coverPicture, u"cover.jpg"_s);
    EXPECT_EQ(first.fontName, u"Arial"_s);
    EXPECT_EQ(first.bold, 1);
    EXPECT_EQ(first.italic, 0);
}

TEST(BookLibrary, ListsTheStudentsBooksThroughTheBookReader) {
    TempAppFolder app;
    installFixture(app, u"mystory_601_4999_1_12_106.msy"_s);
    app.write(u"mystory_601_4998_2_7_104.msy"_s, "601\r\n7\r\n9\r\n2\r\n104\r\n"); // no cover 9
    app.write(u"mystory_601_4997_3_7_104.msy"_s, "601\r\n7\r\n1\r\n3\r\n104\r\n 102 \r\n");
    app.write(u"mystory_6011_4996_1_7_104.msy"_s, "6011\r\n7\r\n1\r\n1\r\n104\r\n");
    const QList<BookListEntry> books = buildBookList(app.folder(), 601);
    ASSERT_EQ(books.size(), 3);
    EXPECT_EQ(books[0].fileName, u"mystory_601_4997_3_7_104.msy"_s);
    EXPECT_EQ(books[0].storyId, 7);
    EXPECT_EQ(books[0].bookVersion, 3);
    EXPECT_FALSE(books[0].error);
    // A book that cannot be read keeps its place, so the child can still delete it.
    EXPECT_EQ(books[1].fileName, u"mystory_601_4998_2_7_104.msy"_s);
    EXPECT_EQ(books[1].storyId, 0);
    ASSERT_TRUE(books[1].error);
    EXPECT_EQ(books[1].error->file, u"mystory_601_4998_2_7_104.msy"_s);
    EXPECT_EQ(books[1].error->line, 3);
    EXPECT_EQ(books[2].storyId, 12);
    EXPECT_EQ(books[2].bookVersion, 1);
}

TEST(StrayFiles, OnlyLeftoversOfOurSavesAreRemoved) {
    TempAppFolder app;
    const QStringList strays{
        u"story_5.sty.a1B2c3"_s,           u"mystory_601_4999_1_7_106.msy.QwErTy"_s,
        u"student_601.lgn.000000"_s,       u"student_story_assignments_601.asg.abcdef"_s,
        u"aobj_mystory.seq.Zz9Zz9"_s,      u"stats_601.csv.x1y2z3"_s,
        u"recording_5_102_1.wav.AAAAAA"_s, u"temp_recording_5_102_1.wav.bbbbbb"_s};
    const QStringList kept{
        u"story_5.sty"_s,         u"story_5.sty.a1B2c"_s,      u"story_5.sty.a1B2c34"_s,
        u"story_5.sty.a1-2c3"_s,  u"notes.txt.a1B2c3"_s,       u"story_5.sty.bak"_s,
        u"page_pic_5_1.a1B2c3"_s, u"mystory_601.msy.a1B2c3"_s, u"quillora.lock"_s};
    for (const QString &name : strays + kept)
        app.write(name, "x");
    QDir(app.folder().root()).mkdir(u"story_6.sty.abcdef"_s); // a folder is never a leftover
    QStringList expected = strays;
    expected.sort();
    EXPECT_EQ(removeStrayTemporaryFiles(app.folder()), expected);
    for (const QString &name : strays)
        EXPECT_FALSE(app.exists(name)) << name.toStdString();
    for (const QString &name : kept)
        EXPECT_TRUE(app.exists(name)) << name.toStdString();
    EXPECT_TRUE(app.exists(u"story_6.sty.abcdef"_s));
}

} // namespace
} // namespace quillora
