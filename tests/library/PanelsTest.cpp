#include "LibraryFixture.h"
#include "TestWorld.h"

#include "admin/ExportImportPanels.h"
#include "admin/LibraryPanels.h"
#include "core/book/BookCompiler.h"
#include "core/library/LibraryCheck.h"
#include "core/library/TemplateExport.h"
#include "core/library/TemplateImport.h"
#include "core/library/TemplateMaintenance.h"
#include "core/profiles/StudentProfile.h"
#include "core/template/TemplateFile.h"
#include "core/template/TemplateLibrary.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace quillora::test {
namespace {

// The cabinet work runs on real threads, so the test waits in real time for its outcome.
bool waitUntil(const std::function<bool()> &condition) {
    QDeadlineTimer deadline(30000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    return true;
}

class PanelsTest : public ::testing::Test {
protected:
    PanelsTest() {
        services = world.services();
        services.cabinets = &cabinets;
    }

    bool shown(const QString &start) const {
        for (const QString &text : world.messages.shown) {
            if (text.startsWith(start))
                return true;
        }
        return false;
    }

    std::unique_ptr<LibraryPanel> open(LibraryPanel::Mode mode) {
        std::unique_ptr<LibraryPanel> panel(LibraryPanel::open(mode, services, world.state));
        if (panel) {
            panel->list()->setCurrentRow(0);
            panel->list()->currentItem()->setSelected(true);
        }
        return panel;
    }

    void writeBook() {
        world.folder.write(
            QStringLiteral("mystory_600_9999_1_1_104.msy"),
            crlf({QStringLiteral("600"), QStringLiteral("1"), QStringLiteral("1"),
                  QStringLiteral("1"), QStringLiteral("104"), QStringLiteral(" 102 ")}));
    }

    TestWorld world;
    GcabCabinets cabinets;
    Services services;
};

TEST_F(PanelsTest, ExportShowsProgressThenSavesWhereTheTeacherChose) {
    auto panel = open(LibraryPanel::Export);
    ASSERT_TRUE(panel);
    const QString target = world.folder.path(QStringLiteral("chosen.cab"));
    world.fileDialogs.scriptAnswers({target});
    int finished = 0;
    QObject::connect(panel.get(), &LibraryPanel::finished, [&finished] { ++finished; });
    panel->actionButton(0)->click();
    EXPECT_FALSE(panel->progressPanel()->isHidden());
    EXPECT_FALSE(panel->actionButton(0)->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return finished == 1; }))
        << world.messages.shown.join(u'|').toStdString();
    EXPECT_EQ(world.messages.shown.last(),
              QStringLiteral("The following template has been created \n\n") +
                  QDir::toNativeSeparators(target));
    ASSERT_EQ(world.fileDialogs.asked.size(), 1);
    EXPECT_TRUE(world.fileDialogs.asked[0].saving);
    EXPECT_TRUE(world.fileDialogs.asked[0].request.proposedName.startsWith(
        QStringLiteral("Template_Milo_the_Cat_")));
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_TRUE(QDir(world.folder.path(QStringLiteral("disk1")))
                    .entryList({QStringLiteral("*.cab")})
                    .isEmpty());
}

TEST_F(PanelsTest, CancellingTheSaveDialogLeavesNoCabinet) {
    auto panel = open(LibraryPanel::Export);
    world.fileDialogs.scriptAnswers({QString()});
    panel->actionButton(0)->click();
    ASSERT_TRUE(waitUntil([&] { return !world.fileDialogs.asked.isEmpty(); }));
    waitUntil([&] { return panel->actionButton(0)->isEnabled(); });
    EXPECT_TRUE(world.messages.shown.isEmpty());
    EXPECT_TRUE(QDir(world.folder.path(QStringLiteral("disk1")))
                    .entryList({QStringLiteral("*.cab")})
                    .isEmpty());
}

TEST_F(PanelsTest, ModifyWarnsWhenStudentsHaveBooks) {
    writeBook();
    auto panel = open(LibraryPanel::Modify);
    int openedOn = 0;
    QObject::connect(panel.get(), &LibraryPanel::templateLoaded,
                     [&openedOn](int page) { openedOn = page; });
    panel->actionButton(0)->click();
    ASSERT_TRUE(waitUntil([&] { return openedOn != 0; }));
    EXPECT_EQ(openedOn, 102);
    EXPECT_TRUE(
        shown(QStringLiteral("Warning: Students have already created stories for this template.\n\n"
                             "Adding and Deleting pages will not be allowed")));
    EXPECT_FALSE(world.state.story.editingAllowed);
    EXPECT_EQ(world.state.story.storyId, 1);
}

TEST_F(PanelsTest, DeleteAsksTwiceWhenStudentsHaveBooks) {
    writeBook();
    auto panel = open(LibraryPanel::Delete);
    world.messages.scriptAnswers({true, false});
    panel->actionButton(1)->click();
    ASSERT_TRUE(waitUntil([&] { return shown(QStringLiteral("Story Milo the Cat not deleted")); }));
    EXPECT_TRUE(world.folder.exists(QStringLiteral("story_1.sty")));
    EXPECT_TRUE(world.folder.exists(QStringLiteral("mystory_600_9999_1_1_104.msy")));

    auto again = open(LibraryPanel::Delete);
    world.messages.scriptAnswers({true, true});
    again->actionButton(1)->click();
    ASSERT_TRUE(waitUntil(
        [&] { return shown(QStringLiteral("The Story Milo the Cat has been deleted")); }));
    EXPECT_FALSE(world.folder.exists(QStringLiteral("story_1.sty")));
    EXPECT_FALSE(world.folder.exists(QStringLiteral("cover_pic_1.jpg")));
    EXPECT_FALSE(world.folder.exists(QStringLiteral("mystory_600_9999_1_1_104.msy")));

    // The library is now empty: the panels say so and stay closed.
    EXPECT_FALSE(LibraryPanel::open(LibraryPanel::Modify, services, world.state));
    EXPECT_EQ(world.messages.shown.last(), QStringLiteral("There are no stories to Edit"));
}

TEST_F(PanelsTest, ImportRefusesANameNotEndingInCab) {
    ImportPanel panel(services);
    int finished = 0;
    QObject::connect(&panel, &ImportPanel::finished, [&finished] { ++finished; });
    world.fileDialogs.scriptAnswers({QStringLiteral("/tmp/Template_x.CAB")});
    panel.start();
    ASSERT_TRUE(waitUntil([&] { return finished == 1; }));
    EXPECT_EQ(world.messages.shown,
              QStringList{QStringLiteral("/tmp/Template_x.CAB is not a valid story template. \n\n"
                                         "Valid story templates end with .cab")});
}

TEST_F(PanelsTest, ImportOfABrokenCabinetSaysWhyInsteadOfComplete) {
    world.folder.write(QStringLiteral("broken.cab"), "not a cabinet");
    ImportPanel panel(services);
    int finished = 0;
    QObject::connect(&panel, &ImportPanel::finished, [&finished] { ++finished; });
    world.fileDialogs.scriptAnswers({world.folder.path(QStringLiteral("broken.cab"))});
    panel.start();
    ASSERT_TRUE(waitUntil([&] { return finished == 1; }));
    ASSERT_EQ(world.messages.shown.size(), 1);
    EXPECT_TRUE(world.messages.shown[0].contains(QStringLiteral("was not imported")));
}

TEST_F(PanelsTest, ChoosingAProblemOpensItsTemplateOnThatPage) {
    // The demo's page 103 loses its picture.
    ASSERT_TRUE(QFile::remove(world.folder.path(QStringLiteral("page_pic_1_103_1.jpg"))));
    LibraryCheckPanel panel(services, world.state);
    ASSERT_GE(panel.list()->count(), 1);
    EXPECT_TRUE(panel.list()->item(0)->text().startsWith(QStringLiteral("story_1.sty: page 103")));
    int openedOn = 0;
    QObject::connect(&panel, &LibraryCheckPanel::templateLoaded,
                     [&openedOn](int page) { openedOn = page; });
    panel.openProblem(0);
    ASSERT_TRUE(waitUntil([&] { return openedOn != 0; }));
    EXPECT_EQ(openedOn, 103);
    EXPECT_EQ(world.state.story.storyId, 1);
}

TEST_F(PanelsTest, AStudentWritesABookFromAnImportedTemplate) {
    TempAppFolder school(TempAppFolder::InstalledCopy);
    auto built = finish(buildTemplateCabinet(school.folder(), cabinets, 1));
    ASSERT_TRUE(built.ok());
    auto imported = finish(importTemplateCabinet(world.appFolder(), cabinets, built.value()));
    ASSERT_TRUE(imported.ok()) << imported.error().text().toStdString();

    const TopicListing topics = loadTopics(world.appFolder(), 600);
    const auto offered =
        std::find_if(topics.topics.begin(), topics.topics.end(),
                     [&](const Topic &t) { return t.storyId == imported->storyId; });
    ASSERT_NE(offered, topics.topics.end());
    EXPECT_EQ(offered->title, imported->title);

    // The student walks the first path to its end and the book is saved and opens again.
    StoryTemplate &story = world.state.story;
    ASSERT_TRUE(loadTemplate(story, imported->storyId, TemplateLoadMode::Reading, world.appFolder(),
                             world.messages)
                    .ok());
    int slot = story.currentPageIndex;
    while (story.page(slot).choice(1).nextPageId != 0)
        slot = story.findPageIndex(story.page(slot).choice(1).nextPageId);
    StudentProfile author;
    author.studentName = QStringLiteral("Zoe");
    author.studentNumber = 600;
    auto book = saveBook(story, BookDraft{slot, {}, 2}, author, author.studentName,
                         world.appFolder(), world.stop);
    ASSERT_TRUE(book.ok()) << book.error().text().toStdString();
    auto reopened = openBookForReading(story, bookFileName(book.value()), author.studentName,
                                       world.appFolder(), world.messages, world.stop);
    EXPECT_TRUE(reopened.ok());
    EXPECT_TRUE(world.stop.messages.isEmpty());
    EXPECT_TRUE(checkLibrary(world.appFolder()).isEmpty());
}

} // namespace
} // namespace quillora::test
