#include "student/StudentForm.h"
#include "TestWorld.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using namespace test;

// The student form on the installed demo folder, with every outside service a double.
class StudentFormTest : public ::testing::Test, public TestWorld {
protected:
    StudentFormTest() {
        form = std::make_unique<StudentForm>(services(), state, scan);
        form->resize(1280, 1024);
        form->startUp();
    }

    std::unique_ptr<StudentForm> form;
};

TEST_F(StudentFormTest, StartUpPreparesTheFolderAndLaysOutTheMainMenu) {
    EXPECT_TRUE(QDir(folder.path(u"exports"_s)).exists());
    EXPECT_TRUE(QDir(folder.path(u"disk1"_s)).exists());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'\n').toStdString();

    MainMenu *menu = form->mainMenu();
    EXPECT_EQ(menu->geometry(), QRect(0, 0, 1280, 1024));
    QLabel *logo = menu->logo();
    EXPECT_EQ(logo->x(), (1280 - logo->width()) / 2);
    EXPECT_EQ(logo->y(), (512 - logo->height()) / 2);
    EXPECT_EQ(menu->footer()->geometry().bottom(), 1023);

    // One row, evenly spaced, in the order of the buttons, below the middle of the screen.
    const int width = menu->button(MainMenu::TeacherFunctions)->width();
    const int gap = qRound((1280 - 5 * width) / 6.0);
    for (int i = 0; i < MainMenu::kButtonCount; ++i) {
        PictureButton *button = menu->button(static_cast<MainMenu::Button>(i));
        EXPECT_FALSE(button->accessibleName().isEmpty());
        const QPoint at = button->mapTo(menu, QPoint(0, 0));
        EXPECT_EQ(at.x(), gap + i * (width + gap)) << i;
        EXPECT_EQ(at.y(), 512) << i;
    }
}

TEST_F(StudentFormTest, TheLogoTuneStartsOnceButTextsAreReadAtEveryActivation) {
    form->becameActive();
    ASSERT_EQ(music.started.size(), 1);
    const int tune = form->logoTuneNumber();
    EXPECT_TRUE(tune == 1 || tune == 2);
    EXPECT_EQ(music.started.front(), folder.path(u"aobj_logo_midi%1.mid"_s.arg(tune)));

    QByteArray literals = folder.read(u"literals.txt"_s);
    literals.replace("Choose a Book Cover", "Pick your cover");
    folder.write(u"literals.txt"_s, literals);
    form->becameActive(); // back from the teacher form
    EXPECT_EQ(music.started.size(), 1);
    EXPECT_EQ(state.texts.text(Literal::ChooseBookCover), u"Pick your cover"_s);
}

TEST_F(StudentFormTest, EveryMainMenuButtonSilencesTheMenuFirst) {
    form->becameActive();
    QSignalSpy teacher(form.get(), &StudentForm::teacherFunctionsRequested);
    for (auto which : {MainMenu::TeacherFunctions, MainMenu::StudentData, MainMenu::UserGuide}) {
        music.calls.clear();
        const std::size_t stopsBefore = sound.stops.size();
        form->mainMenu()->button(which)->click();
        EXPECT_EQ(sound.stops.size(), stopsBefore + 1) << which;
        EXPECT_TRUE(music.calls.contains(u"closeAllMedia"_s)) << which;
        EXPECT_TRUE(music.currentMusicFile().isEmpty()) << which;
    }
    EXPECT_EQ(teacher.size(), 1);
    EXPECT_EQ(shell.opened, QStringList{folder.path(u"aobj_user_guide.htm"_s)});
    EXPECT_FALSE(form->mainMenu()->loadingPicture()->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty()); // a guide that cannot open is not the child's problem
}

TEST(StudentFormStartUp, AMissingLanguageFileIsReportedAndTheDefaultUsed) {
    TestWorld world;
    QFile::remove(world.folder.path(u"default_characterset.txt"_s));
    StudentForm form(world.services(), world.state, world.scan);
    form.startUp();
    ASSERT_EQ(world.messages.shown.size(), 1);
    EXPECT_TRUE(world.messages.shown.front().contains(u"default_characterset.txt"_s));
    EXPECT_EQ(world.state.characterSet.number, 0);
}

} // namespace
} // namespace quillora
