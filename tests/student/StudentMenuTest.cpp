#include "StudentDoorFixture.h"

#include "core/scanning/ScanEngine.h"
#include "student/LogonPanel.h"
#include "student/StudentArea.h"
#include "student/StudentMenu.h"
#include "ui/PictureButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

QList<int> chosenItems(const QSignalSpy &spy) {
    QList<int> items;
    for (const QList<QVariant> &arguments : spy)
        items.append(arguments.front().toInt());
    return items;
}

class StudentMenuScreen : public StudentDoorFixture {
protected:
    // A menu choice opens the writing or collection screens; a student leaves them through
    // their own "Student Menu" button, as a switch or mouse user would.
    void leaveToStudentMenu() {
        ScanEngine &engine = form->scanEngine();
        for (int round = 0; round < 60 && !area().isStudentMenuShown(); ++round) {
            if (engine.settings().accessMode == 3) {
                for (PictureButton *button : area().findChildren<PictureButton *>()) {
                    if (button->isVisible() && button->accessibleName() == u"Student Menu"_s)
                        button->click();
                }
                wait(1); // a click while the screen still speaks is dropped
                continue;
            }
            const int item = engine.highlightedItem();
            if (item > 0 &&
                engine.scanSet().picture(item).endsWith(u"aobj_main_menu_button.jpg"_s)) {
                key(Qt::Key_Return);
                continue;
            }
            if (engine.settings().accessMode == 1)
                key(Qt::Key_Space);
            wait(1); // narration ends; a timed highlight moves on
        }
        ASSERT_TRUE(area().isStudentMenuShown());
    }
};

TEST_F(StudentMenuScreen, ButtonsFollowTheBooksAndTheDeleteOption) {
    struct Case {
        int books;
        bool deleteTicked;
        QList<int> shown;
    };
    const Case cases[] = {
        {0, false, {1}},
        {0, true, {1}}, // nothing to delete yet
        {2, false, {1, 2}},
        {2, true, {1, 2, 3}},
    };
    logOn(u"Teacher"_s);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.books * 10 + int(c.deleteTicked));
        for (int book = 1; book <= 2; ++book)
            QFile::remove(folder.path(u"mystory_600_4999_%1_1_1.msy"_s.arg(book)));
        giveBooks(600, c.books);
        area().logonPanel()->deleteOption()->setChecked(c.deleteTicked);
        area().showStudentMenu();
        settle();
        EXPECT_EQ(shownButtons(), c.shown);
        EXPECT_EQ(area().studentHasBooks(), c.books > 0);
        // One row across the middle of the screen, spaced evenly.
        const int shown = static_cast<int>(c.shown.size());
        const int width = area().studentMenu()->button(1)->width();
        const int gap = qRound(static_cast<double>(1280 - shown * width) / (shown + 1));
        for (const int item : c.shown) {
            const PictureButton *button = area().studentMenu()->button(item);
            EXPECT_EQ(button->pos(), QPoint(gap + (item - 1) * (width + gap), (1024 - 260) / 2))
                << item;
        }
    }
    EXPECT_EQ(area().studentMenu()->geometry(), QRect(0, 0, 1280, 1024));
}

TEST_F(StudentMenuScreen, TitleAndSettingsBarSayWhoAndHow) {
    logOn(u"Leo"_s);
    StudentMenu *menu = area().studentMenu();
    EXPECT_EQ(menu->settingsLabel()->text(),
              u"Timed Scanning - Interval = 4 Seconds   <Enter> Selects"_s);
    EXPECT_EQ(menu->settingsBar()->geometry(),
              QRect(0, 1024 - menu->settingsBar()->height(), 1280, menu->settingsBar()->height()));
    EXPECT_EQ(menu->nameTitle()->text(), u"Leo's Book Collection"_s);
    EXPECT_EQ(menu->nameTitle()->x(), (1280 - menu->nameTitle()->width()) / 2);
    EXPECT_EQ(menu->nameShadow()->pos(), menu->nameTitle()->pos() + QPoint(2, 2));
    EXPECT_TRUE(menu->nameShadow()->isVisible());

    // A story language that reads from the right puts the suffix in front of the name.
    state.characterSet = {u"Hebrew"_s, 177, u"right"_s};
    area().showStudentMenu();
    EXPECT_EQ(menu->nameTitle()->text(), u"'s Book CollectionLeo"_s);

    key(Qt::Key_Escape);
    wait(5);
    logOn(u"Maya"_s);
    EXPECT_EQ(menu->settingsLabel()->text(), u"Step Scanning - <Space> steps, <Enter> Selects"_s);
    key(Qt::Key_Escape);
    logOn(u"Teacher"_s);
    EXPECT_EQ(menu->settingsLabel()->text(), u"Mouse Click or Touch Window"_s);
}

TEST_F(StudentMenuScreen, StepScanningReachesEveryItemAndEscapeLeaves) {
    giveBooks(601, 1);
    openLogon();
    area().logonPanel()->deleteOption()->setChecked(true);
    QSignalSpy chosen(&area(), &StudentArea::menuActionChosen);
    QList<bool> deleteModes; // as the collection would see it when it opens
    QObject::connect(&area(), &StudentArea::menuActionChosen, form.get(),
                     [&] { deleteModes.append(area().deleteMode()); });
    pressLogonFor(u"Maya"_s);
    pressContinue();
    ASSERT_TRUE(area().isStudentMenuShown());
    EXPECT_EQ(sound.sounding(), u"announce_start_scan.wav"_s);
    EXPECT_EQ(litButton(), 0);

    // A click is no switch.
    area().studentMenu()->button(2)->click();
    settle();
    EXPECT_TRUE(chosen.isEmpty());

    for (int item = 1; item <= 3; ++item) {
        key(Qt::Key_Space); // the first Space starts the scan on the write button
        for (int step = 1; step < item; ++step)
            key(Qt::Key_Space);
        EXPECT_EQ(litButton(), item);
        key(Qt::Key_Return);
        EXPECT_EQ(chosenItems(chosen).back(), item);
        EXPECT_FALSE(area().isStudentMenuShown()); // the chosen screen covers the menu
        leaveToStudentMenu();
        // The menu is built again and waits for a Space once more.
        EXPECT_EQ(litButton(), 0);
    }
    EXPECT_EQ(chosenItems(chosen), (QList<int>{1, 2, 3}));
    EXPECT_EQ(deleteModes, (QList<bool>{false, false, true}));

    // Keys reach the scan whichever control holds the focus, and a focused button does
    // not click as well.
    area().studentMenu()->button(1)->setFocus();
    QTest::keyClick(area().studentMenu()->button(1), Qt::Key_Space);
    settle();
    EXPECT_EQ(litButton(), 1);
    EXPECT_EQ(chosen.size(), 3);

    key(Qt::Key_Escape);
    EXPECT_TRUE(form->mainMenu()->isVisible());
    EXPECT_FALSE(area().isVisible());
    EXPECT_FALSE(form->scanEngine().isScanning());
    EXPECT_EQ(chosen.size(), 3);
}

TEST_F(StudentMenuScreen, TimedScanningMovesOnByItselfAndEscapeWaitsForTheDwell) {
    giveBooks(602, 1);
    QSignalSpy chosen(&area(), &StudentArea::menuActionChosen);
    logOn(u"Leo"_s);
    EXPECT_EQ(litButton(), 1);
    EXPECT_EQ(sound.sounding(), u"announce_write_book.wav"_s);
    wait(4);
    EXPECT_EQ(litButton(), 2);
    EXPECT_EQ(sound.sounding(), u"announce_read_book.wav"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(chosenItems(chosen), QList<int>{2});
    leaveToStudentMenu();
    EXPECT_EQ(litButton(), 1); // the menu starts over at the write button

    wait(1);
    key(Qt::Key_Escape);
    EXPECT_TRUE(area().isStudentMenuShown());
    wait(2.9);
    EXPECT_TRUE(area().isStudentMenuShown());
    wait(0.2);
    EXPECT_TRUE(form->mainMenu()->isVisible());
    EXPECT_FALSE(area().isVisible());
    EXPECT_EQ(chosen.size(), 1);
}

TEST_F(StudentMenuScreen, MouseModeActsOnClicksAndEscapeLeaves) {
    giveBooks(600, 1);
    openLogon();
    area().logonPanel()->deleteOption()->setChecked(true);
    QSignalSpy chosen(&area(), &StudentArea::menuActionChosen);
    pressLogonFor(u"Teacher"_s);
    pressContinue();
    ASSERT_EQ(shownButtons(), (QList<int>{1, 2, 3}));
    EXPECT_FALSE(form->scanEngine().isScanning());
    wait(10);
    EXPECT_EQ(litButton(), 0); // nothing moves by itself

    area().studentMenu()->button(3)->click();
    EXPECT_TRUE(area().deleteMode());
    area().studentMenu()->button(2)->click(); // the collection is open: no second action
    EXPECT_TRUE(area().deleteMode());
    leaveToStudentMenu();
    area().studentMenu()->button(2)->click();
    EXPECT_FALSE(area().deleteMode());
    leaveToStudentMenu();
    area().studentMenu()->button(1)->click();
    leaveToStudentMenu();
    EXPECT_EQ(chosenItems(chosen), (QList<int>{3, 2, 1}));

    const std::size_t stopsBefore = sound.stops.size();
    key(Qt::Key_Escape);
    EXPECT_EQ(sound.stops.size(), stopsBefore + 1);
    EXPECT_TRUE(form->mainMenu()->isVisible());
    EXPECT_FALSE(area().isVisible());

    // Escape elsewhere only silences.
    key(Qt::Key_Escape);
    EXPECT_EQ(sound.stops.size(), stopsBefore + 2);
    EXPECT_TRUE(form->mainMenu()->isVisible());
}

} // namespace
} // namespace quillora::test
