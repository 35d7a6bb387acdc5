#include "core/book/PersonalBook.h"
#include "FakeMessages.h"
#include "StoryFilesTestSupport.h"
#include "TempAppFolder.h"
#include "core/TextFile.h"
#include "core/book/BookCompiler.h"
#include "core/profiles/StudentProfile.h"
#include "core/template/TemplateFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using test::crlf;
using test::FakeMessages;
using test::installFixture;
using test::RecordingStop;
using test::TempAppFolder;

const QString kBookFixture = QStringLiteral("mystory_601_4999_1_12_106.msy");

// Five simple pages 102..106 in slots 1..5, one path.
StoryTemplate linearStory() {
    return test::linearStory(7, 5);
}

QList<int> ids(std::initializer_list<int> list) {
    return QList<int>(list);
}

class PersonalBookTest : public ::testing::Test {
protected:
    TempAppFolder app;
    FakeMessages messages;
    RecordingStop stop;
    StudentProfile anna;

    PersonalBookTest() {
        anna.studentName = QStringLiteral("Anna");
        anna.studentNumber = 601;
        app.write(QStringLiteral("aobj_mystory.seq"), " 5000 \r\n");
    }

    StoryTemplate branchingStory() {
        installFixture(app, QStringLiteral("template_branching.sty"),
                       QStringLiteral("story_12.sty"));
        StoryTemplate story;
        EXPECT_TRUE(loadTemplate(story, 12, TemplateLoadMode::Reading, app.folder(), messages));
        return story;
    }

    Result<PersonalBook> save(StoryTemplate &story, int lastSlot, QList<int> skipped = {},
                              int cover = 4) {
        return saveBook(story, BookDraft{lastSlot, skipped, cover}, anna, anna.studentName,
                        app.folder(), stop);
    }

    QStringList books() const { return listStudentBookFiles(app.folder(), 601); }
};

TEST_F(PersonalBookTest, BookFileRoundTripsByteForByte) {
    installFixture(app, kBookFixture);
    PersonalBook book;
    ASSERT_TRUE(loadBook(book, app.folder(), kBookFixture));
    EXPECT_EQ(book.studentNumber, 601);
    EXPECT_EQ(book.storyId, 12);
    EXPECT_EQ(book.coverColor, 2);
    EXPECT_EQ(book.bookVersion, 1);
    EXPECT_EQ(book.lastPageId, 106);
    EXPECT_EQ(book.bookId, 4999);
    EXPECT_EQ(book.bookPageIds, ids({102, 105, 106}));
    EXPECT_EQ(book.lastListedPageId(), 106);
    EXPECT_EQ(bookFileName(book), kBookFixture);

    ASSERT_TRUE(writeTextLines(app.path(QStringLiteral("copy.msy")), bookLines(book)));
    EXPECT_EQ(app.read(QStringLiteral("copy.msy")), test::fixtureBytes(kBookFixture));
}

TEST_F(PersonalBookTest, OnlyBookFileNamesOfTheUsualFormAreTakenApart) {
    const auto parts = parseBookFileName(QStringLiteral("mystory_601_4999_2_12_106.msy"));
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->studentNumber, 601);
    EXPECT_EQ(parts->bookId, 4999);
    EXPECT_EQ(parts->bookVersion, 2);
    EXPECT_EQ(parts->storyId, 12);
    EXPECT_EQ(parts->lastPageId, 106);
    for (const char *name : {"mystory_601_4999_2_12.msy", "mystory_601_4999_2_12_106.sty",
                             "mystory_601_x_2_12_106.msy", "mystory_601_99999999999_2_12_106.msy",
                             "story_601_4999_2_12_106.msy"})
        EXPECT_FALSE(parseBookFileName(QLatin1String(name))) << name;
}

TEST_F(PersonalBookTest, BadBooksAreRefusedWithFileAndLineAndLeaveTheBookEmpty) {
    const QStringList header{QStringLiteral("601"), QStringLiteral("12"), QStringLiteral("2"),
                             QStringLiteral("1"), QStringLiteral("106")};
    QStringList tooLong = header;
    for (int i = 0; i <= kBookPageLimit; ++i)
        tooLong << QStringLiteral(" 102 ");
    struct Case {
        const char *what;
        std::optional<QByteArray> bytes;
        int line;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, 0},
        {"empty file", QByteArray(), 1},
        {"header cut short", crlf(header.mid(0, 4)), 5},
        {"cover colour beyond the six",
         crlf(QStringList(header).replaceInStrings(QStringLiteral("2"), QStringLiteral("7"))), 3},
        {"page line that is not a number",
         crlf(header + QStringList{QStringLiteral(" 102 "), QStringLiteral("x")}), 7},
        {"an empty page line", crlf(header + QStringList{QString()}), 6},
        {"more than 500 pages", crlf(tooLong), 5 + kBookPageLimit + 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString name = QStringLiteral("mystory_601_1_1_12_106.msy");
        QFile::remove(app.path(name));
        if (c.bytes)
            app.write(name, *c.bytes);
        installFixture(app, kBookFixture);
        PersonalBook book;
        ASSERT_TRUE(loadBook(book, app.folder(), kBookFixture));

        const auto loaded = loadBook(book, app.folder(), name);
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error().file, name);
        EXPECT_EQ(loaded.error().line, c.line) << qPrintable(loaded.error().text());
        EXPECT_EQ(book, PersonalBook());
    }
}

TEST_F(PersonalBookTest, SaveCompilesTheSimplePagesOfThePathWithoutSkippedOnes) {
    struct Case {
        const char *what;
        bool branching;
        int lastSlot;
        QList<int> skipped;
        QList<int> pages;
        int lastPageId;
    };
    const Case cases[] = {
        {"five pages, third skipped", false, 5, {104}, {102, 103, 105, 106}, 106},
        {"last page skipped", false, 5, {106}, {102, 103, 104, 105}, 106},
        {"ended early", false, 3, {}, {102, 103, 104}, 104},
        {"through a decision to the beach", true, 5, {}, {102, 105, 106}, 106},
        {"through a decision to the park", true, 3, {}, {102, 104}, 104},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        StoryTemplate story = c.branching ? branchingStory() : linearStory();
        const auto saved = save(story, c.lastSlot, c.skipped);
        ASSERT_TRUE(saved) << qPrintable(saved.error().text());
        EXPECT_EQ(saved->bookPageIds, c.pages);
        EXPECT_EQ(saved->lastPageId, c.lastPageId);
        // The walk ends on the first page of the template.
        EXPECT_EQ(story.currentPageIndex, 1);
        EXPECT_EQ(story.currentPageId, 102);

        PersonalBook reread;
        ASSERT_TRUE(loadBook(reread, app.folder(), bookFileName(*saved)));
        EXPECT_EQ(reread, *saved);
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(stop.messages.isEmpty());
}

TEST_F(PersonalBookTest, SavedFileHasBareHeaderLinesAndPrinterFormPageLines) {
    StoryTemplate story = linearStory();
    const auto saved = save(story, 5, {104}, 4);
    ASSERT_TRUE(saved);
    EXPECT_EQ(bookFileName(*saved), QStringLiteral("mystory_601_4999_1_7_106.msy"));
    EXPECT_EQ(app.read(QStringLiteral("mystory_601_4999_1_7_106.msy")),
              "601\r\n7\r\n4\r\n1\r\n106\r\n 102 \r\n 103 \r\n 105 \r\n 106 \r\n");
    EXPECT_EQ(app.read(QStringLiteral("aobj_mystory.seq")), " 4999 \r\n");
}

TEST_F(PersonalBookTest, VersionsAreKeptOrReplacedPerPath) {
    StoryTemplate story = linearStory();
    anna.versionsOption = 2;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(save(story, 5));
    EXPECT_EQ(books(), (QStringList{QStringLiteral("mystory_601_4997_3_7_106.msy"),
                                    QStringLiteral("mystory_601_4998_2_7_106.msy"),
                                    QStringLiteral("mystory_601_4999_1_7_106.msy")}));

    // Another path through the same story is another book, never a version.
    ASSERT_TRUE(save(story, 3));
    anna.versionsOption = 1;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(save(story, 5));
    EXPECT_EQ(books(), (QStringList{QStringLiteral("mystory_601_4993_1_7_106.msy"),
                                    QStringLiteral("mystory_601_4996_1_7_104.msy")}));
}

TEST_F(PersonalBookTest, NextVersionFollowsTheVersionStatedInsideTheBooks) {
    app.write(QStringLiteral("mystory_601_6000_1_7_106.msy"),
              crlf({QStringLiteral("601"), QStringLiteral("7"), QStringLiteral("1"),
                    QStringLiteral("5"), QStringLiteral("106")}));
    // Books of template 17 and of student 6011 end alike but are not versions of this one.
    app.write(QStringLiteral("mystory_601_6001_9_17_106.msy"), "601\r\n17\r\n1\r\n9\r\n106\r\n");
    app.write(QStringLiteral("mystory_6011_6002_9_7_106.msy"), "6011\r\n7\r\n1\r\n9\r\n106\r\n");
    StoryTemplate story = linearStory();
    const auto saved = save(story, 5);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->bookVersion, 6);
}

TEST_F(PersonalBookTest, AFailedSaveKeepsTheOlderVersion) {
    StoryTemplate story = linearStory();
    anna.versionsOption = 1;
    ASSERT_TRUE(save(story, 5));
    const QString older = QStringLiteral("mystory_601_4999_1_7_106.msy");
    // The next book would be 4998; a folder in the way makes its write fail.
    ASSERT_TRUE(QDir(app.folder().root()).mkdir(QStringLiteral("mystory_601_4998_1_7_106.msy")));

    const auto saved = save(story, 5);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().file, QStringLiteral("mystory_601_4998_1_7_106.msy"));
    EXPECT_TRUE(app.exists(older));
}

TEST_F(PersonalBookTest, ABrokenBookCounterNeverCostsTheBook) {
    StoryTemplate story = linearStory();
    anna.versionsOption = 1;
    ASSERT_TRUE(save(story, 5));
    const QString older = QStringLiteral("mystory_601_4999_1_7_106.msy");
    // A book of another student holds the number below: the new book must pass it by.
    app.write(QStringLiteral("mystory_602_4998_1_7_106.msy"), "602\r\n7\r\n1\r\n1\r\n106\r\n");
    app.write(QStringLiteral("aobj_mystory.seq"), "garbage\r\n");

    QString notice;
    const auto saved =
        saveBook(story, BookDraft{5, {}, 4}, anna, anna.studentName, app.folder(), stop, &notice);
    ASSERT_TRUE(saved) << saved.error().text().toStdString();
    EXPECT_EQ(saved->bookId, 4997);
    EXPECT_TRUE(notice.contains(QStringLiteral("aobj_mystory.seq"))) << notice.toStdString();
    EXPECT_TRUE(app.exists(QStringLiteral("mystory_601_4997_1_7_106.msy")));
    EXPECT_FALSE(app.exists(older)); // replaced, now that the new book is on disk
    EXPECT_EQ(app.read(QStringLiteral("aobj_mystory.seq")), QByteArray(" 4997 \r\n"));

    ASSERT_TRUE(
        saveBook(story, BookDraft{5, {}, 4}, anna, anna.studentName, app.folder(), stop, &notice));
    EXPECT_TRUE(notice.isEmpty()); // the rebuilt counter serves again
}

TEST_F(PersonalBookTest, ABookThatNoLongerFitsItsTemplateStopsTheProgram) {
    const QString expected = QStringLiteral(
        "Critical Error: The student Anna has stories which are out of synch with their "
        "corresponding story templates.\n\nSolution:  Delete all the stories that Anna created "
        "by doing the following: \n\n1)  Restart Quillora\n2)  Click on the Student Options "
        "button.\n3)  Highlight the student Anna and click on the Delete Student's Books "
        "button\n\n\nThe program will now terminate");
    EXPECT_EQ(outOfSynchMessage(QStringLiteral("Anna")), expected);

    installFixture(app, kBookFixture);
    StoryTemplate story = branchingStory();
    auto opened =
        openBookForReading(story, kBookFixture, anna.studentName, app.folder(), messages, stop);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->bookPageIds, ids({102, 105, 106}));
    EXPECT_TRUE(stop.messages.isEmpty());

    // The teacher removed the book's last page from the template.
    story.page(5) = TemplatePage{};
    ASSERT_TRUE(saveTemplate(story, app.folder(), messages));
    opened =
        openBookForReading(story, kBookFixture, anna.studentName, app.folder(), messages, stop);
    ASSERT_FALSE(opened);
    EXPECT_EQ(stop.messages, QStringList{expected});
    EXPECT_TRUE(stop.hasStopped());
    EXPECT_TRUE(app.exists(kBookFixture));
}

TEST_F(PersonalBookTest, APathThatLeadsNowhereStopsBeforeAnythingIsWritten) {
    StoryTemplate story = linearStory();
    story.page(3).choice(1).prevPageId = 999;
    ASSERT_FALSE(save(story, 5));
    EXPECT_EQ(stop.messages, QStringList{outOfSynchMessage(QStringLiteral("Anna"))});
    EXPECT_TRUE(books().isEmpty());
    EXPECT_EQ(app.read(QStringLiteral("aobj_mystory.seq")), " 5000 \r\n");
}

TEST_F(PersonalBookTest, ALoopingPathIsRefusedWithoutHanging) {
    StoryTemplate story = linearStory();
    story.page(1).choice(1).prevPageId = 106;
    const auto saved = save(story, 5);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(stop.messages.isEmpty());
    EXPECT_TRUE(books().isEmpty());
}

} // namespace
} // namespace quillora
