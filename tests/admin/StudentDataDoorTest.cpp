#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "admin/StudentListPanel.h"
#include "admin/StudentManagementForm.h"
#include "app/Quillora.h"
#include "student/StudentForm.h"
#include "ui/PictureButton.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// The real program: the main menu's student data button opens the form above the menu, and
// both ways out lead back to the main menu.
TEST(StudentDataDoor, OpensAboveTheMainMenuAndReturnsToIt) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    FakeMessages messages;
    Quillora quillora{folder.folder()};
    quillora.setMessages(&messages);
    ASSERT_TRUE(quillora.start(QSize(1280, 1024)));
    StudentManagementForm *form = quillora.studentManagementForm();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible());

    const auto openForm = [&] {
        quillora.studentForm()->mainMenu()->button(MainMenu::StudentData)->click();
        drainEvents();
        ASSERT_TRUE(form->isVisible());
        EXPECT_EQ(form->windowTitle(), u"Brindlemoor - Quillora Student Functions"_s);
        EXPECT_EQ(form->currentPanel(), form->listPanel());
        EXPECT_TRUE(quillora.studentForm()->mainMenu()->isVisible());
    };
    openForm();
    form->listPanel()->mainMenuButton()->click();
    drainEvents();
    EXPECT_FALSE(form->isVisible());

    openForm();
    form->close();
    drainEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(quillora.studentForm()->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'\n').toStdString();
}

} // namespace
} // namespace quillora::test
