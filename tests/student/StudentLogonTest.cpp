#include "StudentDoorFixture.h"

#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/StudentArea.h"
#include "student/StudentMenu.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

using StudentLogon = StudentDoorFixture;

TEST_F(StudentLogon, TheLogonPanelListsEveryStudentInTheMiddleOfTheScreen) {
    session.currentStudentName.clear();
    openLogon();
    LogonPanel *panel = area().logonPanel();
    EXPECT_FALSE(form->mainMenu()->isVisible());
    EXPECT_EQ(area().geometry(), QRect(0, 0, 1280, 1024));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->size(), QSize(700, 520)); // the size of its background picture
    EXPECT_EQ(panel->pos(), QPoint(290, 252));
    EXPECT_FALSE(area().studentMenu()->isVisible());
    EXPECT_FALSE(panel->escapeNotice()->isVisible());
    QStringList names;
    for (int row = 0; row < panel->studentList()->count(); ++row)
        names.append(panel->studentList()->item(row)->text());
    EXPECT_EQ(names, (QStringList{u"Teacher"_s, u"Maya"_s, u"Leo"_s}));
    EXPECT_EQ(session.currentStudentName, u"Teacher"_s);

    // A name already chosen stays.
    session.currentStudentName = u"Maya"_s;
    area().fillLogonList();
    EXPECT_EQ(session.currentStudentName, u"Maya"_s);
    EXPECT_EQ(panel->studentList()->count(), 3);

    panel->mainMenuButton()->click();
    EXPECT_TRUE(form->mainMenu()->isVisible());
    EXPECT_FALSE(area().isVisible());
}

TEST_F(StudentLogon, TheNoticeWaitsForContinueAndASecondLogonPressIsNoSecondLogon) {
    openLogon();
    LogonPanel *panel = area().logonPanel();
    panel->logonButton()->click();
    settle();
    EXPECT_EQ(messages.shown, QStringList{u"Please select a Student"_s});
    EXPECT_FALSE(panel->escapeNotice()->isVisible());

    pressLogonFor(u"Maya"_s);
    EscapeNotice *notice = panel->escapeNotice();
    ASSERT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->pos(), QPoint((700 - notice->width()) / 2, (520 - notice->height()) / 2));
    EXPECT_EQ(notice->message()->accessibleDescription(),
              u"IMPORTANT:  If you want to get back to the main menu from next screen, press the "
              u"           key.  This is done to  prevent a           student from exiting the "
              u"program unintentionally."_s);
    EXPECT_TRUE(notice->message()->text().contains(u"aobj_esc_key.jpg"_s));
    wait(3600); // no time-out
    panel->logonButton()->click();
    settle();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_FALSE(area().studentMenu()->isVisible());

    pressContinue();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(area().isStudentMenuShown());
    EXPECT_EQ(session.currentStudentName, u"Maya"_s);
    EXPECT_EQ(session.profile.studentNumber, 601);
    EXPECT_EQ(form->scanEngine().settings().accessMode, kAccessStepScanning);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(StudentLogon, ANameWithoutAProfileLeavesTheLogonUsable) {
    logOn(u"Leo"_s);
    key(Qt::Key_Escape);
    wait(5); // timed scanning leaves at the end of the dwell
    ASSERT_TRUE(form->mainMenu()->isVisible());
    openLogon();
    ASSERT_TRUE(QFile::remove(folder.path(u"student_601.lgn"_s))); // Maya's, gone since the list
    pressLogonFor(u"Maya"_s);
    pressContinue();
    EXPECT_EQ(messages.shown, QStringList{u"Critical Error:  Stundent Data Missing"_s});
    EXPECT_TRUE(area().logonPanel()->isVisible());
    EXPECT_FALSE(area().studentMenu()->isVisible());
    // The student logged on before is still the one in force.
    EXPECT_EQ(session.currentStudentName, u"Leo"_s);
    EXPECT_EQ(session.profile.studentNumber, 602);

    pressLogonFor(u"Teacher"_s);
    pressContinue();
    EXPECT_TRUE(area().isStudentMenuShown());
    EXPECT_EQ(session.profile.studentNumber, 600);
}

TEST_F(StudentLogon, AShortProfileLogsOnWithTheDefaultsOfTheMissingSettings) {
    folder.write(u"student_603.lgn"_s,
                 "Sam\r\n 603 \r\n 1 \r\n 5 \r\n 2 \r\n 2 \r\nC:\\pictures\\sam, \"me\".jpg\r\n");
    logOn(u"Sam"_s);
    const StudentProfile &profile = session.profile;
    EXPECT_EQ(profile.studentNumber, 603);
    EXPECT_EQ(profile.accessMode, kAccessStepScanning);
    EXPECT_EQ(profile.scanSeconds, 5);
    EXPECT_EQ(profile.musicOption, 2);
    EXPECT_EQ(profile.auditoryScanning, 2);
    EXPECT_EQ(profile.studentPicture, u"C:\\pictures\\sam, \"me\".jpg"_s);
    EXPECT_EQ(profile.versionsOption, 2);
    EXPECT_EQ(profile.printFormat, 1);
    EXPECT_EQ(profile.skipPages, 1);
}

TEST_F(StudentLogon, TheNameSelectedWhenTheNoticeIsDismissedLogsOn) {
    openLogon();
    pressLogonFor(u"Maya"_s);
    ASSERT_TRUE(area().logonPanel()->escapeNotice()->isVisible());
    QListWidget *list = area().logonPanel()->studentList();
    list->setCurrentItem(list->findItems(u"Leo"_s, Qt::MatchExactly).front());
    pressContinue();
    EXPECT_EQ(session.currentStudentName, u"Leo"_s);
    EXPECT_EQ(session.profile.studentNumber, 602);
}

TEST_F(StudentLogon, AnUnreadableProfileIsNamedOnceAndTheOthersStayListed) {
    folder.write(u"student_609.lgn"_s, "Zed\r\nnot a number\r\n");
    openLogon();
    area().logonPanel()->mainMenuButton()->click();
    settle();
    openLogon();
    ASSERT_EQ(messages.shown.size(), 1) << messages.shown.join(u'|').toStdString();
    EXPECT_TRUE(messages.shown.front().contains(u"student_609.lgn"_s));
    EXPECT_EQ(area().logonPanel()->studentList()->count(), 3); // Teacher, Maya and Leo
}

} // namespace
} // namespace quillora::test
