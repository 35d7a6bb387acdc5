#include "DemoTemplate.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The generator refuses a demo story it cannot ship whole: the build stops with the file
// and line instead of installing a story that ends the program in front of a child.

namespace quillora::assets {
namespace {

QString page(int id, int layout, int next1, int next2, int prev) {
    QString text = QStringLiteral("============================\n%1\n%2\n\n\n").arg(id).arg(layout);
    for (const int next : {next1, next2, 0})
        text += QStringLiteral("------------\npic.jpg\nText\n\n\n%1\n%2\n").arg(next).arg(prev);
    return text;
}

const QString kHeader = QStringLiteral("1\nTitle\n\n\n1\ncover.jpg\nArial\n1\n0\n");

Result<DemoTemplate> readText(const QString &text) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("story.sty"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    file.close();
    return readDemoTemplate(path);
}

TEST(DemoTemplateSource, ReadsAndRewritesInTheFileLayout) {
    auto story = readText(kHeader + page(102, 2, 103, 104, 0) + page(103, 1, 0, 0, 102) +
                          page(104, 1, 0, 0, 102));
    ASSERT_TRUE(story.ok()) << story.error().text().toStdString();
    ASSERT_EQ(story->pages.size(), 3);
    EXPECT_EQ(story->pages[0].choices[1].nextPageId, 104);
    const QStringList lines = templateLines(*story);
    EXPECT_EQ(lines.size(), 9 + 3 * 26);
    EXPECT_EQ(lines[0], QStringLiteral(" 1 "));
    EXPECT_EQ(lines[10], QStringLiteral(" 102 "));
}

TEST(DemoTemplateSource, RefusesBrokenStories) {
    const struct {
        const char *what;
        QString text;
    } cases[] = {
        {"a page group cut short",
         kHeader + page(102, 1, 0, 0, 0).section(QLatin1Char('\n'), 0, 20)},
        {"a link to no page", kHeader + page(102, 1, 105, 0, 0)},
        {"a previous page that is not there",
         kHeader + page(102, 1, 0, 0, 0) + page(103, 1, 0, 0, 99)},
        {"two first pages", kHeader + page(102, 1, 0, 0, 0) + page(103, 1, 0, 0, 0)},
        {"a layout of four", kHeader + page(102, 4, 0, 0, 0)},
        {"a separator missing", QString(kHeader + page(102, 1, 0, 0, 0))
                                    .replace(QLatin1String("====="), QLatin1String("xxxxx"))},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(readText(c.text).ok()) << c.what;
}

} // namespace
} // namespace quillora::assets
