#include "ui/FullScreenForm.h"

#include "FakeMessages.h"
#include "FakeSoundPlayer.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "core/scanning/ScanEngine.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using namespace test;

class ScanForm : public FullScreenForm {
public:
    using FullScreenForm::FullScreenForm;
    int escapes = 0;

protected:
    bool worksTheScan() const override { return true; }
    void escapeCounted() override { ++escapes; }
};

class Switches : public ::testing::Test {
protected:
    TempAppFolder folder;
    VirtualClock clock;
    FakeMessages messages;
    FakeSoundPlayer sound{folder.folder(), clock, messages};
    ScanEngine scan{clock, sound};
    ScanForm student{scan};
    FullScreenForm teacher{scan};
};

// A switch pressed on the student form and released while a teacher form has the focus is
// released for the scan, so the next press on the student form counts.
TEST_F(Switches, EveryFormReleasesButOnlyTheScanFormPresses) {
    QLineEdit box(&teacher); // the focus may be anywhere in a form
    teacher.show();
    student.show();
    QTest::keyPress(&student, Qt::Key_Space);
    EXPECT_TRUE(scan.keys().spacePressed);
    EXPECT_FALSE(scan.keys().spaceReleased);
    QTest::keyRelease(&box, Qt::Key_Space);
    EXPECT_TRUE(scan.keys().spaceReleased);

    scan.keys().enterPressed = false;
    QTest::keyPress(&box, Qt::Key_Return);
    EXPECT_FALSE(scan.keys().enterPressed); // a teacher typing Enter is not a switch press

    QTest::keyClick(&student, Qt::Key_Escape);
    QTest::keyClick(&teacher, Qt::Key_Escape);
    EXPECT_EQ(student.escapes, 1);
}

TEST_F(Switches, ClosingAFormIsLeftToWhoeverOwnsIt) {
    QSignalSpy closing(&teacher, &FullScreenForm::closing);
    teacher.show();
    teacher.close();
    EXPECT_EQ(closing.size(), 1);
}

} // namespace
} // namespace quillora
