#include "StudentDoorFixture.h"

#include "student/PageView.h"
#include "student/StoryLabels.h"
#include "student/StudentArea.h"
#include "student/StudentMenu.h"
#include "student/TopicScreen.h"
#include "student/WritingArea.h"
#include "student/WritingScreen.h"
#include "ui/PictureButton.h"

#include <QLabel>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// The real student screens in a right-to-left language, worked by a teacher with the mouse.
class RightToLeftLanguage : public StudentDoorFixture {
protected:
    void useLanguage(const QByteArray &number, const QByteArray &direction) {
        folder.write(u"default_characterset.txt"_s,
                     "Hebrew\r\n " + number + " \r\n" + direction + "\r\n");
        form->startUp();
    }

    // Clicks a shown button of the writing screens once they wait for a click.
    void click(PictureButton *button) {
        WritingArea *writing = area().writingArea();
        ASSERT_TRUE(runUntil(clock, [writing] { return writing->isWaitingForClick(); }));
        ASSERT_TRUE(button->isVisible());
        button->click();
        settle();
    }

    static bool rightAligned(const QLabel *label) {
        return (label->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignRight;
    }
};

TEST_F(RightToLeftLanguage, StoryLabelsTakeTheLanguageFontAndPageTextsReadFromTheRight) {
    useLanguage("177", "right");
    logOn(u"Teacher"_s);
    StudentMenu &menu = *area().studentMenu();
    EXPECT_EQ(menu.nameTitle()->font().family(), QLatin1String(storyLanguageFontFamily()));
    EXPECT_TRUE(menu.nameTitle()->text().startsWith(u"'s Book Collection"_s));

    menu.button(1)->click();
    WritingArea &writing = *area().writingArea();
    TopicScreen &topics = *writing.topicScreen();
    ASSERT_TRUE(runUntil(clock, [&] { return writing.isWaitingForClick(); }));
    EXPECT_EQ(topics.heading()->font().family(), QLatin1String(storyLanguageFontFamily()));

    click(topics.button(TopicScreen::WriteThisTopic));
    const PageView &page = *writing.writingScreen()->pageView();
    ASSERT_EQ(page.shownLayout(), 1);
    EXPECT_TRUE(rightAligned(page.text(1)));
    // Pages 102 and 103 are written; 104 asks for a decision between two pictures.
    for (int written = 0; written < 2; ++written)
        click(writing.writingScreen()->button(1));
    ASSERT_TRUE(runUntil(clock, [&] { return page.shownLayout() == 2; }));
    EXPECT_TRUE(rightAligned(page.text(1)));
    EXPECT_TRUE(rightAligned(page.text(2)));
}

TEST_F(RightToLeftLanguage, TheDefaultSetKeepsFontsAndAlignmentWhateverTheDirection) {
    useLanguage("0", "right");
    logOn(u"Teacher"_s);
    EXPECT_NE(area().studentMenu()->nameTitle()->font().family(),
              QLatin1String(storyLanguageFontFamily()));
}

} // namespace
} // namespace quillora::test
