#include "AdminFixture.h"

#include "admin/StudentListPanel.h"
#include "admin/StudentOptionsPanel.h"
#include "core/profiles/StudentProfile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

class StudentManagementTest : public ::testing::Test, public AdminFixture {
protected:
    StudentOptionsPanel &options() const { return *form->optionsPanel(); }
    StudentListPanel &list() const { return *form->listPanel(); }
};

TEST_F(StudentManagementTest, OpensWithTheStudentsOnTheMainPanel) {
    EXPECT_EQ(form->windowTitle(), u"Brindlemoor - Quillora Student Functions"_s);
    EXPECT_EQ(listedNames(), (QStringList{u"Teacher"_s, u"Maya"_s, u"Leo"_s}));
    EXPECT_EQ(form->currentPanel(), form->listPanel());
    EXPECT_EQ(list().nameBox()->font().family(), u"Lucida Sans Unicode"_s);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StudentManagementTest, AddingWelcomesTheStudentAndOpensTheOptionsWithTheDefaults) {
    addStudent(u"  Ada  "_s);
    EXPECT_EQ(lastMessage(), u"Ada has been added successfully. \ryou will be presented with a "
                             "screen to customize Ada's options"_s);
    EXPECT_EQ(form->currentPanel(), form->optionsPanel());
    EXPECT_EQ(folder.read(u"student_603.lgn"_s),
              profileBytes(u"Ada"_s, 603, {3, 3, 1, 1, 2, 1, 1}));
    EXPECT_TRUE(listedNames().contains(u"Ada"_s));
    EXPECT_TRUE(list().nameBox()->text().isEmpty());
    EXPECT_EQ(options().nameBox()->text(), u"Ada"_s);
    EXPECT_TRUE(options().option(StudentOptionsPanel::Access, 3)->isChecked());
    EXPECT_EQ(state.session.currentStudentName, u"Ada"_s);
}

TEST_F(StudentManagementTest, AddingRefusesBlankAndTakenNamesWhateverTheirCase) {
    for (const QString &name : {u""_s, u"   "_s, u"maya"_s, u"TEACHER"_s}) {
        messages.shown.clear();
        addStudent(name);
        ASSERT_EQ(messages.shown.size(), 1) << name.toStdString();
        EXPECT_EQ(form->currentPanel(), form->listPanel());
    }
    EXPECT_EQ(lastMessage(), u"A student by this name exists already, please enter a new name"_s);
    EXPECT_FALSE(folder.exists(u"student_603.lgn"_s));
}

TEST_F(StudentManagementTest, EveryOptionIsSavedAsTheProfileFile) {
    addStudent(u"Ada"_s);
    options().option(StudentOptionsPanel::Access, 2)->setChecked(true);
    click(options().secondsDown());
    options().option(StudentOptionsPanel::Announce, 2)->setChecked(true);
    options().option(StudentOptionsPanel::Music, 2)->setChecked(true);
    options().option(StudentOptionsPanel::Versions, 1)->setChecked(true);
    options().option(StudentOptionsPanel::Print, 2)->setChecked(true);
    options().skipPagesBox()->setChecked(false);
    click(options().saveButton());
    EXPECT_EQ(lastMessage(), u"Options saved for student Ada"_s);
    EXPECT_EQ(folder.read(u"student_603.lgn"_s),
              profileBytes(u"Ada"_s, 603, {2, 2, 2, 2, 1, 2, 0}));
    EXPECT_EQ(form->currentPanel(), form->listPanel());

    // Shown again as saved.
    editOptionsOf(u"Ada"_s);
    EXPECT_TRUE(options().option(StudentOptionsPanel::Access, 2)->isChecked());
    EXPECT_EQ(options().secondsLabel()->text(), u"2"_s);
    EXPECT_FALSE(options().skipPagesBox()->isChecked());
}

TEST_F(StudentManagementTest, ScanningSecondsStayBetweenOneAndNinetyNine) {
    editOptionsOf(u"Maya"_s);
    for (int i = 0; i < 5; ++i)
        click(options().secondsDown());
    EXPECT_EQ(options().scanSeconds(), 1);
    for (int i = 0; i < 120; ++i)
        click(options().secondsUp());
    EXPECT_EQ(options().scanSeconds(), 99);
    click(options().saveButton());
    EXPECT_TRUE(folder.read(u"student_601.lgn"_s).contains("\r\n 99 \r\n"));
}

TEST_F(StudentManagementTest, RenamingKeepsTheNumberAndRefusesTakenOrBlankNames) {
    editOptionsOf(u"Maya"_s);
    // Only the letter case changes: the check finds Maya herself and refuses.
    options().nameBox()->setText(u"MAYA"_s);
    click(options().saveButton());
    EXPECT_EQ(lastMessage(),
              u"Error\nCan not change the student name\nThe name entered is already taken"_s);
    options().nameBox()->setText(u"leo"_s);
    click(options().saveButton());
    EXPECT_EQ(lastMessage(),
              u"Error\nCan not change the student name\nThe name entered is already taken"_s);
    options().nameBox()->setText(u"  "_s);
    click(options().saveButton());
    EXPECT_EQ(lastMessage(), u"Error\nStudent Name is Blank"_s);
    EXPECT_TRUE(folder.read(u"student_601.lgn"_s).startsWith("Maya\r\n"));

    options().nameBox()->setText(u" Mia "_s);
    click(options().saveButton());
    EXPECT_TRUE(folder.read(u"student_601.lgn"_s).startsWith("Mia\r\n 601 \r\n"));
    EXPECT_EQ(listedNames(), (QStringList{u"Teacher"_s, u"Mia"_s, u"Leo"_s}));
}

TEST_F(StudentManagementTest, TheTeacherKeepsItsNameAndCannotBeRemoved) {
    editOptionsOf(u"Teacher"_s);
    EXPECT_FALSE(options().nameBox()->isEnabled());
    options().nameBox()->setText(u"Boss"_s);
    click(options().saveButton());
    EXPECT_TRUE(folder.read(u"student_600.lgn"_s).startsWith("Teacher\r\n"));

    select(u"Teacher"_s);
    click(list().removeButton());
    EXPECT_EQ(lastMessage(), u"'Teacher' is the default student, 'Teacher' cannot be deleted"_s);
    EXPECT_TRUE(folder.exists(u"student_600.lgn"_s));
}

TEST_F(StudentManagementTest, CancelLeavesTheProfileFileAsItWas) {
    const QByteArray before = folder.read(u"student_602.lgn"_s);
    editOptionsOf(u"Leo"_s);
    options().option(StudentOptionsPanel::Access, 3)->setChecked(true);
    click(options().secondsUp());
    options().nameBox()->setText(u"Leon"_s);
    click(options().clearPictureButton());
    click(options().cancelButton());
    EXPECT_EQ(folder.read(u"student_602.lgn"_s), before);
    EXPECT_EQ(form->currentPanel(), form->listPanel());
    EXPECT_EQ(state.session.profile.accessMode, 2);
}

TEST_F(StudentManagementTest, ButtonsNeedASelectedStudent) {
    const struct {
        QPushButton *button;
        QString message;
    } cases[] = {
        {list().removeButton(), u"A student must be highlighted"_s},
        {list().deleteBooksButton(), u"A student must be highlighted"_s},
        {list().editButton(), u"Please select a student"_s},
        {list().assignButton(), u"A student must be highlighted"_s},
        {list().simpleFormatButton(), u"Please select a student"_s},
        {list().spreadsheetButton(), u"Please select a student"_s},
        {list().progressButton(), u"Please select a student"_s},
    };
    for (const auto &c : cases) {
        click(c.button);
        EXPECT_EQ(lastMessage(), c.message) << c.button->text().toStdString();
        EXPECT_EQ(form->currentPanel(), form->listPanel());
    }
}

TEST_F(StudentManagementTest, DeletingBooksCountsThemInTheMessage) {
    const auto giveBooks = [this](int number, int count) {
        for (int book = 1; book <= count; ++book)
            folder.write(u"mystory_%1_1_%2_1_1.msy"_s.arg(number).arg(book),
                         QByteArray(" ") + QByteArray::number(number) + " \r\n");
    };
    giveBooks(602, 3);
    const struct {
        int books;
        QString message;
    } cases[] = {{0, u"No books were deleted for student Maya"_s},
                 {1, u"1 book was deleted for student Maya"_s},
                 {2, u"2 books were deleted for student Maya"_s}};
    for (const auto &c : cases) {
        giveBooks(601, c.books);
        select(u"Maya"_s);
        click(list().deleteBooksButton());
        EXPECT_EQ(messages.shown.at(messages.shown.size() - 2),
                  u"Are you sure you want to delete all of the books for student : Maya"_s);
        EXPECT_EQ(lastMessage(), c.message);
    }
    EXPECT_EQ(QDir(folder.path({})).entryList({u"mystory_*"_s}).size(), 3);

    // Cancel deletes nothing.
    giveBooks(601, 1);
    messages.scriptAnswers({false});
    click(list().deleteBooksButton());
    EXPECT_TRUE(folder.exists(u"mystory_601_1_1_1_1.msy"_s));
}

TEST_F(StudentManagementTest, APictureIsShownFittedAndAFileThatIsNotAPictureIsRefused) {
    QImage wide(600, 300, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    ASSERT_TRUE(wide.save(folder.path(u"wide.jpg"_s)));
    folder.write(u"fake.jpg"_s, "not a picture at all");
    editOptionsOf(u"Maya"_s);

    fileDialogs.scriptAnswers({folder.path(u"fake.jpg"_s)});
    click(options().pictureButton());
    EXPECT_TRUE(lastMessage().contains(folder.path(u"fake.jpg"_s)));
    EXPECT_TRUE(options().picturePath()->text().isEmpty());

    fileDialogs.scriptAnswers({folder.path(u"wide.jpg"_s)});
    click(options().pictureButton());
    ASSERT_EQ(fileDialogs.asked.size(), 2);
    EXPECT_EQ(fileDialogs.asked[0].request.startFolder, appFolder().root());
    // 600 x 300 pixels is 9000 x 4500 twips: 2750 wide, and the height follows.
    EXPECT_EQ(options().picture()->pixmap().size(), QSize(183, 92));
    EXPECT_EQ(options().picturePath()->text(), folder.path(u"wide.jpg"_s));
    click(options().saveButton());
    EXPECT_TRUE(folder.read(u"student_601.lgn"_s).contains(folder.path(u"wide.jpg"_s).toUtf8()));
}

TEST_F(StudentManagementTest, UnreadableProfilesAreNamedAndNotEdited) {
    folder.write(u"student_605.lgn"_s, "Zed\r\n");                         // cut short
    folder.write(u"student_606.lgn"_s, QByteArray(5000, '\xff') + "\r\n"); // garbage
    form->open();
    EXPECT_TRUE(lastMessage().contains(u"student_605.lgn"_s));
    EXPECT_TRUE(lastMessage().contains(u"student_606.lgn"_s));
    EXPECT_EQ(listedNames(), (QStringList{u"Teacher"_s, u"Maya"_s, u"Leo"_s}));

    folder.write(u"student_601.lgn"_s, "Maya\r\n 601 \r\n x \r\n");
    editOptionsOf(u"Maya"_s);
    EXPECT_TRUE(lastMessage().contains(u"student_601.lgn"_s));
    EXPECT_EQ(form->currentPanel(), form->listPanel());
    EXPECT_EQ(folder.read(u"student_601.lgn"_s), "Maya\r\n 601 \r\n x \r\n");
}

TEST_F(StudentManagementTest, ANewStudentNeverTakesTheNumberOfLeftoverFiles) {
    // A removed student's statistics are still there under 603.
    folder.write(u"stats_603.sta"_s, "old\r\n");
    addStudent(u"Ada"_s);
    EXPECT_FALSE(folder.exists(u"student_603.lgn"_s));
    EXPECT_TRUE(folder.read(u"student_604.lgn"_s).startsWith("Ada\r\n 604 \r\n"));
}

class RemovalTest : public ::testing::Test, public AdminFixture {
protected:
    RemovalTest()
        : AdminFixture(TempAppFolder::Empty) {}

    // Every file a student can have, the book carrying its owner's number in its name and
    // as its first value.
    void giveAllFiles(const QString &name, int number) {
        folder.write(profileFileName(number), profileBytes(name, number, {3, 3, 1, 1, 2, 1, 1}));
        const QString n = QString::number(number);
        const QStringList data = {u"student_story_assignments_%1.asg"_s.arg(n),
                                  u"stats_%1.sta"_s.arg(n), u"stats_%1.csv"_s.arg(n),
                                  u"stats_%1.tmp"_s.arg(n), u"stats_%1.tcv"_s.arg(n)};
        for (const QString &file : data)
            folder.write(file, " 1 \r\n");
        folder.write(u"mystory_"_s + n + u"_1_1_1_1.msy"_s, " " + n.toUtf8() + " \r\n 1 \r\n");
    }
    QStringList files() const { return QDir(folder.path({})).entryList(QDir::Files, QDir::Name); }
};

TEST_F(RemovalTest, RemovingStudent61TouchesNoFileOf601Or610Or6101) {
    folder.write(profileFileName(600), profileBytes(u"Teacher"_s, 600, {3, 3, 1, 1, 2, 1, 1}));
    for (const auto &[name, number] :
         {std::pair{u"Sam"_s, 61}, {u"Pia"_s, 601}, {u"Tom"_s, 610}, {u"Ivy"_s, 6101}})
        giveAllFiles(name, number);
    // A book of 601 that a stray rename gave 61's name still belongs to 601 by its contents.
    folder.write(u"mystory_61_9_9_9_9.msy"_s, " 601 \r\n");
    folder.write(u"story_61.sty"_s, " 61 \r\nA template\r\n");
    form->open();
    const QStringList before = files();

    select(u"Sam"_s);
    click(form->listPanel()->removeButton());
    EXPECT_EQ(messages.shown.back(), u"Are you sure you want to delete the student : Sam"_s);
    QStringList expected = before;
    for (const QString &gone :
         {u"mystory_61_1_1_1_1.msy"_s, u"stats_61.csv"_s, u"stats_61.sta"_s, u"stats_61.tcv"_s,
          u"stats_61.tmp"_s, u"student_61.lgn"_s, u"student_story_assignments_61.asg"_s})
        expected.removeOne(gone);
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(listedNames(), (QStringList{u"Teacher"_s, u"Pia"_s, u"Tom"_s, u"Ivy"_s}));
    EXPECT_EQ(state.session.currentStudentName, u"Teacher"_s);
}

TEST_F(RemovalTest, CancelRemovesNothing) {
    giveAllFiles(u"Sam"_s, 61);
    form->open();
    const QStringList before = files();
    messages.scriptAnswers({false});
    select(u"Sam"_s);
    click(form->listPanel()->removeButton());
    EXPECT_EQ(files(), before);
}

} // namespace
} // namespace quillora::test
