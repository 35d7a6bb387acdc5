#include "student/PageView.h"
#include "TempAppFolder.h"
#include "core/template/StoryTemplate.h"
#include "student/PictureCache.h"
#include "ui/PictureButton.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

class PageViewTest : public ::testing::Test {
protected:
    PageViewTest()
        : folder(TempAppFolder::InstalledCopy)
        , pictures(folder.folder())
        , view(pictures) {
        view.resize(1280, 1024);
        story.colorScheme = 3;
        story.fontName = u"Arial"_s;
        story.fontBold = 0;
        story.fontItalic = 1;
        page(1, 101, 1, {u"x"_s.repeated(20) + u"\nabcd"_s});
        page(2, 102, 3, {u"One"_s, u"x"_s.repeated(31), u"Three"_s});
        story.page(2).choice(2).picture = folder.path(u"no_such_picture.jpg"_s);
    }

    void page(int slot, int id, int layout, const QStringList &texts) {
        TemplatePage &shown = story.page(slot);
        shown.inUse = true;
        shown.pageId = id;
        shown.layout = layout;
        for (int number = 1; number <= layout; ++number) {
            shown.choice(number).text = texts[number - 1];
            shown.choice(number).picture = folder.path(u"page_pic_1_102_1.jpg"_s);
        }
    }

    TempAppFolder folder;
    PictureCache pictures;
    PageView view;
    StoryTemplate story;
    PageLook look;
};

TEST_F(PageViewTest, ASimplePageTakesTheTemplatesLook) {
    look.rightToLeft = true;
    view.showPage(story, 1, look);
    QLabel *text = view.text(1);
    EXPECT_EQ(text->text(), u"x"_s.repeated(20) + u"\nabcd"_s);
    EXPECT_EQ(text->font().pointSize(), 20); // 25 characters and a line break weigh 55
    EXPECT_FALSE(text->font().bold());
    EXPECT_TRUE(text->font().italic());
    const Rgb ink = look.palette.textColor(3);
    EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(ink.red, ink.green, ink.blue));
    EXPECT_EQ(text->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(view.frame(1)->geometry(), QRect(260, simplePageTop(1024), 760, 570));
    EXPECT_EQ(view.picture(1)->pixmap().size(), QSize(480, 360));
    EXPECT_FALSE(view.frame(2)->isVisibleTo(&view));
    EXPECT_FALSE(view.caption()->isVisibleTo(&view));
    EXPECT_FALSE(view.readButton(1)->isVisibleTo(&view)); // switch users have no read buttons
}

TEST_F(PageViewTest, AThreeChoicePageShowsThreeCards) {
    look.mouseUser = true;
    look.caption = u"Now you can choose"_s;
    view.showPage(story, 1, look);
    view.showPage(story, 2, look);
    for (int number = 1; number <= 3; ++number) {
        EXPECT_TRUE(view.frame(number)->isVisibleTo(&view));
        EXPECT_TRUE(view.readButton(number)->isVisibleTo(&view));
        EXPECT_EQ(view.frame(number)->x(),
                  frameLefts(3, 1280)[static_cast<std::size_t>(number - 1)]);
    }
    EXPECT_EQ(view.text(1)->font().pointSize(), 18);
    EXPECT_EQ(view.text(2)->font().pointSize(), 16);
    // A picture that is not there leaves its place empty, not the picture shown before.
    EXPECT_TRUE(view.picture(2)->pixmap().isNull());
    EXPECT_FALSE(view.picture(3)->pixmap().isNull());
    EXPECT_TRUE(view.caption()->isVisibleTo(&view));
    EXPECT_EQ(view.caption()->text(), u"Now you can choose"_s);

    view.showEndPage();
    EXPECT_TRUE(view.frame(1)->isVisibleTo(&view));
    EXPECT_FALSE(view.frame(2)->isVisibleTo(&view));
    EXPECT_TRUE(view.text(1)->text().isEmpty());
    EXPECT_EQ(view.picture(1)->pixmap().size(), QSize(640, 480));
}

} // namespace
} // namespace quillora::test
