#include "core/AppFolder.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

struct ResolveCase {
    const char *name;
    const char *expected; // "@" stands for the application folder
};

TEST(AppFolder, ResolvesOnlyBareNames) {
    const AppFolder folder(QStringLiteral("/srv/quillora"));
    const ResolveCase cases[] = {
        {"aobj_bell.wav", "/srv/quillora/aobj_bell.wav"},
        {"C:\\pics\\a.jpg", "C:\\pics\\a.jpg"}, // from another computer
        {"pics/a.jpg", "pics/a.jpg"},           // either separator counts as a folder
        {"/home/t/a.jpg", "/home/t/a.jpg"},
        {"None", "None"},
        {"", ""},
        {"none", "/srv/quillora/none"}, // only the exact word means no file
    };
    for (const auto &c : cases)
        EXPECT_EQ(folder.resolve(QString::fromUtf8(c.name)), QString::fromUtf8(c.expected))
            << c.name;
}

TEST(AppFolder, DirectoryPartStopsAtTheLastSeparator) {
    EXPECT_EQ(directoryPart(QStringLiteral("a\\b\\c.jpg")), QStringLiteral("a\\b"));
    EXPECT_EQ(directoryPart(QStringLiteral("a/b/c.jpg")), QStringLiteral("a/b"));
    EXPECT_EQ(directoryPart(QStringLiteral("a\\b/c.jpg")), QStringLiteral("a\\b"));
    EXPECT_EQ(directoryPart(QStringLiteral("c.jpg")), QString());
}

TEST(NumberText, WritesTheLinePrinterForm) {
    EXPECT_EQ(numberText(12), QStringLiteral(" 12 "));
    EXPECT_EQ(numberText(0), QStringLiteral(" 0 "));
    EXPECT_EQ(numberText(-1), QStringLiteral("-1 "));
}

TEST(NumberText, ReadsNumbersAndRefusesTheRest) {
    const std::pair<const char *, std::optional<long long>> cases[] = {
        {" 12 ", 12},
        {"12", 12},
        {"-1 ", -1},
        {"  7\t", 7},
        {"12.0", 12},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(parseNumber(QString::fromUtf8(text)), expected) << '"' << text << '"';
}

} // namespace
} // namespace quillora
