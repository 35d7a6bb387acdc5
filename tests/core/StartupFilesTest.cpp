#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "core/CharacterSet.h"
#include "core/Counters.h"
#include "core/FileCopy.h"
#include "core/InterfaceTexts.h"
#include "core/Palette.h"
#include "core/ScreenCheck.h"
#include "core/book/PersonalBook.h"

#include <QDir>

#include <unistd.h>

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
    EXPECT_EQ(nextStoryId(folder.folder())->number, 6);
    const auto story = nextStoryId(folder.folder());
    EXPECT_EQ(story->number, 7);
    EXPECT_TRUE(story->notice.isEmpty());
    EXPECT_EQ(folder.read(u"aobj_last_story_id.seq"_s), QByteArray(" 7 \r\n"));
    EXPECT_EQ(nextBookId(folder.folder())->number, 4999);
    // A counter behind the files (restored from a backup) never hands out a number twice.
    folder.write(u"mystory_601_4998_1_7_106.msy"_s, "601\r\n7\r\n1\r\n1\r\n106\r\n");
    folder.write(u"story_8.sty"_s, "8\r\n");
    EXPECT_EQ(nextBookId(folder.folder())->number, 4997);
    EXPECT_EQ(nextStoryId(folder.folder())->number, 9);
    EXPECT_TRUE(prepareBookNumbering(folder.folder()).isEmpty());
    ASSERT_TRUE(resetPageIdFile(folder.folder()).ok());
    EXPECT_EQ(folder.read(u"aobj_last_page_id.seq"_s), QByteArray(" 100 \r\n"));
}

// However the counter file is broken, the numbers handed out are ones no file has, the
// teacher hears of the file, and the next number differs again.
TEST(Counters, ABrokenCounterStillHandsOutANumberNoFileHas) {
    enum Breakage { Garbage, Empty, Missing, ReadOnly, FolderInItsPlace };
    const std::pair<Breakage, const char *> breakages[] = {{Garbage, "garbage"},
                                                           {Empty, "empty"},
                                                           {Missing, "missing"},
                                                           {ReadOnly, "read-only"},
                                                           {FolderInItsPlace, "a folder"}};
    struct Kind {
        QString counter;
        QByteArray staleValue; // what a read-only counter holds: a number already in use
        Result<AllocatedNumber> (*next)(const AppFolder &);
        QList<int> (*inUse)(const TempAppFolder &);
    };
    const auto bookIds = [](const TempAppFolder &app) {
        QList<int> ids;
        for (const QString &name : QDir(app.folder().root()).entryList({u"mystory_*.msy"_s}))
            ids.append(parseBookFileName(name)->bookId);
        return ids;
    };
    const auto storyIds = [](const TempAppFolder &app) {
        QList<int> ids;
        for (const QString &name : QDir(app.folder().root()).entryList({u"story_*.sty"_s}))
            ids.append(name.mid(6).chopped(4).toInt());
        return ids;
    };
    const Kind kinds[] = {{u"aobj_mystory.seq"_s, " 5001 \r\n", &nextBookId, +bookIds},
                          {u"aobj_last_story_id.seq"_s, " 2 \r\n", &nextStoryId, +storyIds}};
    for (const Kind &kind : kinds) {
        for (const auto &[breakage, what] : breakages) {
            const std::string label = kind.counter.toStdString() + ": " + what;
            TempAppFolder app;
            app.write(u"mystory_601_5000_1_3_106.msy"_s, "601\r\n3\r\n1\r\n1\r\n106\r\n");
            app.write(u"mystory_602_4999_1_3_106.msy"_s, "602\r\n3\r\n1\r\n1\r\n106\r\n");
            app.write(u"story_3.sty"_s, "3\r\n");
            app.write(u"story_4.sty"_s, "4\r\n");
            const QString path = app.path(kind.counter);
            switch (breakage) {
            case Garbage:
                app.write(kind.counter, "five\r\n");
                break;
            case Empty:
                app.write(kind.counter, "");
                break;
            case Missing:
                break;
            case ReadOnly:
                app.write(kind.counter, kind.staleValue);
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
                break;
            case FolderInItsPlace:
                QDir().mkdir(path);
                break;
            }
            const auto first = kind.next(app.folder());
            const auto second = kind.next(app.folder());
            ASSERT_TRUE(first.ok()) << label << first.error().text().toStdString();
            ASSERT_TRUE(second.ok()) << label;
            const QList<int> inUse = kind.inUse(app);
            EXPECT_FALSE(inUse.contains(first->number)) << label << " " << first->number;
            EXPECT_FALSE(inUse.contains(second->number)) << label << " " << second->number;
            EXPECT_NE(first->number, second->number) << label;
            // The superuser may write a read-only file, so that counter may simply work.
            const bool mayWork = breakage == ReadOnly && geteuid() == 0;
            if (!mayWork || !first->notice.isEmpty()) {
                EXPECT_TRUE(first->notice.contains(kind.counter)) << label;
            }
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        }
    }
}

TEST(Counters, ABrokenBookCounterIsMendedBeforeTheChildWrites) {
    TempAppFolder app;
    app.write(u"aobj_mystory.seq"_s, "\r\n");
    app.write(u"mystory_601_731_1_3_106.msy"_s, "601\r\n3\r\n1\r\n1\r\n106\r\n");
    const QString notice = prepareBookNumbering(app.folder());
    EXPECT_TRUE(notice.contains(u"aobj_mystory.seq"_s)) << notice.toStdString();
    EXPECT_EQ(app.read(u"aobj_mystory.seq"_s), QByteArray(" 731 \r\n"));
    const auto next = nextBookId(app.folder());
    EXPECT_EQ(next->number, 730);
    EXPECT_TRUE(next->notice.isEmpty()); // said once, not again at the save

    // With no books at all the count starts where a new installation's does.
    TempAppFolder empty;
    EXPECT_FALSE(prepareBookNumbering(empty.folder()).isEmpty());
    EXPECT_EQ(nextBookId(empty.folder())->number, kFirstBookCounter - 1);
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
