#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "app/Quillora.h"
#include "designer/TeacherForm.h"
#include "designer/TeacherMenu.h"
#include "student/MainMenu.h"
#include "student/StudentForm.h"
#include "ui/PictureButton.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

// The real program: the main menu's Teacher Functions opens the teacher form in the student
// form's place, and the teacher menu's Main Menu brings the student form back.
TEST(TeacherDoor, TheTeacherFormTakesTheStudentFormsPlaceAndHandsItBack) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    FakeMessages messages;
    Quillora quillora{folder.folder()};
    quillora.setMessages(&messages);
    ASSERT_TRUE(quillora.start(QSize(1280, 1024)));
    StudentForm *student = quillora.studentForm();
    student->mainMenu()->button(MainMenu::TeacherFunctions)->click();
    drainEvents();
    TeacherForm *teacher = quillora.teacherForm();
    ASSERT_NE(teacher, nullptr);
    EXPECT_TRUE(teacher->isVisible());
    EXPECT_FALSE(student->isVisible());
    EXPECT_EQ(teacher->geometry(), QRect(0, 0, 1280, 1024));
    EXPECT_FALSE(teacher->designerShown());

    teacher->menu()->button(TeacherMenu::MainMenu)->click();
    drainEvents();
    EXPECT_FALSE(teacher->isVisible());
    EXPECT_TRUE(student->isVisible());
    EXPECT_TRUE(student->mainMenu()->isVisible());
    EXPECT_FALSE(student->mainMenu()->loadingPicture()->isVisible());

    // Closing the teacher form's window does the same.
    student->mainMenu()->button(MainMenu::TeacherFunctions)->click();
    drainEvents();
    teacher->close();
    drainEvents();
    EXPECT_TRUE(student->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'\n').toStdString();
}

} // namespace
} // namespace quillora::test
