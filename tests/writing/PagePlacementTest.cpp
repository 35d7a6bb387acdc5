#include "WritingFixture.h"

#include "core/profiles/StudentProfile.h"
#include "student/PageView.h"
#include "student/WritingScreen.h"
#include "ui/PictureButton.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// Where a widget lies on the writing screen.
QRect placeOn(const QWidget *widget, const QWidget *screen) {
    return QRect(widget->mapTo(screen, QPoint(0, 0)), widget->size());
}

QString describe(const QString &name, const QRect &r) {
    return u"%1 (%2,%3 %4x%5)"_s.arg(name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Looks at the writing screen each time it has put a page and its buttons in place, the
// moment the student starts to choose, and notes every button that covers a word or a
// picture of the page, overlaps another button or leaves the screen.
class PlacementWatch {
public:
    explicit PlacementWatch(WritingScreen *screen)
        : m_screen(screen) {
        QObject::connect(screen, &WritingScreen::buttonsShown, screen, [this] { look(); });
    }

    QStringList problems;
    QList<int> layoutsSeen; // 0 for the end page
    int looks = 0;

private:
    void look() {
        ++looks;
        const PageView *page = m_screen->pageView();
        const bool endPage = m_screen->button(4)->isVisible();
        layoutsSeen.append(endPage ? 0 : page->shownLayout());
        QList<std::pair<QString, QRect>> covered; // what no button may cover
        QList<std::pair<QString, QRect>> buttons;
        for (int number = 1; number <= 3; ++number) {
            if (page->text(number)->isVisible())
                covered.append({u"text %1"_s.arg(number), placeOn(page->text(number), m_screen)});
            if (page->picture(number)->isVisible())
                covered.append(
                    {u"picture %1"_s.arg(number), placeOn(page->picture(number), m_screen)});
            if (page->readButton(number)->isVisible())
                buttons.append(
                    {u"read aloud %1"_s.arg(number), placeOn(page->readButton(number), m_screen)});
        }
        if (page->caption()->isVisible())
            covered.append({u"caption"_s, placeOn(page->caption(), m_screen)});
        for (int item = 1; item <= WritingScreen::kItemCount; ++item) {
            if (m_screen->button(item)->isVisible())
                buttons.append({u"button %1"_s.arg(item), m_screen->button(item)->geometry()});
        }
        const QString where = endPage ? u"end page"_s : u"layout %1"_s.arg(page->shownLayout());
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            const auto &[name, place] = buttons[i];
            if (!m_screen->rect().contains(place))
                problems.append(where + u": "_s + describe(name, place) + u" leaves the screen"_s);
            for (const auto &[what, area] : covered) {
                if (place.intersects(area))
                    problems.append(where + u": "_s + describe(name, place) + u" covers "_s +
                                    describe(what, area));
            }
            for (qsizetype j = i + 1; j < buttons.size(); ++j) {
                if (place.intersects(buttons[j].second))
                    problems.append(where + u": "_s + describe(name, place) + u" overlaps "_s +
                                    describe(buttons[j].first, buttons[j].second));
            }
        }
    }

    WritingScreen *m_screen;
};

// The demo story, "Milo the Cat": two simple pages, a decision page, and a path of two
// simple pages behind each choice. Both paths are walked to the end page.
TEST(PagePlacement, NoButtonCoversThePageOnAnyPageOfTheDemoStory) {
    struct Row {
        const char *who;
        int accessMode;
        QSize screen;
    };
    const Row rows[] = {
        {"mouse user", kAccessMouse, {1280, 1024}},
        {"mouse user", kAccessMouse, {1024, 768}},
        {"switch user", kAccessStepScanning, {1280, 1024}},
        {"switch user", kAccessStepScanning, {1024, 768}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << row.who << " at " << row.screen.width() << "x" << row.screen.height());
        WritingRig rig;
        rig.screen.resize(row.screen);
        PlacementWatch watch(rig.area->writingScreen());
        rig.logOn(row.accessMode);
        rig.startWriting();
        // Choose the topic; write 102, 103; take the tree at 104; write 105, 106; at the end
        // start over and take the yarn this time: 107, 108; leave from the end page.
        rig.chooseAll({1, 1, 1, 1, 1, 1, 6, 1, 1, 2, 1, 1, 7}); // start over, then the menu
        if (::testing::Test::HasFatalFailure())
            return;
        EXPECT_EQ(rig.area->writingScreen()->size(), row.screen);
        EXPECT_EQ(watch.layoutsSeen, (QList<int>{1, 1, 2, 1, 1, 0, 1, 1, 2, 1, 1, 0}));
        EXPECT_TRUE(watch.problems.isEmpty()) << watch.problems.join(u'\n').toStdString();
    }
}

} // namespace
} // namespace quillora::test
