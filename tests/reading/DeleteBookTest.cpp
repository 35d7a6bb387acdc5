#include "ReadingFixture.h"
#include "student/NoticePanel.h"

#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"

#include <QFile>
#include <QLabel>

namespace quillora::test {

namespace {

struct DeleteCase {
    const char *name;
    int accessMode;
    bool answerYes;
    bool goneBeforehand; // deleted elsewhere while the question was asked
    const char *question;
};
void PrintTo(const DeleteCase &c, std::ostream *out) {
    *out << c.name;
}

class DeletingABook : public ReadingFixture, public ::testing::WithParamInterface<DeleteCase> {};

} // namespace

TEST_P(DeletingABook, AsksThenDeletesAndSaysSo) {
    const DeleteCase &c = GetParam();
    logOnMaya(c.accessMode);
    const QString book = addBook({102, 103, 105, 106}, 106);
    open(true);
    pick(collectionButtons(), CollectionPanel::Delete);
    waitForChoice(yesNoButtons());
    EXPECT_TRUE(screens->yesNoPanel()->isVisible());
    EXPECT_EQ(screens->yesNoPanel()->question()->text(), QLatin1String(c.question));
    const bool scanning = c.accessMode != kAccessMouse;
    EXPECT_EQ(sound.played().contains(QStringLiteral("announce_are_you_sure_delete.wav")),
              scanning);
    if (c.goneBeforehand)
        QFile::remove(folder.path(book));

    pick(yesNoButtons(), c.answerYes ? 1 : 2);
    EXPECT_FALSE(screens->yesNoPanel()->isVisible());
    if (!c.answerYes) {
        waitForChoice(collectionButtons());
        EXPECT_TRUE(folder.exists(book));
        EXPECT_FALSE(closed());
        return;
    }
    EXPECT_FALSE(folder.exists(book));
    NoticePanel &notice = *screens->deletedNotice();
    ASSERT_TRUE(runUntil(clock, [&] { return notice.isVisible(); }));
    EXPECT_EQ(notice.lines(),
              QStringList{QStringLiteral("The Book was Deleted from your Collection.")});
    const double shownAt = clock.now();
    ASSERT_TRUE(runUntil(clock, [&] { return closed(); }));
    EXPECT_FALSE(notice.isVisible());
    EXPECT_TRUE(screens->bookDeleted());
    // Scanning students hear it said; a mouse user reads it for two seconds in silence.
    EXPECT_EQ(sound.played().contains(QStringLiteral("announce_book_deleted.wav")), scanning);
    if (!scanning) {
        EXPECT_NEAR(clock.now() - shownAt, 2.0, 1e-6);
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothModes, DeletingABook,
                         ::testing::Values(DeleteCase{"Mouse", kAccessMouse, true, false,
                                                      "Are you sure you want to delete this book?"},
                                           DeleteCase{"StepScanning", kAccessStepScanning, true,
                                                      false, "Do you want to delete this book?"},
                                           DeleteCase{"TimedScanning", kAccessTimedScanning, true,
                                                      false, "Do you want to delete this book?"},
                                           DeleteCase{"No", kAccessMouse, false, false,
                                                      "Are you sure you want to delete this book?"},
                                           DeleteCase{
                                               "AlreadyGone", kAccessMouse, true, true,
                                               "Are you sure you want to delete this book?"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace quillora::test
