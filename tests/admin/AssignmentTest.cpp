#include "AdminFixture.h"

#include "admin/AssignmentPanel.h"
#include "admin/StudentListPanel.h"
#include "core/profiles/Assignments.h"
#include "core/template/TemplateLibrary.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// Template heads are all the panel reads; the library beside the demo template 1.
class AssignmentTest : public ::testing::Test, public AdminFixture {
protected:
    AssignmentTest() {
        addTemplate(u"story_7.sty"_s, 7, u"Seven Seas"_s);
        addTemplate(u"story_9.sty"_s, 9, u"Nine Lives"_s);
    }
    void addTemplate(const QString &fileName, int id, const QString &title) {
        QFile::copy(folder.path(u"story_1.sty"_s), folder.path(fileName));
        QByteArray bytes = folder.read(fileName);
        const qsizetype headEnd = bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 2);
        const QByteArray head = " " + QByteArray::number(id) + " \r\n" + title.toUtf8();
        bytes.replace(0, headEnd, head);
        folder.write(fileName, bytes);
    }
    AssignmentPanel &panel() const { return *form->assignmentPanel(); }
    void openFor(const QString &name) {
        select(name);
        click(form->listPanel()->assignButton());
    }
    QStringList titles() const {
        QStringList shown;
        for (int row = 0; row < panel().templateList()->count(); ++row)
            shown << panel().templateList()->item(row)->text();
        return shown;
    }
    QList<bool> ticks() const {
        QList<bool> ticked;
        for (int row = 0; row < panel().templateList()->count(); ++row)
            ticked << (panel().templateList()->item(row)->checkState() == Qt::Checked);
        return ticked;
    }
    void tick(int row) {
        QListWidgetItem *item = panel().templateList()->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    QStringList topicTitles(int studentNumber) const {
        QStringList shown;
        for (const Topic &topic : loadTopics(appFolder(), studentNumber).topics)
            shown << topic.title;
        return shown;
    }
    const QString asg = u"student_story_assignments_601.asg"_s;
};

TEST_F(AssignmentTest, RestrictingAStudentNarrowsTheTopicsTheStudentSees) {
    openFor(u"Maya"_s);
    EXPECT_EQ(panel().heading()->text(), u"Story templates assigned to Maya"_s);
    EXPECT_EQ(titles(), (QStringList{u"Milo the Cat"_s, u"Seven Seas"_s, u"Nine Lives"_s}));
    EXPECT_TRUE(panel().allOption()->isChecked());
    EXPECT_EQ(ticks(), (QList<bool>{false, false, false}));

    tick(2); // ticking chooses the second option by itself
    EXPECT_TRUE(panel().onlyOption()->isChecked());
    click(panel().saveButton());
    EXPECT_EQ(lastMessage(), u"Story Assignments Saved"_s);
    EXPECT_EQ(folder.read(asg), " 9 \r\n");
    EXPECT_EQ(form->currentPanel(), form->listPanel());
    EXPECT_EQ(topicTitles(601), QStringList{u"Nine Lives"_s});
    EXPECT_EQ(topicTitles(602).size(), 3);

    // Opened again: the second option with the saved ticks.
    openFor(u"Maya"_s);
    EXPECT_TRUE(panel().onlyOption()->isChecked());
    EXPECT_EQ(ticks(), (QList<bool>{false, false, true}));
}

TEST_F(AssignmentTest, AllTickedStillWritesEveryNumberSoLaterTemplatesAreNotOffered) {
    openFor(u"Maya"_s);
    for (int row = 0; row < 3; ++row)
        tick(row);
    click(panel().saveButton());
    EXPECT_EQ(folder.read(asg), " 1 \r\n 7 \r\n 9 \r\n");
    addTemplate(u"story_12.sty"_s, 12, u"Twelve Trees"_s);
    EXPECT_EQ(topicTitles(601).size(), 3);
}

TEST_F(AssignmentTest, TheFirstOptionDeletesTheFileAndCancelWritesNothing) {
    folder.write(asg, " 7 \r\n");
    openFor(u"Maya"_s);
    panel().allOption()->setChecked(true);
    click(panel().cancelButton());
    EXPECT_EQ(folder.read(asg), " 7 \r\n");

    openFor(u"Maya"_s);
    panel().allOption()->setChecked(true);
    const qsizetype shown = messages.shown.size();
    click(panel().saveButton());
    EXPECT_FALSE(folder.exists(asg));
    EXPECT_EQ(messages.shown.size(), shown);
    EXPECT_EQ(topicTitles(601).size(), 3);
}

TEST_F(AssignmentTest, OnlyDeletedTemplatesListedShowNothingTickedAndSavingIsRefused) {
    folder.write(asg, " 40 \r\n 41 \r\n");
    openFor(u"Maya"_s);
    EXPECT_TRUE(panel().onlyOption()->isChecked());
    EXPECT_EQ(ticks(), (QList<bool>{false, false, false}));
    click(panel().saveButton());
    EXPECT_EQ(lastMessage(), u"At least one story template must be selected"_s);
    EXPECT_EQ(form->currentPanel(), form->assignmentPanel());
    EXPECT_EQ(folder.read(asg), " 40 \r\n 41 \r\n");
}

TEST_F(AssignmentTest, TwoTemplatesWithOneNumberAreTickedTogetherAndSavedOnce) {
    addTemplate(u"story_70.sty"_s, 7, u"Seven Seas Again"_s);
    folder.write(asg, " 7 \r\n");
    openFor(u"Maya"_s);
    EXPECT_EQ(ticks(), (QList<bool>{false, true, true, false}));
    click(panel().saveButton());
    EXPECT_EQ(folder.read(asg), " 7 \r\n");
}

TEST_F(AssignmentTest, RefusedForTheTeacherAndWithoutTemplates) {
    openFor(u"Teacher"_s);
    EXPECT_EQ(lastMessage(), u"'Teacher' must have access to all story templates"_s);
    EXPECT_EQ(form->currentPanel(), form->listPanel());

    for (const QString &file : {u"story_1.sty"_s, u"story_7.sty"_s, u"story_9.sty"_s})
        QFile::remove(folder.path(file));
    openFor(u"Maya"_s);
    EXPECT_EQ(lastMessage(), u"The program didn't find any story templates\n\nAdd story "
                             "templates (topics) by clicking on the Teacher Functions button "
                             "from the main menu."_s);
    EXPECT_EQ(form->currentPanel(), form->listPanel());
}

TEST_F(AssignmentTest, AnUnreadableAssignmentFileIsNamedAndMendedBySaving) {
    folder.write(asg, "seven\r\n");
    openFor(u"Maya"_s);
    EXPECT_TRUE(lastMessage().contains(asg));
    EXPECT_TRUE(panel().onlyOption()->isChecked());
    tick(0);
    click(panel().saveButton());
    EXPECT_EQ(folder.read(asg), " 1 \r\n");
}

TEST_F(AssignmentTest, TheDataViewsOpenTheStatisticsFilesThroughTheShell) {
    const struct {
        QPushButton *button;
        QString file;
    } views[] = {{form->listPanel()->simpleFormatButton(), u"stats_601.sta"_s},
                 {form->listPanel()->spreadsheetButton(), u"stats_601.csv"_s}};
    for (const auto &view : views) {
        select(u"Teacher"_s);
        click(view.button);
        EXPECT_EQ(lastMessage(), u"Data is not gathered for the 'Teacher' logon"_s);
        select(u"Maya"_s);
        click(view.button);
        EXPECT_EQ(lastMessage(), u"Data was not collected yet for Maya"_s);
        folder.write(view.file, "x\r\n");
        click(view.button);
        ASSERT_FALSE(shell.opened.isEmpty());
        EXPECT_EQ(shell.opened.back(), folder.path(view.file));
    }
    EXPECT_EQ(shell.opened.size(), 2);
}

} // namespace
} // namespace quillora::test
