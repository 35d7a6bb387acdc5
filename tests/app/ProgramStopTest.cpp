#include "TestWorld.h"
#include "app/ProgramEnd.h"
#include "core/TextFile.h"
#include "core/template/FolderListing.h"
#include "core/template/TemplateFile.h"
#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/MainMenu.h"
#include "student/StudentArea.h"
#include "student/StudentForm.h"
#include "student/StudentMenu.h"
#include "student/TopicScreen.h"
#include "ui/PictureButton.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// Message boxes that note how many sounds had been played when each text was shown.
class WatchingMessages : public Messages {
public:
    explicit WatchingMessages(const FakeSoundPlayer &sound)
        : m_sound(sound) {}

    AsyncOp<void> inform(const QString &text) override {
        shown.append(text);
        playsWhenShown.append(m_sound.plays.size());
        return AsyncOp<void>::ready();
    }
    AsyncOp<bool> askYesNo(const QString &) override { return AsyncOp<bool>::ready(true); }
    AsyncOp<bool> askOkCancel(const QString &) override { return AsyncOp<bool>::ready(true); }

    QStringList shown;
    QList<std::size_t> playsWhenShown;

private:
    const FakeSoundPlayer &m_sound;
};

// A story whose every page comes from another page: it has no first page.
void writeStoryWithoutFirstPage(const TempAppFolder &folder) {
    for (const QString &name : listFolder(folder.folder(), u"*.sty"_s))
        QFile::remove(folder.path(name));
    StoryTemplate story;
    story.storyId = 5;
    story.storyTitle = u"Nowhere to Start"_s;
    TemplatePage &page = story.page(1);
    page.inUse = true;
    page.pageId = 102;
    page.layout = kLayoutSimple;
    page.choice(1).prevPageId = 101;
    ASSERT_TRUE(writeTextLines(folder.path(templateFileName(5)), templateLines(story)));
}

// The real program stop on the real student form: Maya (step scanning) picks a story that
// cannot be written.
TEST(ProgramStop, NothingScansOrSpeaksBehindTheLastMessage) {
    TestWorld world;
    writeStoryWithoutFirstPage(world.folder);
    WatchingMessages messages(world.sound);
    StudentForm *form = nullptr;
    ProgramEnd stop(messages, [&form, &world] {
        form->abandonFlows();
        world.music.closeAllMedia();
    });
    Services services = world.services();
    services.messages = &messages;
    services.stop = &stop;
    StudentForm realForm(services, world.state, world.scan);
    form = &realForm;
    form->resize(1280, 1024);
    form->startUp();
    form->show();
    drainEvents();

    form->mainMenu()->button(MainMenu::StudentLogon)->click();
    StudentArea &area = *form->studentArea();
    QListWidget *names = area.logonPanel()->studentList();
    names->setCurrentItem(names->findItems(u"Maya"_s, Qt::MatchExactly).front());
    area.logonPanel()->logonButton()->click();
    drainEvents();
    area.logonPanel()->escapeNotice()->continueButton()->click();
    SwitchDriver switches(world.clock, world.sound, world.scan);
    switches.stepTo(kMenuWriteBook);
    switches.stepTo(TopicScreen::WriteThisTopic);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    ASSERT_TRUE(runUntil(world.clock, [&] { return !messages.shown.isEmpty(); }));
    (void)runUntil(
        world.clock, [] { return false; }, 60);
    ASSERT_EQ(messages.shown,
              QStringList{u"Critical Error: The first page of the story wasn't found"_s});
    EXPECT_TRUE(stop.hasStopped());
    EXPECT_EQ(world.sound.plays.size(), messages.playsWhenShown.front())
        << "spoke after the stop: " << world.sound.plays.back().name.toStdString();
    EXPECT_FALSE(world.scan.isScanning());
    EXPECT_FALSE(area.isStudentMenuShown());
}

} // namespace
} // namespace quillora::test
