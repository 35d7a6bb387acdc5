#include "core/TextFile.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using test::TempAppFolder;

TEST(TextFile, SplitsEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(splitLines("a\nb"), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (QStringList{u"a"_s, u""_s, u"b"_s}));
    EXPECT_EQ(splitLines("a\rb"), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(splitLines("\xEF\xBB\xBFtitle\r\n"), QStringList{u"title"_s});
    EXPECT_TRUE(splitLines("").isEmpty());
}

TEST(TextFile, ReadsUtf8AndFallsBackToWindows1252PerLine) {
    // "Zoë" in UTF-8, then "café €5" as an older program wrote it in Windows-1252.
    const QStringList lines = splitLines("Zo\xC3\xAB\r\ncaf\xE9 \x80"
                                         "5\r\n");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString::fromUtf8("Zo\xC3\xAB"));
    EXPECT_EQ(lines[1], QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"
                                          "5"));
}

TEST(TextFile, WritesUtf8WithCrLfAndReadsItBack) {
    TempAppFolder folder;
    const QStringList lines{QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"), u" 5 "_s, u""_s};
    ASSERT_TRUE(writeTextLines(folder.path(u"x.txt"_s), lines).ok());
    EXPECT_EQ(folder.read(u"x.txt"_s),
              QByteArray("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\r\n 5 \r\n\r\n"));
    auto back = readTextLines(folder.path(u"x.txt"_s));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, lines);
}

TEST(TextFile, ReportsProblemsNamingTheFile) {
    TempAppFolder folder;
    auto missing = readTextLines(folder.path(u"gone.txt"_s));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().file, u"gone.txt"_s);

    folder.write(u"long.txt"_s, "ok\r\n" + QByteArray(kMaxTextLineLength + 1, 'x') + "\r\n");
    auto tooLong = readTextLines(folder.path(u"long.txt"_s));
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().line, 2);
    EXPECT_TRUE(tooLong.error().text().contains(u"long.txt, line 2"_s));
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole) {
    TempAppFolder folder;
    folder.write(u"keep.txt"_s, "old\r\n");
    // A folder in the way of the file cannot be replaced by a file.
    QDir(folder.folder().root()).mkdir(u"blocked.txt"_s);
    EXPECT_FALSE(writeTextLines(folder.path(u"blocked.txt"_s), {u"new"_s}).ok());
    EXPECT_FALSE(writeTextLines(folder.path(u"no/such/folder.txt"_s), {u"new"_s}).ok());
    EXPECT_EQ(folder.read(u"keep.txt"_s), QByteArray("old\r\n"));
}

TEST(LineReader, NamesTheLineOfEveryProblem) {
    LineReader reader(u"/x/story_1.sty"_s, {u" 7 "_s, u"abc"_s});
    EXPECT_EQ(*reader.number(), 7);
    auto notNumber = reader.number();
    ASSERT_FALSE(notNumber.ok());
    EXPECT_EQ(notNumber.error().line, 2);
    EXPECT_EQ(notNumber.error().file, u"story_1.sty"_s);
    auto ended = reader.text();
    ASSERT_FALSE(ended.ok());
    EXPECT_EQ(ended.error().line, 3);
}

} // namespace
} // namespace quillora
