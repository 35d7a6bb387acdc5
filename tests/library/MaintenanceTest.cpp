#include "LibraryFixture.h"

#include "core/library/TemplateMaintenance.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

QByteArray book(int student, int storyId) {
    return crlf({QString::number(student), QString::number(storyId), QStringLiteral("1"),
                 QStringLiteral("1"), QStringLiteral("102"), QStringLiteral(" 102 ")});
}

// Templates 7, 17 and 70 share digits, so a pattern that is one character too loose would
// take the wrong files.
class MaintenanceTest : public ::testing::Test {
protected:
    MaintenanceTest() {
        for (int n : {7, 17, 70}) {
            writeTemplate(folder, smallTemplate(n, QStringLiteral("Story %1").arg(n)));
            const QString s = QString::number(n);
            for (const QString &name :
                 {QStringLiteral("recording_%1_title.wav"),
                  QStringLiteral("recording_%1_102_1.wav"),
                  QStringLiteral("page_wave_%1_102_1.wav"), QStringLiteral("page_sfx_%1_102_1.wav"),
                  QStringLiteral("cover_pic_%1.jpg"), QStringLiteral("page_pic_%1_102_1.jpg"),
                  QStringLiteral("background_music_%1.mid"),
                  QStringLiteral("temp_recording_%1_102_1.wav")})
                folder.write(name.arg(s), "x");
            folder.write(QStringLiteral("mystory_600_9990_1_%1_102.msy").arg(s), book(600, n));
        }
        // A book whose file name says 17 but whose contents say 7 belongs to 7.
        folder.write(QStringLiteral("mystory_601_9989_1_17_102.msy"), book(601, 7));
        folder.write(QStringLiteral("assign_600.asg"), crlf({QStringLiteral("7")}));
    }

    QStringList files() const {
        return QDir(folder.folder().root()).entryList(QDir::Files, QDir::Name);
    }

    TempAppFolder folder;
};

TEST_F(MaintenanceTest, DeletingATemplateTakesOnlyItsOwnFiles) {
    ASSERT_TRUE(templateHasBooks(folder.folder(), 7));
    QStringList expected = files();
    for (const char *gone : {"story_7.sty", "recording_7_title.wav", "recording_7_102_1.wav",
                             "page_wave_7_102_1.wav", "page_sfx_7_102_1.wav", "cover_pic_7.jpg",
                             "page_pic_7_102_1.jpg", "background_music_7.mid",
                             "mystory_600_9990_1_7_102.msy", "mystory_601_9989_1_17_102.msy"})
        ASSERT_TRUE(expected.removeOne(QString::fromUtf8(gone))) << gone;
    EXPECT_TRUE(deleteTemplateFiles(folder.folder(), 7).isEmpty());
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(findTemplateByTitle(folder.folder(), QStringLiteral("Story 7")), 0);
    EXPECT_EQ(findTemplateByTitle(folder.folder(), QStringLiteral("Story 70")), 70);
}

TEST_F(MaintenanceTest, DeletingOnlyTheBooksKeepsTheTemplate) {
    EXPECT_EQ(templateBookFiles(folder.folder(), 7),
              (QStringList{QStringLiteral("mystory_600_9990_1_7_102.msy"),
                           QStringLiteral("mystory_601_9989_1_17_102.msy")}));
    EXPECT_TRUE(deleteTemplateBooks(folder.folder(), 7).isEmpty());
    EXPECT_FALSE(templateHasBooks(folder.folder(), 7));
    EXPECT_TRUE(templateHasBooks(folder.folder(), 17));
    EXPECT_TRUE(folder.exists(QStringLiteral("story_7.sty")));
    EXPECT_TRUE(folder.exists(QStringLiteral("cover_pic_7.jpg")));
    // Number 0 (a title not found) touches nothing.
    const QStringList before = files();
    EXPECT_TRUE(deleteTemplateFiles(folder.folder(), 0).isEmpty());
    EXPECT_EQ(files(), before);
}

} // namespace
} // namespace quillora::test
