#include "SmallDisk.h"
#include "WritingFixture.h"

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

class FullDiskWriting : public WritingFixture {
protected:
    void SetUp() override {
        removeTemplates();
        writeFoxStory(folder);
        logOn(kAccessMouse);
    }

    void writeTheFox() {
        startWriting();
        chooseAll({1, 1, 1, 1, 1, 1, 4, 3}); // up the hill, then the purple cover
        ASSERT_TRUE(runToMenu());
        backAtMenu = false;
    }
};

// A real disk that fills: the folder moves onto a small file system and every byte left is
// taken before the second book.
TEST_F(FullDiskWriting, ABookOnAFullDiskIsNotCalledSavedAndTheEarlierWorkStays) {
    writeTheFox();
    ASSERT_EQ(bookFiles().size(), 1);
    const QString firstBook = bookFiles().front();
    const QByteArray book = file(firstBook);
    const QByteArray log = file(u"stats_603.sta"_s);
    const QByteArray table = file(u"stats_603.csv"_s);

    SmallDisk disk(folder.folder().root(), 64 * 1024);
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    disk.fill();
    messages.shown.clear();
    markSounds();
    writeTheFox();

    EXPECT_EQ(bookFiles(), QStringList{firstBook});
    EXPECT_EQ(file(firstBook), book);
    EXPECT_EQ(file(u"stats_603.sta"_s), log);
    EXPECT_EQ(file(u"stats_603.csv"_s), table);
    EXPECT_TRUE(spokenSinceMark().contains(u"announce_book_not_saved.wav"_s));
    EXPECT_FALSE(spokenSinceMark().contains(u"announce_book_added.wav"_s));
    const QString told = messages.shown.join(u'\n');
    EXPECT_TRUE(told.contains(u"The book could not be saved"_s)) << told.toStdString();
    EXPECT_TRUE(told.contains(u"The usage statistics could not be saved"_s)) << told.toStdString();
}

} // namespace
} // namespace quillora::test
