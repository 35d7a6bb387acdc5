#pragma once

#include "TestWorld.h"
#include "student/StudentForm.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace quillora::test {

// The real student form, shown offscreen on the installed demo folder (students "Teacher"
// 600 by mouse, "Maya" 601 step scanning, "Leo" 602 timed scanning every 4 seconds), with
// every outside service a double and switches pressed as keys.
class StudentDoorFixture : public ::testing::Test, public TestWorld {
protected:
    StudentDoorFixture();
    ~StudentDoorFixture() override;

    StudentArea &area() const;
    // The main menu's logon button.
    void openLogon();
    // Picks the name in the logon list and presses "Logon".
    void pressLogonFor(const QString &name);
    void pressContinue();
    // The whole way from the main menu to the student menu.
    void logOn(const QString &name);
    // Lets the student write a number of books (only their files' existence matters here).
    void giveBooks(int studentNumber, int count);

    void key(Qt::Key which);
    void settle() { drainEvents(); }
    void wait(double seconds) {
        clock.advanceBy(seconds);
        drainEvents();
    }
    // The student-menu buttons on screen, by item number.
    QList<int> shownButtons() const;
    int litButton() const;

    StudentSession &session = state.session;
    std::unique_ptr<StudentForm> form;
};

} // namespace quillora::test
