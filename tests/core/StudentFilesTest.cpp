#include "core/profiles/StudentFiles.h"
#include "TempAppFolder.h"
#include "core/profiles/ProfilePicture.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

TEST(StudentFilesTest, BooksBelongByTheirFirstValueAndOtherwiseByTheirName) {
    TempAppFolder app;
    app.write(u"mystory_61_1_1_1_1.msy"_s, " 61 \r\n");
    app.write(u"mystory_61_2_1_1_1.msy"_s, " 610 \r\n"); // renamed by hand: its owner is 610
    app.write(u"mystory_61_3_1_1_1.msy"_s, "garbage\r\n");
    app.write(u"mystory_610_1_1_1_1.msy"_s, "garbage\r\n");
    app.write(u"mystory_6101_1_1_1_1.msy"_s, " 6101 \r\n");
    const struct {
        QString book;
        bool owned;
    } cases[] = {{u"mystory_61_1_1_1_1.msy"_s, true},    {u"mystory_61_2_1_1_1.msy"_s, false},
                 {u"mystory_61_3_1_1_1.msy"_s, true},    {u"mystory_610_1_1_1_1.msy"_s, false},
                 {u"mystory_6101_1_1_1_1.msy"_s, false}, {u"mystory_none.msy"_s, false}};
    for (const auto &c : cases)
        EXPECT_EQ(bookBelongsTo(app.folder(), c.book, 61), c.owned) << c.book.toStdString();

    const DeletionReport report = deleteStudentBooks(app.folder(), 61);
    EXPECT_EQ(report.booksDeleted, 2);
    EXPECT_TRUE(report.failures.isEmpty());
    EXPECT_EQ(QDir(app.path({})).entryList(QDir::Files, QDir::Name),
              (QStringList{u"mystory_6101_1_1_1_1.msy"_s, u"mystory_610_1_1_1_1.msy"_s,
                           u"mystory_61_2_1_1_1.msy"_s}));
    EXPECT_EQ(removeStudentFiles(app.folder(), 0).booksDeleted, 0);
}

TEST(StudentFilesTest, NumbersInUseCountEveryKindOfStudentFile) {
    TempAppFolder app;
    for (const QString &name :
         {u"student_601.lgn"_s, u"student_story_assignments_602.asg"_s, u"stats_603.tcv"_s,
          u"mystory_604_1_1_1_1.msy"_s, u"stats_605.txt"_s, u"student_606.lgn.a1b2c3"_s,
          u"story_607.sty"_s})
        app.write(name, "x\r\n");
    EXPECT_EQ(studentNumbersInUse(app.folder()), (QSet<int>{601, 602, 603, 604}));
}

TEST(ProfilePictureTest, FitsInsideTheFrameKeepingItsProportions) {
    const struct {
        QSize natural, shown;
    } cases[] = {
        {{1000, 800}, {1000, 800}},   // fits: kept
        {{2750, 2200}, {2750, 2200}}, // exactly the frame
        {{5500, 2200}, {2750, 1100}}, // too wide: the height follows
        {{1100, 4400}, {550, 2200}},  // too tall: the width follows
        {{5500, 5500}, {2200, 2200}}, // too wide, then still too tall
        {{0, 100}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fitProfilePicture(c.natural), c.shown)
            << c.natural.width() << "x" << c.natural.height();
}

} // namespace
} // namespace quillora::test
