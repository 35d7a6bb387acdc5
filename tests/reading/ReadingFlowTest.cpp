#include "ReadingFixture.h"

#include "student/BookPageWipe.h"
#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"
#include "student/ReadingPanel.h"
#include "student/ReadingScreen.h"

#include <QLabel>

namespace quillora::test {

namespace {

using Items = QList<int>;

int count(const QStringList &list, const QString &item) {
    return static_cast<int>(list.count(item));
}

} // namespace

// The smallest book: one page. Next page on it leads to the end page; previous page from
// the end page shows the page again and offers next page once more.
TEST_F(ReadingFixture, ReadsAOnePageBookToTheEndAndBack) {
    logOnMaya(kAccessMouse);
    addBook({106}, 106);
    open();
    pick(collectionButtons(), CollectionPanel::Read);

    waitForChoice(titleButtons());
    TitlePage &title = *reading().titlePage();
    EXPECT_TRUE(title.isVisible());
    EXPECT_EQ(title.title()->text(), QStringLiteral("Milo the Cat\n(Up the Tree)"));
    EXPECT_EQ(title.title()->font().pointSize(), 40);
    EXPECT_EQ(title.byLine()->text(), QStringLiteral("by\nMaya"));
    EXPECT_EQ(titleButtons().visibleItems(), (Items{1, 2})); // printing not allowed
    EXPECT_EQ(music.started, QStringList{folder.path(QStringLiteral("background_music_1.mid"))});

    pick(titleButtons(), TitlePage::FirstPage);
    waitForChoice(readingButtons());
    EXPECT_FALSE(title.isVisible());
    EXPECT_EQ(reading().pageNumber()->text(), QStringLiteral("Page 1"));
    EXPECT_TRUE(reading().pageText()->text().startsWith(QStringLiteral("Milo finds a nest")));
    EXPECT_EQ(readingButtons().visibleItems(), (Items{1, 2, 4}));
    QStringList heard = sound.played();
    EXPECT_EQ(
        heard.mid(heard.indexOf(QStringLiteral("aobj_turn_page.wav"))),
        (QStringList{QStringLiteral("aobj_turn_page.wav"), QStringLiteral("recording_1_106_1.wav"),
                     QStringLiteral("page_sfx_1_106_1.wav")}));

    pick(readingButtons(), ReadingPanel::NextPage);
    waitForChoice(readingButtons());
    EXPECT_TRUE(screens->readingScreen()->atBookEnd());
    EXPECT_EQ(readingButtons().visibleItems(), (Items{3, 4, 6}));
    EXPECT_TRUE(reading().pageNumber()->text().isEmpty());
    EXPECT_EQ(sound.played().last(), QStringLiteral("announce_the_end.wav"));

    pick(readingButtons(), ReadingPanel::PreviousPage);
    waitForChoice(readingButtons());
    EXPECT_FALSE(screens->readingScreen()->atBookEnd());
    EXPECT_EQ(reading().pageNumber()->text(), QStringLiteral("Page 1"));
    EXPECT_EQ(readingButtons().visibleItems(), (Items{1, 2, 4}));
    EXPECT_EQ(count(sound.played(), QStringLiteral("aobj_turn_page_backward.wav")), 1);

    pick(readingButtons(), ReadingPanel::Done);
    waitForChoice(collectionButtons());
    EXPECT_FALSE(screens->readingScreen()->isVisible());
    EXPECT_TRUE(collection().isVisible());
    EXPECT_EQ(music.state(), FakeMusicChannel::State::Closed);
    const QStringList log = statisticsLog();
    ASSERT_EQ(log.size(), 10);
    EXPECT_EQ(log[3], QStringLiteral("Book Title: Milo the Cat (Up the Tree)"));
    EXPECT_EQ(log[4], QStringLiteral("The student decided to read a Book"));
    EXPECT_EQ(log[6], QStringLiteral("The student read his book completely"));
    EXPECT_EQ(log[7], QStringLiteral("Pages Turned Forward = 1"));
    EXPECT_EQ(log[8], QStringLiteral("Pages Turned Backward = 1"));
}

// Read again goes back to the title page and starts the record over: the reading that
// reached the end is not written, and leaving at the title page logs no pages.
TEST_F(ReadingFixture, ReadAgainStartsAFreshStatisticsRecord) {
    logOnMaya(kAccessStepScanning);
    addBook({105, 106}, 106);
    open();
    pick(collectionButtons(), CollectionPanel::Read);
    pick(titleButtons(), TitlePage::FirstPage);
    pick(readingButtons(), ReadingPanel::NextPage);
    pick(readingButtons(), ReadingPanel::NextPage);
    waitForChoice(readingButtons());
    ASSERT_TRUE(screens->readingScreen()->atBookEnd());
    EXPECT_EQ(statistics.record().pagesForward, 2);
    EXPECT_TRUE(statistics.record().taskCompleted);

    pick(readingButtons(), ReadingPanel::ReadAgain);
    waitForChoice(titleButtons());
    EXPECT_TRUE(reading().titlePage()->isVisible());
    EXPECT_EQ(screens->readingScreen()->position(), 1);
    EXPECT_EQ(statistics.record().pagesForward, 0);
    EXPECT_FALSE(statistics.record().taskCompleted);
    EXPECT_EQ(count(sound.played(), QStringLiteral("recording_1_title.wav")), 3);
    EXPECT_TRUE(statisticsLog().isEmpty());

    pick(titleButtons(), TitlePage::Done);
    waitForChoice(collectionButtons());
    const QStringList log = statisticsLog();
    ASSERT_EQ(log.size(), 10);
    EXPECT_EQ(log[6], QStringLiteral("The student did not finish reading the book"));
    EXPECT_EQ(log[7], QStringLiteral("Pages Turned Forward = 0"));
    EXPECT_EQ(log[5], QStringLiteral("Access Mode:Step Scanning with 2 switches"));
}

// Going forward the new colour comes in from the left, going back from the right, and a
// turn takes its second whatever the machine: the clock, not the drawing, sets the pace.
TEST_F(ReadingFixture, PageTurnWipesColumnByColumnInTimeWithTheClock) {
    logOnMaya(kAccessMouse);
    screens->readingScreen()->show();
    BookPageWipe &area = *reading().picture();
    area.fillColour(Qt::black);
    const double start = clock.now();
    bool done = false;
    auto turn = [&]() -> QCoro::Task<> {
        co_await screens->readingScreen()->wipe(Qt::red, false, 1.0);
        done = true;
    };
    auto running = turn();
    clock.advanceBy(0.5);
    EXPECT_NEAR(area.revealedColumns(), BookPageWipe::kWidth / 2, 12);
    EXPECT_EQ(area.colourAt({BookPageWipe::kWidth - 1, 10}), QColor(Qt::red));
    EXPECT_EQ(area.colourAt({0, 10}), QColor(Qt::black));
    ASSERT_TRUE(runUntil(clock, [&] { return done; }));
    EXPECT_NEAR(clock.now() - start, 1.0, 1e-6);
    EXPECT_EQ(area.colourAt({0, 10}), QColor(Qt::red));
}

} // namespace quillora::test
