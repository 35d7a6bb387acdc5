#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "core/CharacterSet.h"
#include "core/Counters.h"
#include "core/FileCopy.h"
#include "core/InterfaceTexts.h"
#include "core/Palette.h"
#include "core/ScreenCheck.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using test::FakeMessages;
using test::TempAppFolder;

TEST(Counters, HandOutNumbersAndKeepTheLastOnDisk) {
    TempAppFolder folder;
    folder.write(u"aobj_last_story_id.seq"_s, " 5 \r\n");
    folder.write(u"aobj_mystory.seq"_s, " 5000 \r\n");
    EXPECT_EQ(*nextStoryId(folder.folder()), 6);
    EXPECT_EQ(*nextStoryId(folder.folder()), 7);
    EXPECT_EQ(folder.read(u"aobj_last_story_id.seq"_s), QByteArray(" 7 \r\n"));
    EXPECT_EQ(*nextBookId(folder.folder()), 4999);
    EXPECT_EQ(*nextBookId(folder.folder()), 4998);
    ASSERT_TRUE(resetPageIdFile(folder.folder()).ok());
    EXPECT_EQ(folder.read(u"aobj_last_page_id.seq"_s), QByteArray(" 100 \r\n"));
}

TEST(Counters, ABrokenCounterHandsOutNothing) {
    const std::pair<const char *, QByteArray> cases[] = {
        {"missing", {}}, {"empty", ""}, {"garbage", "five\r\n"}};
    for (const auto &[what, content] : cases) {
        TempAppFolder folder;
        if (!content.isNull())
            folder.write(u"aobj_mystory.seq"_s, content);
        auto id = nextBookId(folder.folder());
        ASSERT_FALSE(id.ok()) << what;
        EXPECT_EQ(id.error().file, u"aobj_mystory.seq"_s) << what;
        EXPECT_EQ(folder.read(u"aobj_mystory.seq"_s), content) << what; // left as it was
    }
}

TEST(Palette, HoldsTheTwelveSchemes) {
    const Palette palette = initPalette();
    for (int scheme = 1; scheme <= kColorSchemeCount; ++scheme)
        EXPECT_EQ(palette.backColor(scheme), (Rgb{239, 239, 239}));
    EXPECT_EQ(palette.textColor(1), (Rgb{0, 0, 0}));
    EXPECT_EQ(palette.textColor(6), (Rgb{255, 102, 151}));
    EXPECT_EQ(palette.textColor(12), (Rgb{102, 102, 102}));
    // Out-of-range schemes from a damaged file stay readable.
    EXPECT_EQ(palette.textColor(0), palette.textColor(1));
    EXPECT_EQ(palette.textColor(13), palette.textColor(1));
}

TEST(CharacterSet, ReadsNameCodeAndDirection) {
    TempAppFolder folder;
    folder.write(u"default_characterset.txt"_s, "Hebrew\r\n 177 \r\nright\r\n");
    auto setting = readCharacterSetting(folder.folder());
    ASSERT_TRUE(setting.ok());
    EXPECT_EQ(setting->name, u"Hebrew"_s);
    EXPECT_EQ(setting->number, 177);
    EXPECT_TRUE(setting->rightToLeft());
    EXPECT_TRUE(setting->changesLabels());

    folder.write(u"default_characterset.txt"_s, "English\r\n 0 \r\nright\r\n");
    EXPECT_FALSE(readCharacterSetting(folder.folder())->changesLabels());
}

TEST(CharacterSet, AMissingOrBrokenFileIsReportedByName) {
    TempAppFolder folder;
    auto missing = readCharacterSetting(folder.folder());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().file, u"default_characterset.txt"_s);
    folder.write(u"default_characterset.txt"_s, "English\r\nzero\r\n");
    auto broken = readCharacterSetting(folder.folder());
    ASSERT_FALSE(broken.ok());
    EXPECT_EQ(broken.error().line, 2);
}

TEST(InterfaceTexts, ReplaceTheDesignedTextsLineByLine) {
    TempAppFolder folder;
    InterfaceTexts texts;
    ASSERT_TRUE(texts.load(folder.folder()).ok()); // no file: no error, designed texts stand
    EXPECT_EQ(texts.text(Literal::CollectionSuffix), u"'s Book Collection"_s);
    EXPECT_EQ(texts.text(Literal::ChooseBookCover), u"Choose a Book Cover"_s);
    EXPECT_TRUE(texts.text(Literal::TopicWord).isEmpty());

    QByteArray file;
    for (int line = 1; line <= kLiteralCount; ++line)
        file += "text " + QByteArray::number(line) + "\r\n";
    folder.write(u"literals.txt"_s, file);
    ASSERT_TRUE(texts.load(folder.folder()).ok());
    EXPECT_EQ(texts.text(Literal::ChooseBookCover), u"text 1"_s);
    EXPECT_EQ(texts.text(Literal::StoryDeleted), u"text 25"_s);
    EXPECT_EQ(texts.counter(Literal::TopicWord, 2, 5), u"text 9 2 text 10 5"_s);
}

TEST(InterfaceTexts, AShortFileIsReportedAndWhatItHasApplies) {
    TempAppFolder folder;
    folder.write(u"literals.txt"_s, "Pick a cover\r\n");
    InterfaceTexts texts;
    auto loaded = texts.load(folder.folder());
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().file, u"literals.txt"_s);
    EXPECT_EQ(texts.text(Literal::ChooseBookCover), u"Pick a cover"_s);
    EXPECT_EQ(texts.text(Literal::Printing), u"Printing"_s);
}

TEST(ScreenCheck, NeedsAtLeast1024By768) {
    EXPECT_TRUE(screenIsLargeEnough(1024, 768));
    EXPECT_FALSE(screenIsLargeEnough(1023, 768));
    EXPECT_FALSE(screenIsLargeEnough(1024, 767));
    EXPECT_EQ(screenTooSmallMessage(1023, 768),
              u"The screen resolution must be a minimum of 1024 x 768\n\nYour screen resolution "
              "is set to  1023 x  768\n\nQuillora will not terminate"_s);
}

TEST(AddQuotes, AddsOnlyTheMissingQuotes) {
    const std::pair<QString, QString> cases[] = {
        {u"\"abc\""_s, u"\"abc\""_s},
        {u"abc"_s, u"\"abc\""_s},
        {u"\"abc"_s, u"\"abc\""_s},
        {u"abc\""_s, u"\"abc\""_s},
        // An empty text becomes an empty quoted field, not a lone quote that would swallow
        // the rest of a command line or spreadsheet row.
        {u""_s, u"\"\""_s},
        {u"\""_s, u"\"\""_s}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(addQuotes(text), expected) << text.toStdString();
}

TEST(CopyDataFile, CopiesAndReplacesWithinTheFolder) {
    TempAppFolder folder;
    FakeMessages messages;
    folder.write(u"temp_recording_1_title.wav"_s, "new sound");
    folder.write(u"recording_1_title.wav"_s, "old sound, longer than the new one");
    EXPECT_TRUE(copyDataFile(folder.folder(), messages, u"temp_recording_1_title.wav"_s,
                             u"recording_1_title.wav"_s));
    EXPECT_EQ(folder.read(u"recording_1_title.wav"_s), QByteArray("new sound"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(CopyDataFile, EveryFailureIsReportedNamingBothFilesAsGiven) {
    TempAppFolder folder;
    folder.write(u"a.wav"_s, "sound");
    QDir(folder.folder().root()).mkdir(u"taken"_s);
    const std::pair<QString, QString> cases[] = {
        {u"missing.wav"_s, u"b.wav"_s},     // no source
        {u"a.wav"_s, u"taken"_s},           // a folder where the copy should go
        {u"a.wav"_s, u"no/such/dir.wav"_s}, // a destination that cannot be made
    };
    for (const auto &[source, destination] : cases) {
        FakeMessages messages;
        EXPECT_FALSE(copyDataFile(folder.folder(), messages, source, destination));
        EXPECT_EQ(messages.shown, QStringList{u"File transfer failed\nSource File: "_s + source +
                                              u"\nDestination File: "_s + destination});
    }
    EXPECT_FALSE(folder.exists(u"b.wav"_s));
}

} // namespace
} // namespace quillora
