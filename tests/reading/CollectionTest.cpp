#include "ReadingFixture.h"

#include "core/book/BookCompiler.h"
#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"
#include "student/PageLayout.h"
#include "student/ReadingRules.h"

#include <QLabel>

namespace quillora::test {

namespace {

using Items = QList<int>;

struct OneBookCase {
    int accessMode;
    bool deleteMode;
    Items offered;
    const char *heading;
    const char *prompt;
};
void PrintTo(const OneBookCase &c, std::ostream *out) {
    *out << "mode " << c.accessMode << (c.deleteMode ? ", deleting" : ", reading");
}

class OneBookCollection : public ReadingFixture,
                          public ::testing::WithParamInterface<OneBookCase> {};

} // namespace

// With one book there is nowhere to step to: only read (or delete) and the student menu,
// and a switch user's scan goes back and forth between those two.
TEST_P(OneBookCollection, OffersOnlyTheBookAndTheMenu) {
    const OneBookCase &c = GetParam();
    logOnMaya(c.accessMode);
    addBook({102, 103, 105, 106}, 106);
    open(c.deleteMode);
    waitForChoice(collectionButtons());

    EXPECT_EQ(collectionButtons().visibleItems(), c.offered);
    EXPECT_EQ(collection().heading()->text(), QLatin1String(c.heading));
    EXPECT_EQ(collection().counter()->text(), QStringLiteral("Book 1 of 1"));
    EXPECT_EQ(collection().version()->text(), QStringLiteral("Version 1"));
    EXPECT_EQ(collection().author()->text(), QStringLiteral("by Maya"));
    EXPECT_EQ(collection().title()->text(), QStringLiteral("Milo the Cat\n(Up the Tree)"));
    EXPECT_EQ(collection().title()->font().pointSize(), 36); // 26 characters
    EXPECT_TRUE(collection().templateCover()->isVisibleTo(&collection()));
    EXPECT_TRUE(collection().lastPagePicture()->isVisibleTo(&collection()));
    // The prompt, then the title as the template and the path narrate it.
    const QStringList spoken = sound.played().mid(0, 3);
    EXPECT_EQ(spoken, (QStringList{QLatin1String(c.prompt), QStringLiteral("recording_1_title.wav"),
                                   QStringLiteral("recording_1_106_path.wav")}));

    if (c.accessMode == kAccessStepScanning) {
        press(kKeySpace);
        QList<int> visited{scan.highlightedItem()};
        for (int i = 0; i < 2; ++i) {
            press(kKeySpace);
            visited.append(scan.highlightedItem());
        }
        EXPECT_EQ(visited, (Items{c.offered[0], c.offered[1], c.offered[0]}));
    }
}

INSTANTIATE_TEST_SUITE_P(ReadAndDelete, OneBookCollection,
                         ::testing::Values(OneBookCase{kAccessMouse,
                                                       false,
                                                       {1, 5},
                                                       "Choose a Book to Read",
                                                       "announce_choose_read_collection.wav"},
                                           OneBookCase{kAccessMouse,
                                                       true,
                                                       {4, 5},
                                                       "Choose a Book to Delete",
                                                       "announce_choose_delete_collection.wav"},
                                           OneBookCase{kAccessStepScanning,
                                                       false,
                                                       {1, 5},
                                                       "Choose a Book to Read",
                                                       "announce_choose_read_collection.wav"}));

TEST_F(ReadingFixture, NextAndPreviousStepThroughTheBooksInFileOrder) {
    logOnMaya(kAccessMouse);
    addBook({102, 103, 105, 106}, 106, 4999);
    addBook({102, 103, 107, 108}, 108, 4998, 3, 6);
    open();
    waitForChoice(collectionButtons());
    // File names sort the newer (lower) book number first.
    EXPECT_EQ(collection().title()->text(), QStringLiteral("Milo the Cat\n(The Ball of Yarn)"));
    EXPECT_EQ(collectionButtons().visibleItems(), (Items{1, 2, 5}));

    pick(collectionButtons(), 2);
    waitForChoice(collectionButtons());
    EXPECT_EQ(collection().counter()->text(), QStringLiteral("Book 2 of 2"));
    EXPECT_EQ(collection().title()->text(), QStringLiteral("Milo the Cat\n(Up the Tree)"));
    EXPECT_EQ(collectionButtons().visibleItems(), (Items{1, 3, 5}));
    EXPECT_EQ(sound.played().last(), QStringLiteral("recording_1_106_path.wav"));

    pick(collectionButtons(), 3);
    waitForChoice(collectionButtons());
    EXPECT_EQ(collection().version()->text(), QStringLiteral("Version 3"));
    pick(collectionButtons(), 5);
    EXPECT_TRUE(closed());
    EXPECT_FALSE(screens->isVisible());
}

TEST_F(ReadingFixture, BookOutOfSynchWithItsTemplateStopsTheProgram) {
    logOnMaya(kAccessMouse);
    const QString book = addBook({102, 103, 999}, 999);
    open();
    ASSERT_TRUE(runUntil(clock, [&] { return closed(); }));

    EXPECT_TRUE(stop.hasStopped());
    EXPECT_EQ(stop.message(), outOfSynchMessage(QStringLiteral("Maya")));
    // The one message is all the child sees; nothing is said, shown or deleted.
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(sound.played().isEmpty());
    EXPECT_FALSE(screens->isVisible());
    EXPECT_TRUE(folder.exists(book));
}

TEST(ReadingRulesTest, TitleSizesShrinkWithLongTitles) {
    struct Case {
        int length;
        int cover;
        int titlePage;
    };
    for (const Case &c : {Case{20, 40, 46}, Case{21, 36, 40}, Case{30, 36, 40}, Case{31, 30, 36}}) {
        const QString title(c.length, QLatin1Char('a'));
        EXPECT_EQ(coverTitlePoints(title), c.cover) << c.length;
        EXPECT_EQ(titlePageTitlePoints(title), c.titlePage) << c.length;
    }
}

TEST(ReadingRulesTest, ReadingPageTextSizeFollowsItsWeight) {
    struct Case {
        QString text;
        int points;
    };
    const QString twoBreaks = QString(19, QLatin1Char('a')) + QLatin1Char('\n') +
                              QString(19, QLatin1Char('b')) + QLatin1Char('\n'); // 40, weighs 100
    const Case cases[] = {
        {QString(30, QLatin1Char('x')), 32},  {QString(31, QLatin1Char('x')), 26},
        {QString(51, QLatin1Char('x')), 20},  {twoBreaks, 20},
        {twoBreaks + QLatin1Char('c'), 18},   {QString(151, QLatin1Char('x')), 14},
        {QString(200, QLatin1Char('x')), 14}, {QString(201, QLatin1Char('x')), 12}};
    for (const Case &c : cases)
        EXPECT_EQ(pageTextPointSize(kLayoutSimple, c.text), c.points) << c.text.size();
}

TEST(ReadingRulesTest, StudentPictureFitsItsCornerKeepingItsShape) {
    EXPECT_EQ(fitStudentPicture({5500, 2200}), QSize(2750, 1100));
    EXPECT_EQ(fitStudentPicture({2000, 4400}), QSize(1000, 2200));
    EXPECT_EQ(fitStudentPicture({6000, 6000}), QSize(2200, 2200)); // width first, then height
    EXPECT_EQ(fitStudentPicture({1500, 1200}), QSize(1500, 1200));
}

} // namespace quillora::test
